#!/usr/bin/python3
"""The web page with a keyboard alone, with input methods, zoomed, and as axe-core sees it.

    page_test.py SITE CASE... [--tool TOOL] [--axe AXE_JS]

The cases given run one after another in one browser:
    keyboard   only keys: IBRA chosen, six values typed, Calculate pressed, the list reached and
               scrolled, the report opened; the list is the tool's listing (--tool)
    input      Enter on the close box closes; a held key from before the dialog does nothing in it;
               composed and mixed text keeps only the digits a digits-only field takes
    zoom       the browser zoomed to 150, 200 and 300 %, and a minimum font size of 24: the text
               grows, the page reflows, nothing is cut
    axe        axe-core's WCAG 2.2 A/AA and best-practice rules (--axe), at desktop and phone
               widths: on load, after a calculation, with the message box up, and closed; no
               violation
"""
import argparse
import os

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser
from site_test import CALCULATE, LIST, RIDERS, element, fail, list_lines, open_page, tool_lines

ACTIVE = "return document.activeElement && document.activeElement.id"
METHODS_BUTTON = 22  # "...", which opens the methods window: after the template's 22 controls


def keys(driver, *sequence):
    ActionChains(driver, duration=0).send_keys(*sequence).perform()


def focused(driver):
    """The index of the dialog's element with the focus (a check box's by its label), or None."""
    return driver.execute_script("""const a = document.activeElement; const e = a && a.closest('[data-index]');
        return e && e.closest('#vantry-dialog') ? Number(e.dataset.index) : null;""")


def tabs_through(driver, indexes, backwards=False):
    """Presses Tab (or Shift+Tab) once for each of `indexes`, each landing exactly on the next."""
    for index in indexes:
        if backwards:
            ActionChains(driver, duration=0).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        else:
            keys(driver, Keys.TAB)
        if focused(driver) != index:
            fail(f"{'Shift+' if backwards else ''}Tab landed on {focused(driver)}, not {index}")


# The page keyboard's Tab cycle after Rider Count: the other fields, the method boxes, the push
# buttons ("..." the last of them), the list; and round to Rider Count.
CYCLE = [1, 2, 3, 4, 5, 13, 15, 16, CALCULATE, 7, 18, METHODS_BUTTON, LIST, RIDERS]


def keyboard(site, tool):
    with browser.chromium() as driver:
        for size in ({}, {"width": 390, "height": 844, "mobile": True}):  # the dialog's layout, then the phone's
            keyboard_in(driver, site, tool, size)
    print("with the keyboard alone, in both layouts: the Tab cycle exact both ways, IBRA chosen, six values typed, "
          "Space on Calculate, the listing the tool's, the list scrolled down and up, the report opened")


def keyboard_in(driver, site, tool, size):
    event = {"riders": 57, "fee": 35, "added": 250, "payoff": 75, "ds": 3, "places": 0}
    browser.emulate(driver, **(size or {"width": 1000, "height": 900}))
    open_page(driver, site)
    driver.execute_script("window.open = address => { window.reportAddress = address; return {}; };")
    phone = driver.execute_script("return document.getElementById('vantry-dialog').classList.contains('vantry-phone')")
    if phone != bool(size):
        fail(f"the page is {'not ' if size else ''}in its phone layout")
    if focused(driver) != RIDERS:
        fail(f"the page starts with the focus on {focused(driver)}, not Rider Count")
    # The whole cycle, forwards and back.
    tabs_through(driver, CYCLE)
    tabs_through(driver, list(reversed(CYCLE[:-1])) + [RIDERS], backwards=True)
    # The IBRA box by Tab and Space; its click repaints the fields, as on Windows.
    tabs_through(driver, CYCLE[:6])
    keys(driver, " ")
    browser.wait_for(driver, f"return document.activeElement.id === 'vantry-e{RIDERS}'", 5)
    # Each field: Tab to it from the one before, type over its selected text.
    for name in ("riders", "fee", "added", "payoff", "ds", "places"):
        if name != "riders":
            keys(driver, Keys.TAB)
        keys(driver, str(event[name]))
    tabs_through(driver, [13, 15, 16, CALCULATE])
    keys(driver, " ")  # Space presses a push button
    expected = tool_lines(tool, "ibra", event)
    if not browser.wait_for(driver, f"return document.querySelectorAll('#vantry-e{LIST} div').length === {len(expected)}", 5) \
            or list_lines(driver) != expected:
        fail(f"the list by keyboard: {list_lines(driver)[:6]}... the tool: {expected[:6]}...")
    browser.wait_for(driver, f"return document.activeElement.id === 'vantry-e{RIDERS}'", 5)
    tabs_through(driver, CYCLE[:CYCLE.index(LIST) + 1])
    keys(driver, Keys.PAGE_DOWN, Keys.ARROW_DOWN)
    if not browser.wait_for(driver, f"return document.getElementById('vantry-e{LIST}').scrollTop > 0", 5):
        fail("Page Down and the arrow keys do not scroll the list")
    keys(driver, Keys.PAGE_UP, Keys.ARROW_UP, Keys.ARROW_UP)
    if not browser.wait_for(driver, f"return document.getElementById('vantry-e{LIST}').scrollTop === 0", 5):
        fail("Page Up and the arrow key up do not scroll the list back")
    tabs_through(driver, [METHODS_BUTTON, 18], backwards=True)
    keys(driver, Keys.ENTER)
    if not browser.wait_for(driver, "return window.reportAddress", 10):
        fail("Enter on Edit/Print Payout opened no report")


