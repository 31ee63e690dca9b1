#!/usr/bin/python3
"""The web edition's static site in headless Chromium, used as a person uses it.

    site_test.py SITE CASE... [--tool TOOL] [--shots FOLDER] [--hosting HOSTING.txt]

The cases given run one after another in one browser (but for a first visit, which needs its own):
    listings         20 events typed into the page, each calculated under the 3 methods: the
                     list's lines are the command-line tool's (--tool), line for line
    phone-listings   the same on a 390 x 844 phone, tapped with touch input
    report           "Edit/Print Payout" gives report.txt byte for byte as the tool's
    offline          after a first visit, with the server stopped, a reload works
    phone            390 x 844 and two other phones: no horizontal scrolling, every control on the
                     screen and usable; screenshots of the phone and desktop layouts (--shots)
    closed           Exit shows "Closed", and "Start again" starts a fresh run
    zip              the release's web zip made from the site (--hosting), unpacked and served:
                     every text and wasm file has its .gz, and the page calculates
"""
import argparse
import base64
import gzip
import os
import random
import subprocess
import sys
import tempfile
import zipfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser

# The template's controls, by their index in the page.
RIDERS, FEE, ADDED, PAYOFF, DS, PLACES = 0, 1, 2, 3, 4, 5
CALCULATE, EXIT, LIST, EDIT_PRINT = 6, 7, 11, 18
METHOD_BOXES = {"ibra": 13, "brn4d": 15, "nbha4d": 16}

_found = {}  # the dialog's elements of the page now open, by index


def fail(message):
    print("FAILED:", message)
    sys.exit(1)


def open_page(driver, site):
    _found.clear()
    driver.get(site.url)
    if not browser.wait_for(driver, "return !!document.querySelector('#vantry-e0') && document.querySelector('#vantry-e0').value !== ''", 30):
        fail("the dialog did not show")


def element(driver, index):
    # The dialog's elements stay for the whole run: each is looked up once.
    if index not in _found:
        _found[index] = driver.find_element(By.ID, f"vantry-e{index}")
    return _found[index]


def list_lines(driver):
    return driver.execute_script("return [...document.querySelectorAll('#vantry-e11 div')].map(row => row.textContent)")


def type_into(driver, index, text):
    field = element(driver, index)
    field.click()
    field.send_keys(Keys.CONTROL, "a")
    field.send_keys(Keys.DELETE)
    field.send_keys(text)


def events():
    rng = random.Random(20261208)
    for _ in range(20):
        yield {"riders": rng.randint(1, 400), "fee": rng.choice([25, 50, 75, 100, 12.5, 33.33]),
               "added": rng.choice([0, 100, 250, 1000, 1234.56]), "payoff": rng.choice([70, 75, 80, 100]),
               "ds": rng.randint(1, 7), "places": rng.choice([0, 0, 3, 5, 10, 30])}


def tool_lines(tool, method, event, *extra):
    args = [tool, f"--method={method}"] + [f"--{name}={value}" for name, value in event.items()] + list(extra)
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.split("\n")[:-1]


def calculate(driver, method, event=None, touch=False):
    # The clicks and keys of one calculation go to the browser as one sequence of input actions:
    # the same events a person makes, without a round trip to the driver for each. With no event
    # the fields keep what the last calculation took, as when a producer compares the methods for
    # one event. A method click repaints the fields from the stored values, as on Windows, once
    # the page is idle: a person's next key comes later than that, and the pause keeps the sequence
    # as slow. The first field is chosen and selected; Tab takes the rest, each selected whole as
    # the focus arrives, as a person moves on. A finger has no Tab: it taps each field.
    actions = ActionChains(driver, duration=0)
    if touch:  # a finger instead of the mouse
        actions.w3c_actions = ActionBuilder(driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"), duration=0)
    actions.click(element(driver, METHOD_BOXES[method]))
    if event is not None:
        actions.pause(0.05)
        for index, name in ((RIDERS, "riders"), (FEE, "fee"), (ADDED, "added"), (PAYOFF, "payoff"), (DS, "ds"),
                            (PLACES, "places")):
            if index == RIDERS or touch:
                actions.click(element(driver, index)).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL)
            else:
                actions.send_keys(Keys.TAB)
            actions.send_keys(str(event[name]))
    actions.click(element(driver, CALCULATE)).perform()


