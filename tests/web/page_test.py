#!/usr/bin/python3
"""The web page with a keyboard alone, with input methods, zoomed, and as axe-core sees it.

    page_test.py keyboard SITE TOOL   only keys: IBRA chosen, six values typed, Calculate pressed,
                                      the list reached and scrolled, the report opened; the list
                                      is the tool's listing
    page_test.py input SITE           Enter on the close box closes; a held key from before the
                                      dialog does nothing in it; composed and mixed text keeps
                                      only the digits a digits-only field takes
    page_test.py zoom SITE            the browser zoomed to 150, 200 and 300 %, and a minimum font size
                                      of 24: the text grows, the page reflows, nothing is cut
    page_test.py axe SITE AXE_JS      axe-core's WCAG 2.2 A/AA and best-practice rules, at desktop and
                                      phone widths: on load, after a calculation, with the message
                                      box up, and closed; no violation
"""
import os
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser
from site_test import CALCULATE, LIST, RIDERS, element, fail, list_lines, open_page, tool_lines

ACTIVE = "return document.activeElement && document.activeElement.id"


def keys(driver, *sequence):
    ActionChains(driver, duration=0).send_keys(*sequence).perform()


def focus_after_tabs(driver, element_id, most=20):
    """Presses Tab until the element has the focus; fails when it never comes."""
    for _ in range(most):
        if driver.execute_script(ACTIVE) == element_id:
            return
        keys(driver, Keys.TAB)
    fail(f"Tab never reached {element_id}")


def keyboard(site, tool):
    for size in ({}, {"width": 390, "height": 844, "mobile": True}):  # the dialog's layout, then the phone's
        keyboard_in(site, tool, size)
    print("with the keyboard alone, in both layouts: IBRA chosen, six values typed, the listing the tool's, "
          "the list scrolled, the report opened")


def keyboard_in(site, tool, size):
    event = {"riders": 57, "fee": 35, "added": 250, "payoff": 75, "ds": 3, "places": 0}
    with browser.chromium(**size) as driver:
        open_page(driver, site)
        driver.execute_script("window.open = address => { window.reportAddress = address; return {}; };")
        phone = driver.execute_script("return document.getElementById('vantry-dialog').classList.contains('vantry-phone')")
        if phone != bool(size):
            fail(f"the page is {'not ' if size else ''}in its phone layout")
        if driver.execute_script(ACTIVE) != "vantry-e0":
            fail(f"the page starts with the focus on {driver.execute_script(ACTIVE)}, not Rider Count")
        # The IBRA box by Tab and Space; its click repaints the fields, as on Windows.
        focus_after_tabs(driver, "")  # the check box's input has no id of its own
        ibra = driver.execute_script("return document.activeElement.closest('[id^=vantry-e]').id")
        if ibra != "vantry-e13":
            fail(f"the first control after the fields is {ibra}, not the IBRA box")
        keys(driver, " ")
        browser.wait_for(driver, "return document.activeElement.id === 'vantry-e0'", 5)
        # Each field: Tab to it from the one before, type over its selected text.
        for name in ("riders", "fee", "added", "payoff", "ds", "places"):
            if name != "riders":
                keys(driver, Keys.TAB)
            keys(driver, str(event[name]))
        focus_after_tabs(driver, f"vantry-e{CALCULATE}")
        keys(driver, Keys.ENTER)
        expected = tool_lines(tool, "ibra", event)
        if list_lines(driver) != expected:
            fail(f"the list by keyboard: {list_lines(driver)[:6]}... the tool: {expected[:6]}...")
        focus_after_tabs(driver, f"vantry-e{LIST}")
        keys(driver, Keys.PAGE_DOWN, Keys.ARROW_DOWN)
        if not browser.wait_for(driver, f"return document.getElementById('vantry-e{LIST}').scrollTop > 0", 5):
            fail("Page Down and the arrow keys do not scroll the list")
        focus_after_tabs(driver, "vantry-e18")
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
        browser.wait_for(driver, "return window.reportAddress", 1)
        if driver.execute_script("return window.reportAddress"):
            fail("a held Enter from before the dialog pressed Edit/Print Payout in it")
    # A phone's decimal pad that has only a comma: in a money field it is the point.
    with browser.chromium(width=390, height=844, mobile=True) as driver:
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
        with browser.chromium() as driver:
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

    for width, height, mobile in ((1000, 900, False), (390, 844, True)):
        size = f"{width} x {height}"
        with browser.chromium(width=width, height=height, mobile=mobile) as driver:
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


if __name__ == "__main__":
    mode, folder = sys.argv[1], sys.argv[2]
    served = browser.Site(folder)
    try:
        {"keyboard": lambda: keyboard(served, sys.argv[3]), "input": lambda: page_input(served),
         "zoom": lambda: zoom(served), "axe": lambda: accessible(served, sys.argv[3])}[mode]()
    finally:
        served.stop()
