#!/usr/bin/python3
"""The page where a hostile tester found it short: a refused key that says so, digits of other
scripts, and where the focus goes on a phone and after closing.

    typing_and_focus_test.py SITE CASE... [--tool TOOL]

The cases given run one after another in one browser:
    hint     70.6 typed and pasted into Payoff Pct, on the desktop and a phone: 706 is kept, a
             hint beside the field says why (a screen reader reads it), and goes at the next good
             key or after a few seconds
    digits   full-width, Arabic-Indic and Devanagari digits inserted, composed and pasted go in as
             ASCII digits; the listing is the tool's (--tool)
    touch    on a touch phone, a tap on Calculate or on a method box leaves the focus where the tap
             left it; the fields are still rewritten
    closed   after Exit and after Esc: the focus on "Start again", and "Closed" said
    order    the phone layout shows the controls, and a screen reader meets them, in the order Tab
             takes
"""
import argparse
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser
from site_test import CALCULATE, EDIT_PRINT, EXIT, FEE, LIST, METHOD_BOXES, PAYOFF, PLACES, RIDERS, DS, ADDED, fail, \
    list_lines, open_page, tool_lines

PHONE = {"width": 390, "height": 844, "mobile": True}
DESKTOP = {"width": 1000, "height": 900}
HINT = "return document.getElementById('vantry-hint')"
HINT_TEXT = "const h = document.getElementById('vantry-hint'); return h ? h.textContent : null"


def keys(driver, *sequence):
    ActionChains(driver, duration=0).send_keys(*sequence).perform()


def value_of(driver, index):
    return driver.execute_script(f"return document.getElementById('vantry-e{index}').value")


def focus_empty(driver, index):
    driver.execute_script(f"const f = document.getElementById('vantry-e{index}'); f.value = ''; f.focus();")


def paste(driver, text):
    """A real paste: the text on the clipboard, then the browser's own paste command."""
    driver.execute_cdp_cmd("Browser.grantPermissions", {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    driver.execute_async_script("navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)
    key = {"key": "v", "code": "KeyV", "windowsVirtualKeyCode": 86, "modifiers": 2, "commands": ["paste"]}
    driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(key, type="rawKeyDown"))
    driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(key, type="keyUp"))


def expect_hint(driver, what):
    if not browser.wait_for(driver, HINT, 2):
        fail(f"{what}: no hint says why the key was refused")
    text = driver.execute_script(HINT_TEXT)
    if text != "Unacceptable Character You can only type a number here.":
        fail(f"{what}: the hint says {text!r}")
    role = driver.execute_script("return document.getElementById('vantry-hint').getAttribute('role')")
    described = driver.execute_script(f"return document.getElementById('vantry-e{PAYOFF}').getAttribute('aria-describedby')")
    if role != "alert" or described != "vantry-hint":
        fail(f"{what}: a screen reader is not told (role {role!r}, the field described by {described!r})")


def hint(site):
    # The desktop's window and then the phone's, each in a window of its own in one browser: the
    # two hints' few seconds run out together, at the end.
    with browser.chromium() as driver:
        windows, deadlines = [], []
        for size in ({}, PHONE):
            if windows:
                driver.switch_to.new_window("window")
            windows.append(driver.current_window_handle)
            browser.emulate(driver, **(size or DESKTOP))
            open_page(driver, site)
            layout = "phone" if size else "desktop"
            focus_empty(driver, PAYOFF)
            keys(driver, "70.")
            if value_of(driver, PAYOFF) != "70":
                fail(f"{layout}: '70.' typed leaves {value_of(driver, PAYOFF)!r}")
            expect_hint(driver, f"{layout}, '.' typed")
            # The hint covers nothing: a click where it stands reaches the control under it.
            driver.execute_script(f"document.getElementById('vantry-e{PAYOFF}').value = '70'")
            driver.find_element("id", f"vantry-e{CALCULATE}").click()
            if not browser.wait_for(driver, f"return document.querySelectorAll('#vantry-e{LIST} div').length > 0", 5):
                fail(f"{layout}: Calculate, clicked while the hint showed, calculated nothing")
            focus_empty(driver, PAYOFF)
            keys(driver, "70.")
            expect_hint(driver, f"{layout}, '.' typed again")
            keys(driver, "6")
            if value_of(driver, PAYOFF) != "706" or driver.execute_script(HINT):
                fail(f"{layout}: after '6' the field holds {value_of(driver, PAYOFF)!r} and the hint "
                     f"{'stays' if driver.execute_script(HINT) else 'is gone'}")
            focus_empty(driver, PAYOFF)
            paste(driver, "70.6")
            if not browser.wait_for(driver, f"return document.getElementById('vantry-e{PAYOFF}').value === '706'", 2):
                fail(f"{layout}: '70.6' pasted leaves {value_of(driver, PAYOFF)!r}")
            expect_hint(driver, f"{layout}, '70.6' pasted")
            deadlines.append(time.monotonic() + 8)
        for window, deadline, layout in zip(reversed(windows), reversed(deadlines), ("phone", "desktop")):
            driver.switch_to.window(window)
            if not browser.wait_for(driver, "return !document.getElementById('vantry-hint')", max(0, deadline - time.monotonic())):
                fail(f"{layout}: the hint is still there after eight seconds")
    print("a refused key and a pasted refused character say so beside the field, to a screen reader too, "
          "until a key goes in or a few seconds pass; on the desktop and a phone")


def compose(driver, text):
    driver.execute_cdp_cmd("Input.imeSetComposition", {"text": text, "selectionStart": len(text), "selectionEnd": len(text)})
    driver.execute_cdp_cmd("Input.insertText", {"text": text})


def digits(site, tool):
    with browser.chromium() as driver:
        open_page(driver, site)
        cases = (
            (FEE, "insert", "\uFF15\uFF10\uFF0E\uFF15", "50.5"),  # full width, with its full stop
            (RIDERS, "insert", "\uFF11\uFF12", "12"),
            (ADDED, "paste", "\u0662\u0665\u0660", "250"),      # Arabic-Indic
            (PLACES, "compose", "\u0969", "3"),                  # Devanagari, from an input method
            (DS, "compose", "\uFF13", "3"),
            (PAYOFF, "insert", "\u096D\u0966", "70"),
        )
        for index, how, text, kept in cases:
            focus_empty(driver, index)
            if how == "insert":
                driver.execute_cdp_cmd("Input.insertText", {"text": text})
            elif how == "compose":
                compose(driver, text)
            else:
                paste(driver, text)
            if not browser.wait_for(driver, f"return document.getElementById('vantry-e{index}').value === '{kept}'", 2):
                fail(f"{text!r} {how}ed into field {index} leaves {value_of(driver, index)!r}, not {kept!r}")
            if driver.execute_script(HINT):
                fail(f"{text!r} {how}ed into field {index}: a digit was called unacceptable")
        driver.execute_script(f"document.getElementById('vantry-e{CALCULATE}').click()")
        event = {"riders": 12, "fee": 50.5, "added": 250, "payoff": 70, "ds": 3, "places": 3}
        expected = tool_lines(tool, "nbha4d", event)
        if not browser.wait_for(driver, f"return document.querySelectorAll('#vantry-e{LIST} div').length === {len(expected)}", 5) \
                or list_lines(driver) != expected:
            fail(f"the listing of the digits typed: {list_lines(driver)[:3]}..., the tool's: {expected[:3]}...")
    print("full-width, Arabic-Indic and Devanagari digits, inserted, composed and pasted, go in as the digits "
          "the dialog reads; the listing is the tool's")


def tap(driver, index):
    """A finger on the middle of the element, and off again; the page is scrolled to it first if it
    is off the screen, as a person scrolls to what they want to touch."""
    box = driver.execute_script(f"const e = document.getElementById('vantry-e{index}');"
                                "const off = r => r.top < 0 || r.bottom > innerHeight;"
                                "if (off(e.getBoundingClientRect())) e.scrollIntoView({block: 'center'});"
                                "const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];")
    point = {"x": box[0], "y": box[1]}
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [point]})
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