def listings(site, tool, phone=False):
    checked = 0
    size = {"width": 390, "height": 844, "mobile": True} if phone else {}
    with browser.chromium(**size) as driver:
        open_page(driver, site)
        if phone and not driver.execute_script("return document.getElementById('vantry-dialog').classList.contains('vantry-phone')"):
            fail("the page is not in its phone layout")
        # Each event is typed once, under each method in turn (the first one turns about), and
        # calculated under the other two with the fields as they stand.
        for number, event in enumerate(events()):
            methods = list(METHOD_BOXES)[number % 3:] + list(METHOD_BOXES)[:number % 3]
            for method in methods:
                calculate(driver, method, event if method == methods[0] else None, touch=phone)
                expected = tool_lines(tool, method, event)
                shown = list_lines(driver)
                if shown != expected:
                    fail(f"{method} {event}:\nthe page shows {shown[:6]}...\nthe tool prints {expected[:6]}...")
                checked += 1
    print(f"{checked} calculations{' tapped on a phone' if phone else ''}: the page's list is the tool's listing, "
          "line for line")


FETCHED = """
    const done = arguments[0];
    fetch(window.reportAddress).then(response => response.arrayBuffer()).then(buffer => {
        let text = ''; new Uint8Array(buffer).forEach(byte => { text += String.fromCharCode(byte); });
        done(btoa(text));
    });"""


def report(site, tool):
    event = {"riders": 120, "fee": 35, "added": 500, "payoff": 75, "ds": 5, "places": 0}
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "report.txt")
        tool_lines(tool, "brn4d", event, f"--report={path}")
        with open(path, "rb") as file:
            tool_bytes = file.read()
    # Where the page may open a tab, the report opens in one; where the browser blocks it (window.open
    # gives nothing), it is offered as a download named report.txt instead.
    for blocked in (False, True):
        with browser.chromium() as driver:
            open_page(driver, site)
            if blocked:
                driver.execute_script("""window.open = () => null;
                    HTMLAnchorElement.prototype.click = function () {
                        window.reportAddress = this.href; window.reportName = this.download; };""")
            else:
                driver.execute_script("window.open = address => { window.reportAddress = address; return {}; };")
            calculate(driver, "brn4d", event)
            element(driver, EDIT_PRINT).click()
            if not browser.wait_for(driver, "return window.reportAddress", 10):
                fail(f"no report was handed to the browser{' as a download' if blocked else ''}")
            if blocked and driver.execute_script("return window.reportName") != "report.txt":
                fail(f"the download is named {driver.execute_script('return window.reportName')!r}, not report.txt")
            page_bytes = base64.b64decode(driver.execute_async_script(FETCHED))
        if page_bytes != tool_bytes:
            fail(f"the page's report.txt ({len(page_bytes)} bytes{', downloaded' if blocked else ''}) differs from "
                 f"the tool's ({len(tool_bytes)} bytes)")
    print(f"report.txt is the tool's, byte for byte ({len(tool_bytes)} bytes), in a tab and as a download where "
          "the browser blocks the tab")


def offline(folder):
    site = browser.Site(folder)
    with browser.chromium(fresh=True) as driver:
        open_page(driver, site)
        if not browser.wait_for(driver, "return navigator.serviceWorker.controller || (location.reload(), false)", 30):
            fail("the service worker never took the page")
        cached = browser.wait_for(driver, """return caches.keys().then(names => names.length === 1 &&
            caches.open(names[0]).then(cache => cache.keys()).then(requests => requests.map(r => new URL(r.url).pathname)))""", 10)
        # Every file a visit loads, and the page under its folder's own address too.
        # (The .gz and .br files are what a compressing host serves in their place, never asked for.)
        wanted = {"/" + name for name in os.listdir(folder)
                  if name not in ("sw.js", "vantry-standalone.js") and not name.startswith("vantry-methods-")
                  and not name.endswith((".gz", ".br"))} | {"/"}
        missing = wanted - set(cached or [])
        if missing:
            fail(f"not kept for use offline: {sorted(missing)}")
        site.stop()
        driver.get(site.url)
        if not browser.wait_for(driver, "return !!document.querySelector('#vantry-e6')", 30):
            fail("with no network the page did not come back")
        element(driver, CALCULATE).click()
        if not list_lines(driver)[:1] == ["Payoff Results using the following parameters:"]:
            fail("with no network the dialog does not calculate")
    print("with the server stopped, a reload shows a working dialog")