def compose(driver, text):
    driver.execute_cdp_cmd("Input.imeSetComposition", {"text": text, "selectionStart": len(text),
                                                       "selectionEnd": len(text)})
    driver.execute_cdp_cmd("Input.insertText", {"text": text})


def value_of(driver, index):
    return driver.execute_script(f"return document.getElementById('vantry-e{index}').value")


def page_input(site):
    with browser.chromium() as driver:
        open_page(driver, site)
        empty = f"const field = document.getElementById('vantry-e{RIDERS}'); field.value = ''; field.focus();"
        for text, left in (("o1", "1"), ("1o", "1"), ("4O", "4")):
            driver.execute_script(empty)
            compose(driver, text)
            browser.wait_for(driver, f"return document.getElementById('vantry-e{RIDERS}').value === '{left}'", 2)
            if value_of(driver, RIDERS) != left:
                fail(f"{text!r} composed into Rider Count leaves {value_of(driver, RIDERS)!r}, not {left!r}")
        driver.execute_script(empty)
        driver.execute_cdp_cmd("Input.insertText", {"text": "4O"})
        if value_of(driver, RIDERS) != "4":
            fail(f"'4O' inserted at once leaves {value_of(driver, RIDERS)!r}, not '4'")

        driver.execute_script("document.querySelector('#vantry-dialog .vantry-close').focus()")
        keys(driver, Keys.ENTER)
        if not browser.wait_for(driver, "return document.querySelector('.vantry-closed')", 5):
            fail("Enter on the close box did not close the dialog")

        # Enter held on "Start again": its repeats reach the new dialog's Rider Count.
        driver.execute_script("window.open = address => { window.reportAddress = address; return {}; };")
        driver.execute_script("document.querySelector('.vantry-closed button').focus()")
        key = {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "nativeVirtualKeyCode": 13}
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(key, type="keyDown", text="\r"))
        if not browser.wait_for(driver, "return document.activeElement && document.activeElement.id === 'vantry-e0'", 5):
            fail("Start again did not start a dialog with the focus in Rider Count")
        for _ in range(3):
            driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(key, type="keyDown", text="\r", autoRepeat=True))
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(key, type="keyUp"))
        # A key after them: once it has gone in, the repeats before it have been handled too.
        keys(driver, "9")
        if not browser.wait_for(driver, "return document.getElementById('vantry-e0').value.endsWith('9')", 5):
            fail("a key typed after the held Enter did not reach Rider Count")
        if driver.execute_script("return window.reportAddress"):
            fail("a held Enter from before the dialog pressed Edit/Print Payout in it")
        # A phone's decimal pad that has only a comma: in a money field it is the point.
        browser.emulate(driver, 390, 844, mobile=True)
        open_page(driver, site)
        driver.execute_script("const field = document.getElementById('vantry-e1'); field.value = ''; field.focus();")
        driver.execute_cdp_cmd("Input.insertText", {"text": "12,5"})
        if value_of(driver, 1) != "12.5":
            fail(f"'12,5' from a phone's decimal pad gives the entry fee {value_of(driver, 1)!r}, not '12.5'")
    print("input methods keep only digits; a phone's decimal comma is the point; Enter closes from the close box; "
          "a held key does not reach a new dialog")


CUT = """return [...document.querySelectorAll('#vantry-dialog .vantry-static, #vantry-dialog button, #vantry-dialog .vantry-check')]
    .filter(e => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1).map(e => e.id || e.className);"""