ACTIVE_INDEX = "const a = document.activeElement; const e = a && a.closest('[id^=vantry-e]'); return e ? e.id : (a && a.tagName)"


def touch(site):
    with browser.chromium(**PHONE) as driver:
        open_page(driver, site)
        driver.execute_script(f"document.getElementById('vantry-e{RIDERS}').value = '57'")
        driver.execute_script("window.scrollTo(0, document.body.scrollHeight)")
        tap(driver, CALCULATE)
        if not browser.wait_for(driver, f"return document.querySelectorAll('#vantry-e{LIST} div').length > 0", 5):
            fail("a tap on Calculate calculated nothing")
        if not browser.wait_for(driver, f"return !document.querySelector('#vantry-e{RIDERS}:focus') && "
                                        f"document.getElementById('vantry-e{RIDERS}').value === '57'", 2):
            fail(f"after a tap on Calculate the focus is on {driver.execute_script(ACTIVE_INDEX)} "
                 "(the phone's keyboard would cover the list)")
        driver.execute_script(f"document.getElementById('vantry-e{FEE}').value = '99'")
        tap(driver, METHOD_BOXES["ibra"])
        browser.wait_for(driver, f"return document.querySelector('#vantry-e{METHOD_BOXES['ibra']} input').checked", 2)
        # The method box repaints the fields from the stored values, as on Windows, but the focus stays.
        if not browser.wait_for(driver, f"return document.getElementById('vantry-e{FEE}').value === '50.00'", 2) \
                or browser.wait_for(driver, f"return !!document.querySelector('#vantry-e{RIDERS}:focus')", 1):
            fail(f"after a tap on IBRA the fee shows {value_of(driver, FEE)!r} and the focus is on "
                 f"{driver.execute_script(ACTIVE_INDEX)}")
        # From the keyboard, the focus goes back to Rider Count as on Windows.
        driver.execute_script(f"document.querySelector('#vantry-e{METHOD_BOXES['brn4d']} input').focus()")
        keys(driver, " ")
        if not browser.wait_for(driver, f"return !!document.querySelector('#vantry-e{RIDERS}:focus')", 3):
            fail(f"Space on a method box from the keyboard left the focus on {driver.execute_script(ACTIVE_INDEX)}")
    print("on a touch phone, a tap on Calculate or a method box leaves the focus where the tap left it; "
          "the keyboard keeps Windows' focus")