# What a finger touches: the fields, the buttons, the method rows (each label with its box), the
# list, the close box; and their sizes and the fields' text size as they render.
TARGETS = """
    const targets = [...document.querySelectorAll(
        '#vantry-dialog input[type=text], #vantry-dialog button, #vantry-dialog .vantry-check, #vantry-dialog .vantry-list')];
    return targets.map(e => { const r = e.getBoundingClientRect();
        return {id: e.id || e.className, kind: e.className, width: r.width, height: r.height, left: r.left, right: r.right,
                font: parseFloat(getComputedStyle(e).fontSize)}; });"""


LIST_RECT = f"const r = document.getElementById('vantry-e{LIST}').getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]"
OVERLAPS = """
    const rects = [...document.querySelectorAll('#vantry-dialog .vantry-client > *, #vantry-dialog .vantry-group > *')]
        .filter(e => !e.classList.contains('vantry-group')).map(e => [e.id, e.getBoundingClientRect()]);
    const overlapping = [];
    for (let i = 0; i < rects.length; ++i)
        for (let j = i + 1; j < rects.length; ++j) {
            const [a, ra] = rects[i], [b, rb] = rects[j];
            if (ra.width && rb.width && ra.left < rb.right - 0.5 && rb.left < ra.right - 0.5 &&
                ra.top < rb.bottom - 0.5 && rb.top < ra.bottom - 0.5) overlapping.push(a + ' and ' + b);
        }
    return overlapping;"""


def save_and_measure(driver, path, what):
    """The screenshot for a person to look at, saved anew, and measured: the listing shows in the
    list, and no two controls overlap."""
    if os.path.exists(path):
        os.remove(path)
    data = driver.get_screenshot_as_png()
    with open(path, "wb") as picture:
        picture.write(data)
    scale = driver.execute_script("return devicePixelRatio")
    left, top, right, bottom = (value * scale for value in driver.execute_script(LIST_RECT))
    visible_bottom = min(bottom, driver.execute_script("return innerHeight") * scale)
    if browser.dark_pixels(browser.png_pixels(data), left, top, right, min(visible_bottom, top + 60 * scale)) < 50:
        fail(f"{what}: the screenshot's list is blank where the listing should be")
    overlapping = driver.execute_script(OVERLAPS)
    if overlapping:
        fail(f"{what}: controls overlap: {overlapping}")


def phone(site, shots):
    os.makedirs(shots, exist_ok=True)
    with browser.chromium(width=1000, height=900) as driver:
        open_page(driver, site)
        element(driver, CALCULATE).click()
        save_and_measure(driver, os.path.join(shots, "web-desktop.png"), "1000 x 900")
        for width, height in ((360, 640), (390, 844), (844, 390)):
            browser.emulate(driver, width, height, mobile=True)
            open_page(driver, site)
            if driver.execute_script("return innerWidth") != width:
                fail(f"the page is {driver.execute_script('return innerWidth')} pixels wide, not {width}")
            overflow = driver.execute_script("return document.documentElement.scrollWidth - document.documentElement.clientWidth")
            if overflow > 0:
                fail(f"{width} x {height}: the page scrolls sideways by {overflow} pixels")
            for target in driver.execute_script(TARGETS):
                if target["width"] < 44 or target["height"] < 44:
                    fail(f"{width} x {height}: {target['id']} is {target['width']:.0f} x {target['height']:.0f} pixels")
                if target["left"] < 0 or target["right"] > width:
                    fail(f"{width} x {height}: {target['id']} is off the screen")
                if target["font"] < 16 and "vantry-flat" not in target["kind"]:  # the invitation is small print
                    fail(f"{width} x {height}: {target['id']} has {target['font']}-pixel text")
            list_height = driver.execute_script(f"return document.getElementById('vantry-e{LIST}').offsetHeight")
            if height > width and list_height < height / 2:
                fail(f"{width} x {height}: the list is {list_height} pixels tall, under half the screen")
            type_into(driver, PLACES, "5")
            element(driver, CALCULATE).click()
            lines = list_lines(driver)
            if len(lines) < 5 or "5 placings" not in lines[4]:
                fail(f"{width} x {height}: the dialog does not calculate: {lines[:5]}")
            driver.execute_script(f"document.getElementById('vantry-e{LIST}').scrollIntoView()")
            save_and_measure(driver, os.path.join(shots, f"web-phone-{width}x{height}.png"), f"{width} x {height}")
    print("360 x 640, 390 x 844, 844 x 390: no sideways scrolling, every control 44 x 44 or more with 16-pixel "
          "text, the list at least half a portrait screen, and working; screenshots saved, the listing in them, "
          "no control over another")