PHONE = "return document.getElementById('vantry-dialog').classList.contains('vantry-phone')"
FIELD_TEXT = f"return parseFloat(getComputedStyle(document.getElementById('vantry-e{RIDERS}')).fontSize) * devicePixelRatio"


def zoom(site):
    with browser.chromium() as driver:
        open_page(driver, site)
        normal = driver.execute_script(FIELD_TEXT)
        for percent in (150, 200, 300):
            scale = percent / 100
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": round(1000 / scale), "height": round(900 / scale), "deviceScaleFactor": scale, "mobile": False})
            open_page(driver, site)
            if not driver.execute_script(PHONE):
                fail(f"at {percent} % the dialog is not reflowed")
            if driver.execute_script(FIELD_TEXT) < normal * scale * 0.99:
                fail(f"at {percent} % the fields' text is {driver.execute_script(FIELD_TEXT)} pixels on screen")
            if driver.execute_script("return document.documentElement.scrollWidth > document.documentElement.clientWidth"):
                fail(f"at {percent} % the page scrolls sideways")
    with browser.chromium(prefs={"webkit.webprefs.minimum_font_size": 24}) as driver:
        open_page(driver, site)
        if driver.execute_script(CUT):
            fail(f"with a 24-pixel minimum font size, text is cut: {driver.execute_script(CUT)}")
    print("zoomed to 150, 200 and 300 %, the text grows and the page reflows; with large text nothing is cut")


AXE_RUN = """
    const done = arguments[arguments.length - 1];
    axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa',
                                                        'best-practice']}})
       .then(result => done(result.violations.map(v => v.id + ' (' + v.impact + '): ' +
                                                 v.nodes.map(n => n.target.join(' ')).slice(0, 4).join(', '))))
       .catch(error => done(['axe failed: ' + error]));"""


def accessible(site, axe_js):
    if not os.path.exists(axe_js):
        fail(f"no {axe_js}: install the web tests' npm packages with `npm ci` in tests/web (the test command does)")
    with open(axe_js, encoding="utf-8") as source:
        axe = source.read()
    found = []

    def check(driver, state):
        driver.execute_script(axe)
        violations = driver.execute_async_script(AXE_RUN)
        found.extend(f"{state}: {violation}" for violation in violations)

    with browser.chromium() as driver:
        for width, height, mobile in ((1000, 900, False), (390, 844, True)):
            size = f"{width} x {height}"
            browser.emulate(driver, width, height, mobile)
            open_page(driver, site)
            check(driver, f"{size}, on load")
            # A refused key's hint beside Payoff Pct (it stays a few seconds).
            driver.execute_script("const f = document.getElementById('vantry-e3'); f.focus(); f.select();")
            keys(driver, ".")
            if not browser.wait_for(driver, "return document.getElementById('vantry-hint')", 2):
                fail("a refused key showed no hint")
            check(driver, f"{size}, with a refused key's hint")
            element(driver, CALCULATE).click()
            browser.wait_for(driver, "return document.getElementById('vantry-announce').textContent", 5)
            check(driver, f"{size}, after a calculation")
            # A report that cannot be written: a folder stands where report.txt goes.
            driver.execute_script("FS.mkdir('/report.txt')")
            element(driver, 18).click()
            if not browser.wait_for(driver, "return document.getElementById('vantry-message-box')", 5):
                fail("no message box came up")
            check(driver, f"{size}, with the message box up")
            driver.execute_script("document.querySelector('#vantry-message-box button').click()")
            element(driver, 7).click()
            browser.wait_for(driver, "return document.querySelector('.vantry-closed')", 5)
            check(driver, f"{size}, closed")
    if found:
        fail("axe-core finds:\n  " + "\n  ".join(found))
    print("axe-core: no violation of WCAG 2.2 A/AA or best practice, at desktop and phone widths, in five states each")


def main():
    parser = argparse.ArgumentParser(description="The page by keyboard, zoomed, and to axe-core; the cases given "
                                                 "share one browser.")
    parser.add_argument("site")
    parser.add_argument("cases", nargs="+", choices=("keyboard", "input", "zoom", "axe"))
    parser.add_argument("--tool", help="the command-line tool built for this machine")
    parser.add_argument("--axe", help="axe.min.js of axe-core")
    given = parser.parse_args()
    served = browser.Site(given.site)
    cases = {"keyboard": lambda: keyboard(served, given.tool), "input": lambda: page_input(served),
             "zoom": lambda: zoom(served), "axe": lambda: accessible(served, given.axe)}
    try:
        with browser.one_browser():
            for case in given.cases:
                cases[case]()
    finally:
        served.stop()


if __name__ == "__main__":
    main()