CLOSED = "return document.querySelector('.vantry-closed') && document.activeElement === document.querySelector('.vantry-closed button')"
SAID = "return document.getElementById('vantry-page-status').textContent"


def closed(site):
    with browser.chromium() as driver:
        for how in ("Exit", "Esc"):
            open_page(driver, site)
            if how == "Exit":
                driver.execute_script(f"document.getElementById('vantry-e{EXIT}').click()")
            else:
                driver.execute_script(f"document.getElementById('vantry-e{RIDERS}').focus()")
                keys(driver, Keys.ESCAPE)
            if not browser.wait_for(driver, CLOSED, 5):
                fail(f"after {how} the focus is on {driver.execute_script('return document.activeElement.outerHTML')[:80]}")
            if not browser.wait_for(driver, "return document.getElementById('vantry-page-status').textContent === 'Closed'", 2):
                fail(f"after {how}, {driver.execute_script(SAID)!r} is said, not 'Closed'")
            if driver.execute_script("return document.getElementById('vantry-page-status').getAttribute('role')") != "status":
                fail("what is said after closing is not in a live region")
    print("after Exit and after Esc the focus is on Start again, and Closed is said")


# The page keyboard's Tab cycle: the six fields, the method boxes, the push buttons ("...", which
# opens the methods window, the last of them), the list.
METHODS_BUTTON = 22
TAB_ORDER = [RIDERS, FEE, ADDED, PAYOFF, DS, PLACES, METHOD_BOXES["ibra"], METHOD_BOXES["brn4d"], METHOD_BOXES["nbha4d"],
             CALCULATE, EXIT, EDIT_PRINT, METHODS_BUTTON, LIST]
ORDERS = """
const client = document.querySelector('#vantry-dialog .vantry-client');
const index = e => { const c = e.closest('[data-index]'); return c ? Number(c.dataset.index) : -1; };
const controls = [...client.querySelectorAll('input, button:not(.vantry-flat), .vantry-list')].map(index).filter(i => i >= 0);
const reading = [...new Set(controls)];
const shown = [...new Set(controls)].map(i => {
  const e = document.getElementById('vantry-e' + i); const r = e.getBoundingClientRect();
  return [Math.round(r.top), Math.round(r.left), i]; });
shown.sort((a, b) => a[0] - b[0] || a[1] - b[1]);
return [reading, shown.map(s => s[2])];"""


def order(site):
    with browser.chromium(**PHONE) as driver:
        open_page(driver, site)
        reading, on_screen = driver.execute_script(ORDERS)
        if reading != TAB_ORDER:
            fail(f"a screen reader meets the controls as {reading}, Tab takes them as {TAB_ORDER}")
        if on_screen != TAB_ORDER:
            fail(f"the phone shows the controls as {on_screen}, Tab takes them as {TAB_ORDER}")
        # And Tab does take them so, from Rider Count round to it again.
        driver.execute_script(f"document.getElementById('vantry-e{RIDERS}').focus()")
        for expected in TAB_ORDER[1:] + [RIDERS]:
            keys(driver, Keys.TAB)
            at = driver.execute_script(ACTIVE_INDEX)
            if at != f"vantry-e{expected}":
                fail(f"Tab went to {at}, not vantry-e{expected}")
        notes = driver.execute_script("""return [...document.querySelectorAll('#vantry-dialog .vantry-note')]
            .every(n => n.getBoundingClientRect().top >= document.getElementById('vantry-e11').getBoundingClientRect().bottom)""")
        if not notes:
            fail("a note stands before the list on the phone")
    print("on a phone the controls show, are read and are tabbed through in one order: the fields, the methods, "
          "Calculate, Exit, Edit/Print, the list; the notes after")


def main():
    parser = argparse.ArgumentParser(description="The page's typing and focus; the cases given share one browser.")
    parser.add_argument("site")
    parser.add_argument("cases", nargs="+", choices=("hint", "digits", "touch", "closed", "order"))
    parser.add_argument("--tool", help="the command-line tool built for this machine")
    given = parser.parse_args()
    served = browser.Site(given.site)
    cases = {"hint": lambda: hint(served), "digits": lambda: digits(served, given.tool), "touch": lambda: touch(served),
             "closed": lambda: closed(served), "order": lambda: order(served)}
    try:
        with browser.one_browser():
            for case in given.cases:
                cases[case]()
    finally:
        served.stop()


if __name__ == "__main__":
    main()