def closed(site):
    with browser.chromium() as driver:
        open_page(driver, site)
        element(driver, EXIT).click()
        if not browser.wait_for(driver, "return document.querySelector('.vantry-closed')", 10):
            fail("Exit did not end the run")
        driver.find_element(By.CSS_SELECTOR, ".vantry-closed button").click()
        _found.clear()  # a fresh run builds its elements anew
        open_page_again = "return document.querySelector('#vantry-e0') && document.querySelector('#vantry-e0').value === '40'"
        if not browser.wait_for(driver, open_page_again, 10):
            fail("Start again did not start a fresh run")
        element(driver, 1).send_keys(Keys.ESCAPE)
        if not browser.wait_for(driver, "return document.querySelector('.vantry-closed')", 10):
            fail("Esc did not end the run")
    print("Exit and Esc end the run; Start again starts a fresh one")


def release_zip(folder, hosting):
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as work:
        archive = os.path.join(work, "quorvath-payout-calculator-0-web.zip")
        subprocess.run([sys.executable, os.path.join(here, "..", "..", "packaging", "make_web_zip.py"), folder, hosting,
                        archive], check=True, env=dict(os.environ, SOURCE_DATE_EPOCH="1700000000"))
        with zipfile.ZipFile(archive) as unpacked:
            names = unpacked.namelist()
            unpacked.extractall(work)
        root = os.path.join(work, "quorvath-payout-calculator-0-web")
        if not all(name.startswith("quorvath-payout-calculator-0-web/") for name in names):
            fail(f"the zip's files are not all in one folder: {names}")
        files = set(os.listdir(root))
        for needed in ("index.html", "vantry.js", "vantry.wasm", "sw.js", "HOSTING.txt"):
            if needed not in files:
                fail(f"the zip has no {needed}")
        for name in files:
            if name.endswith((".js", ".wasm", ".html", ".webmanifest", ".txt")) and name != "HOSTING.txt":
                if name + ".gz" not in files:
                    fail(f"no {name}.gz beside {name}")
                with open(os.path.join(root, name), "rb") as plain, gzip.open(os.path.join(root, name + ".gz")) as packed:
                    if plain.read() != packed.read():
                        fail(f"{name}.gz is not {name}")
        served = browser.Site(root)
        try:
            with browser.chromium(fresh=True) as driver:  # a first visit: nothing served from an earlier one
                open_page(driver, served)
                element(driver, CALCULATE).click()
                if list_lines(driver)[:1] != ["Payoff Results using the following parameters:"]:
                    fail("the unpacked site does not calculate")
        finally:
            served.stop()
    print(f"the web zip holds {len(names)} files in one folder, each text and wasm file with its .gz; served, it calculates")


def main():
    parser = argparse.ArgumentParser(description="The site in headless Chromium; the cases given share one browser.")
    parser.add_argument("site")
    parser.add_argument("cases", nargs="+", choices=("listings", "phone-listings", "report", "offline", "phone",
                                                     "closed", "zip"))
    parser.add_argument("--tool", help="the command-line tool built for this machine")
    parser.add_argument("--shots", help="the folder for screenshots")
    parser.add_argument("--hosting", help="HOSTING.txt, for the release zip")
    given = parser.parse_args()
    served = browser.Site(given.site)
    cases = {"listings": lambda: listings(served, given.tool), "report": lambda: report(served, given.tool),
             "phone-listings": lambda: listings(served, given.tool, phone=True),
             "phone": lambda: phone(served, given.shots), "closed": lambda: closed(served),
             "offline": lambda: offline(given.site), "zip": lambda: release_zip(given.site, given.hosting)}
    try:
        with browser.one_browser():
            for case in given.cases:
                cases[case]()
    finally:
        served.stop()


if __name__ == "__main__":
    main()
