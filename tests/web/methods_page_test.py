#!/usr/bin/python3
"""A producer's own payout methods in the page, in headless Chromium, against the command-line tool.

    methods_page_test.py SITE CASE... --tool TOOL --methods METHODS_DIR [--axe AXE_JS] [--shots DIR]

The cases given run one after another, each in a browser that has never seen the site:
    flow      a broken file imported through the file input is refused and nothing is kept; a good
              one imported, another dropped on the window; an edit with an error, Save refused,
              the error mended and saved; the method chosen and calculated; with the server
              stopped, a reload still offers it and calculates the same
    keyboard  Tab, Enter, Space, Esc and the arrows alone: the methods window opened, a method
              started from a built-in one, a remove answered No then Yes, undone, the window
              closed, the new method chosen and calculated
    update    a method kept, then a new version of the site taken: with no network the new version
              still offers it and calculates it
    layout    0, 1 and 10 methods: no two controls of the dialog overlap; on a phone the methods
              window has 44-pixel targets and 16-pixel text and no sideways scrolling; screenshots
    axe       axe-core with the methods window open and with the editor showing an error, at
              desktop and phone widths: no violation
"""
import argparse
import os
import re
import shutil
import subprocess
import tempfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser
from page_test import AXE_RUN
from site_test import CALCULATE, list_lines, open_page, type_into, fail

# The main dialog's "..." button follows the template's 22 controls; the methods window is the
# dialog one level up (element indexes from 1000), the editor two (from 2000).
METHODS_BUTTON = 22
FOLDER, LIST, EDIT, REMOVE, UNDO, IMPORT, OPEN_FOLDER, NAME, START, CLOSE = (
    1000, 1002, 1003, 1004, 1005, 1006, 1007, 1009, 1010, 1011)
FILE_NAME, TEXT, PROBLEMS, SAVE, EXPORT, CANCEL = 2000, 2001, 2002, 2003, 2004, 2005
EVENT = {"riders": 40, "fee": 50, "added": 500, "payoff": 80, "ds": 4, "places": 0}
PHONE = {"width": 390, "height": 844, "mobile": True}


def js(driver, script, *args):
    return driver.execute_script(script, *args)


def by_index(driver, index):
    return driver.find_element(By.ID, f"vantry-e{index}")


def keys(driver, *sequence):
    ActionChains(driver, duration=0).send_keys(*sequence).perform()


def wait(driver, script, what, seconds=10):
    if not browser.wait_for(driver, script, seconds):
        fail(what)


def methods_window(driver):
    by_index(driver, METHODS_BUTTON).click()
    wait(driver, "return !!document.getElementById('vantry-dialog-1')", "the methods window did not open")


def list_of_methods(driver):
    return js(driver, f"return [...document.querySelectorAll('#vantry-e{LIST} > *')].map(row => row.textContent)")


def selected_method(driver):
    return js(driver, f"""const row = document.querySelector('#vantry-e{LIST} [aria-selected="true"]');
        return row && row.textContent""")


def box_text(driver):
    return js(driver, "const box = document.getElementById('vantry-message-box'); return box && box.querySelector('.vantry-box-text').textContent")


def answer_box(driver, answer="OK"):
    js(driver, """for (const b of document.querySelectorAll('#vantry-message-box button'))
                      if (b.textContent === arguments[0]) b.click();""", answer)
    wait(driver, "return !document.getElementById('vantry-message-box')", f"the box's {answer} did not close it", 5)


def expect_box(driver, containing):
    wait(driver, "return !!document.getElementById('vantry-message-box')", f"no message box saying {containing!r}", 5)
    if containing not in box_text(driver):
        fail(f"the box says {box_text(driver)!r}, not {containing!r}")


# The page's file input, answered as a person answers the browser's chooser: the file given is
# chosen when the page opens the chooser.
ANSWER_THE_CHOOSER = """
    const [name, text] = arguments;
    const click = HTMLInputElement.prototype.click;
    HTMLInputElement.prototype.click = function () {
        if (this.type !== 'file') return click.call(this);
        HTMLInputElement.prototype.click = click;
        const files = new DataTransfer();
        files.items.add(new File([text], name));
        this.files = files.files;
        setTimeout(() => this.dispatchEvent(new Event('change')), 0);
    };"""

DROP = """
    const [name, text, target] = arguments;
    const files = new DataTransfer();
    files.items.add(new File([text], name));
    target.dispatchEvent(new DragEvent('dragover', {bubbles: true, cancelable: true, dataTransfer: files}));
    target.dispatchEvent(new DragEvent('drop', {bubbles: true, cancelable: true, dataTransfer: files}));"""


def import_file(driver, name, text):
    js(driver, ANSWER_THE_CHOOSER, name, text)
    by_index(driver, IMPORT).click()


def kept(driver):
    """Waits until what the page changed is in the site's storage (before a reload reads it)."""
    wait(driver, "return (Module.vantryKept || Promise.resolve()).then(() => true)", "the methods were not kept")


def stored(driver, name):
    """A file of the page's methods folder (the folder the site's storage is kept from)."""
    return js(driver, "try { return FS.readFile('/site storage/methods/' + arguments[0], {encoding: 'utf8'}); }"
                      " catch (e) { return null; }", name)


def own_boxes(driver):
    return js(driver, """return [...document.querySelectorAll('#vantry-dialog .vantry-check')]
        .filter(box => Number(box.dataset.index) > 22).map(box => box.textContent)""")


def choose_own(driver, name):
    js(driver, """for (const box of document.querySelectorAll('#vantry-dialog .vantry-check'))
                      if (box.textContent === arguments[0]) box.querySelector('input').click();""", name)


def type_event(driver, event):
    for index, key in ((0, "riders"), (1, "fee"), (2, "added"), (3, "payoff"), (4, "ds"), (5, "places")):
        type_into(driver, index, str(event[key]))


def tool_listing(tool, method_file, event):
    args = [tool, f"--method-file={method_file}"] + [f"--{name}={value}" for name, value in event.items()]
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.split("\n")[:-1]


def expect_listing(driver, tool, method_file, what):
    expected = tool_listing(tool, method_file, EVENT)
    shown = list_lines(driver)
    if shown != expected:
        fail(f"{what}: the page lists {shown[:8]}...\nthe tool prints {expected[:8]}...")


def flow(site, tool, methods):
    with open(os.path.join(methods, "sandhill.toml"), encoding="utf-8") as source:
        sandhill = source.read()
    with open(os.path.join(methods, "broken.toml"), encoding="utf-8") as source:
        broken = source.read()
    dropped = sandhill.replace('name = "Sandhill 4D"', 'name = "Drop Series"')
    with browser.chromium(fresh=True) as driver:
        open_page(driver, site)
        if own_boxes(driver):
            fail("a first visit offers methods of its own")
        if js(driver, "return performance.getEntriesByType('resource').some(r => r.name.includes('/vantry-methods-'))"):
            fail("a first visit with no methods loaded the method reader")
        methods_window(driver)
        import_file(driver, "broken.toml", broken)
        expect_box(driver, "line 3: money must be")
        answer_box(driver)
        files = js(driver, "try { return FS.readdir('/site storage/methods').filter(n => !n.startsWith('.')); }"
                           " catch (e) { return []; }")
        if len(list_of_methods(driver)) != 3 or files:
            fail(f"a broken file was kept: {list_of_methods(driver)}")

        import_file(driver, "sandhill.toml", sandhill)
        wait(driver, f"return document.querySelectorAll('#vantry-e{LIST} > *').length === 4",
             f"the good file was not imported: {list_of_methods(driver)}")
        if stored(driver, "sandhill-4d.toml") != sandhill:
            fail("the imported file is not the file chosen, byte for byte")
        js(driver, DROP, "friend.toml", dropped, by_index(driver, LIST))
        wait(driver, f"return document.querySelectorAll('#vantry-e{LIST} > *').length === 5",
             f"the dropped file was not imported: {list_of_methods(driver)}")
        if selected_method(driver) != "Drop Series (drop-series.toml)":
            fail(f"the dropped method is not the one selected: {selected_method(driver)}")

        # An edit with an error: told beside its line while typing, Save refused; then mended.
        driver.find_element(By.CSS_SELECTOR, f"#vantry-e{LIST} > :nth-child(5)").click()
        by_index(driver, EDIT).click()
        wait(driver, "return !!document.getElementById('vantry-dialog-2')", "the editor did not open")
        text = by_index(driver, TEXT)
        text.send_keys(Keys.CONTROL, Keys.HOME)
        text.send_keys(Keys.END, "x")  # name = "Sandhill 4D"x
        wait(driver, f"return document.getElementById('vantry-e{PROBLEMS}').textContent.startsWith('line 1:')",
             "the error typed on line 1 is not told while typing")
        note = js(driver, f"const n = document.querySelector('#vantry-dialog-2 .vantry-line-note'); return n && [n.dataset.line, n.textContent]")
        if not note or note[0] != "1" or not note[1]:
            fail(f"the error is not shown beside line 1: {note}")
        by_index(driver, SAVE).click()
        expect_box(driver, "not saved until its problems are mended")
        answer_box(driver)
        if stored(driver, "sandhill-4d.toml") != sandhill:
            fail("a refused Save changed the file")
        text.send_keys(Keys.CONTROL, Keys.HOME)
        text.send_keys(Keys.END, Keys.BACKSPACE)
        wait(driver, f"return document.getElementById('vantry-e{PROBLEMS}').textContent.startsWith('No problems')",
             "the mended text still shows a problem")
        text.send_keys(Keys.CONTROL, Keys.END)
        text.send_keys("\n# kept for the winter\n")
        # Export hands over the text as it stands, as a .toml download.
        js(driver, """window.exported = null;
            HTMLAnchorElement.prototype.click = function () {
                if (this.download) fetch(this.href).then(r => r.text()).then(t => { window.exported = [this.download, t]; });
            };""")
        by_index(driver, EXPORT).click()
        exported = browser.wait_for(driver, "return window.exported", 5)
        if exported != ["sandhill-4d.toml", sandhill + "\n# kept for the winter\n"]:
            fail(f"Export handed over {exported}")
        by_index(driver, SAVE).click()
        wait(driver, "return !document.getElementById('vantry-dialog-2')", "Save did not close the editor")
        saved = sandhill + "\n# kept for the winter\n"
        if stored(driver, "sandhill-4d.toml") != saved:
            fail(f"the saved file is not what was typed: {stored(driver, 'sandhill-4d.toml')!r}")
        by_index(driver, CLOSE).click()
        wait(driver, "return !document.getElementById('vantry-dialog-1')", "Close did not close the methods window")

        if own_boxes(driver) != ["Drop Series", "Sandhill 4D"]:
            fail(f"the dialog offers {own_boxes(driver)}")
        choose_own(driver, "Sandhill 4D")  # a method's box repaints the fields from what was last calculated
        type_event(driver, EVENT)
        by_index(driver, CALCULATE).click()
        expect_listing(driver, tool, os.path.join(methods, "sandhill.toml"), "Sandhill 4D")

        # Kept for use with no network: the storage, and the reader in the worker's cache.
        kept(driver)
        wait(driver, """return caches.keys().then(names => Promise.all(names.map(n => caches.open(n).then(c => c.keys()))))
                        .then(lists => lists.flat().some(r => r.url.includes('/vantry-methods-')))""",
             "the service worker did not keep the method reader", 20)
        site.stop()
        driver.execute_cdp_cmd("Network.clearBrowserCache", {})  # what comes now comes from the site's own keeping
        open_page(driver, site)
        wait(driver, "return [...document.querySelectorAll('#vantry-dialog .vantry-check')].length === 5",
             f"with no network, a reload offers {own_boxes(driver)}", 20)
        choose_own(driver, "Sandhill 4D")  # a method's box repaints the fields from what was last calculated
        type_event(driver, EVENT)
        by_index(driver, CALCULATE).click()
        expect_listing(driver, tool, os.path.join(methods, "sandhill.toml"), "Sandhill 4D after an offline reload")
    print("imported (a broken file refused, nothing kept), dropped, edited with an error told beside its line and "
          "Save refused, mended and saved; chosen, the listing the tool's; offline after a reload, still offered")


def update(site_dir, tool):
    with tempfile.TemporaryDirectory() as root:
        copy = os.path.join(root, "site")
        shutil.copytree(site_dir, copy)
        site = browser.Site(copy)
        try:
            with browser.chromium(fresh=True) as driver:
                open_page(driver, site)
                wait(driver, "return navigator.serviceWorker.controller || (location.reload(), false)",
                     "the service worker never took the page", 30)
                open_page(driver, site)
                methods_window(driver)
                start_methods(driver, ["Update Series"])
                by_index(driver, CLOSE).click()
                kept(driver)
                wait(driver, """return caches.keys().then(names => Promise.all(names.map(n => caches.open(n).then(c => c.keys()))))
                                .then(lists => lists.flat().some(r => r.url.includes('/vantry-methods-')))""",
                     "the method reader was not kept", 20)
                written = js(driver, "return FS.readFile('/site storage/methods/update-series.toml', {encoding: 'utf8'})")
                # The next version of the site: another cache, which must keep the reader too.
                worker = os.path.join(copy, "sw.js")
                with open(worker, encoding="utf-8") as source:
                    text = source.read()
                text, count = re.subn(r"(const CACHE = PREFIX \+ ')[0-9a-f]+'", r"\g<1>next-version'", text)
                if count != 1:
                    fail("the worker names no cache to change")
                with open(worker, "w", encoding="utf-8") as out:
                    out.write(text)
                driver.refresh()
                wait(driver, "return !!document.getElementById('vantry-update')", "no notice offered the new version", 30)
                # Installed, and taken up only once the network is gone: the new version has
                # nothing but what it kept when it was installed.
                site.stop()
                driver.execute_cdp_cmd("Network.clearBrowserCache", {})
                js(driver, "document.getElementById('vantry-update-reload').click()")
                wait(driver, """return navigator.serviceWorker.getRegistration().then(r => !!r && !r.waiting &&
                                !!navigator.serviceWorker.controller && !document.getElementById('vantry-update'))""",
                     "reload did not switch to the new version", 30)
                open_page(driver, site)
                wait(driver, "return [...document.querySelectorAll('#vantry-dialog .vantry-check')].length === 4",
                     f"with no network, the new version offers {own_boxes(driver)}", 20)
                choose_own(driver, "Update Series")
                type_event(driver, EVENT)
                by_index(driver, CALCULATE).click()
                method_file = os.path.join(root, "update-series.toml")
                with open(method_file, "w", encoding="utf-8") as out:
                    out.write(written)
                expect_listing(driver, tool, method_file, "Update Series in the new version, offline")
        finally:
            try:
                site.stop()
            except OSError:
                pass
    print("after an update of the site, with no network, the method is still offered and calculates as the tool does")


def focused(driver):
    return js(driver, "const e = document.activeElement && document.activeElement.closest('[data-index]');"
                      " return e ? Number(e.dataset.index) : null")


def tab_to(driver, index, most=30):
    for _ in range(most):
        if focused(driver) == index:
            return
        keys(driver, Keys.TAB)
    fail(f"Tab never reached {index}")


def keyboard(site, tool):
    with browser.chromium(fresh=True) as driver:
        open_page(driver, site)
        tab_to(driver, METHODS_BUTTON)
        keys(driver, Keys.ENTER)
        wait(driver, "return !!document.getElementById('vantry-dialog-1')", "Enter on \"...\" opened no methods window")
        tab_to(driver, LIST)
        keys(driver, Keys.ARROW_DOWN, Keys.ARROW_DOWN)  # NBHA 4D
        if selected_method(driver) != "NBHA 4D (built in)":
            fail(f"the arrows selected {selected_method(driver)}")
        tab_to(driver, NAME)
        keys(driver, "Keyboard Series", Keys.ENTER)  # the default button: Start From Selected
        wait(driver, f"return document.querySelectorAll('#vantry-e{LIST} > *').length === 4",
             f"Enter started no method: {list_of_methods(driver)}")
        tab_to(driver, REMOVE)
        keys(driver, Keys.ENTER)
        expect_box(driver, "Remove keyboard-series.toml")
        keys(driver, Keys.ESCAPE)  # No
        wait(driver, "return !document.getElementById('vantry-message-box')", "Esc did not answer the question")
        if len(list_of_methods(driver)) != 4:
            fail("Esc (No) removed the method")
        tab_to(driver, REMOVE)
        keys(driver, Keys.SPACE)
        expect_box(driver, "Remove keyboard-series.toml")
        keys(driver, Keys.ENTER)  # Yes, the box's first button
        wait(driver, f"return document.querySelectorAll('#vantry-e{LIST} > *').length === 3", "Yes did not remove it")
        tab_to(driver, UNDO)
        keys(driver, Keys.ENTER)
        wait(driver, f"return document.querySelectorAll('#vantry-e{LIST} > *').length === 4", "Undo Remove did not bring it back")
        keys(driver, Keys.ESCAPE)
        wait(driver, "return !document.getElementById('vantry-dialog-1')", "Esc did not close the methods window")
        box = js(driver, """for (const b of document.querySelectorAll('#vantry-dialog .vantry-check'))
                                if (b.textContent === 'Keyboard Series') return Number(b.dataset.index); return null;""")
        if box is None:
            fail(f"the dialog does not offer the new method: {own_boxes(driver)}")
        tab_to(driver, box)
        keys(driver, Keys.SPACE)
        type_into(driver, 0, str(EVENT["riders"]))
        tab_to(driver, CALCULATE)
        keys(driver, Keys.SPACE)
        wait(driver, "return document.querySelectorAll('#vantry-e11 div').length > 0", "Space on Calculate listed nothing")
        with tempfile.TemporaryDirectory() as work:
            method_file = os.path.join(work, "keyboard-series.toml")
            with open(method_file, "w", encoding="utf-8") as out:
                out.write(js(driver, "return FS.readFile('/site storage/methods/keyboard-series.toml', {encoding: 'utf8'})"))
            # The event as the fields show it: the rider count typed, the rest as the dialog starts.
            event = {name: by_index(driver, index).get_attribute("value")
                     for index, name in enumerate(("riders", "fee", "added", "payoff", "ds", "places"))}
            expected = tool_listing(tool, method_file, event)
            if list_lines(driver) != expected:
                fail(f"Keyboard Series: the page lists {list_lines(driver)[:8]}...\nthe tool prints {expected[:8]}...")
    print("with the keyboard alone: the methods window, a method started from NBHA 4D, a remove answered No and Yes "
          "and undone, the method chosen and calculated as the tool calculates it")


OVERLAP = """
    const client = document.querySelector('#vantry-dialog .vantry-client');
    const boxes = [...client.querySelectorAll('[data-index]')].filter(e => e.tagName !== 'INPUT')
        .map(e => [e.id, e.getBoundingClientRect()]);
    const found = [];
    for (let i = 0; i < boxes.length; ++i)
        for (let j = i + 1; j < boxes.length; ++j) {
            const [a, r] = boxes[i], [b, s] = boxes[j];
            if (r.left < s.right - 0.5 && s.left < r.right - 0.5 && r.top < s.bottom - 0.5 && s.top < r.bottom - 0.5)
                found.push(a + ' / ' + b);
        }
    return found;"""

PHONE_RULES = """
    const layer = document.getElementById('vantry-modal-1');
    const frame = document.getElementById('vantry-dialog-1');
    const faults = [];
    if (!frame.classList.contains('vantry-phone')) faults.push('not in the phone layout');
    if (layer.scrollWidth > layer.clientWidth + 1 || document.documentElement.scrollWidth > innerWidth + 1)
        faults.push('scrolls sideways');
    for (const e of frame.querySelectorAll('.vantry-client button, .vantry-client input, .vantry-choosable > div')) {
        const r = e.getBoundingClientRect();
        if (r.height < 44) faults.push(e.id || e.textContent + ' is ' + r.height + ' px high');
    }
    for (const e of frame.querySelectorAll('.vantry-client *')) {
        if (e.childElementCount === 0 && e.textContent.trim() && parseFloat(getComputedStyle(e).fontSize) < 16)
            faults.push((e.id || e.textContent) + ' has ' + getComputedStyle(e).fontSize + ' text');
    }
    return faults;"""


def start_methods(driver, names):
    for name in names:
        field = by_index(driver, NAME)
        field.click()
        field.send_keys(name, Keys.ENTER)
        wait(driver, f"return [...document.querySelectorAll('#vantry-e{LIST} > *')].some(r => r.textContent.startsWith({name!r}))",
             f"{name} was not started")


def layout(site, shots):
    names = [f"Series {n:02}" for n in range(1, 11)]
    with browser.chromium(fresh=True) as driver:
        for count, width in ((0, 1000), (1, 1000), (10, 1000), (10, 390)):
            browser.emulate(driver, width, 844 if width == 390 else 900, width == 390)
            open_page(driver, site)
            methods_window(driver)
            start_methods(driver, names[len(own_boxes(driver)):count])
            if width == 390:
                faults = js(driver, PHONE_RULES)
                if faults:
                    fail("the methods window on a phone: " + "; ".join(faults))
                if shots:
                    driver.save_screenshot(os.path.join(shots, "web-phone-methods-window.png"))
            by_index(driver, CLOSE).click()
            wait(driver, "return !document.getElementById('vantry-dialog-1')", "Close did not close the window")
            if len(own_boxes(driver)) != count:
                fail(f"with {count} methods the dialog offers {own_boxes(driver)}")
            overlaps = js(driver, OVERLAP)
            if overlaps:
                fail(f"with {count} methods at {width} px, controls overlap: {overlaps}")
            if shots and count == 10:
                name = "web-phone-dialog-10-methods.png" if width == 390 else "web-dialog-10-methods.png"
                driver.save_screenshot(os.path.join(shots, name))
            if shots and count == 1 and width == 1000:
                methods_window(driver)
                driver.save_screenshot(os.path.join(shots, "web-methods-window.png"))
                keys(driver, Keys.ESCAPE)
            kept(driver)  # the next pass reloads the page
    print("no two controls overlap with 0, 1 and 10 methods; on a phone the methods window has 44-pixel targets, "
          "16-pixel text and no sideways scrolling")


def accessible(site, axe_js):
    with open(axe_js, encoding="utf-8") as source:
        axe = source.read()
    found = []

    def check(driver, state):
        driver.execute_script(axe)
        found.extend(f"{state}: {violation}" for violation in driver.execute_async_script(AXE_RUN))

    with browser.chromium(fresh=True) as driver:
        for size in ({"width": 1000, "height": 900}, PHONE):
            browser.emulate(driver, size["width"], size["height"], size.get("mobile", False))
            open_page(driver, site)
            methods_window(driver)
            start_methods(driver, ["Axe Series"] if size is not PHONE else [])
            check(driver, f"{size['width']} px, the methods window open")
            driver.find_element(By.CSS_SELECTOR, f"#vantry-e{LIST} > :nth-child(4)").click()
            by_index(driver, EDIT).click()
            wait(driver, "return !!document.getElementById('vantry-dialog-2')", "the editor did not open")
            by_index(driver, TEXT).send_keys(Keys.CONTROL, Keys.END)
            by_index(driver, TEXT).send_keys("\nbogus")
            wait(driver, f"return document.getElementById('vantry-e{PROBLEMS}').textContent.startsWith('line')",
                 "no problem told")
            check(driver, f"{size['width']} px, the editor showing an error")
            by_index(driver, CANCEL).click()
            expect_box(driver, "Leave the editor without saving?")
            check(driver, f"{size['width']} px, asked whether to leave the editor")
            answer_box(driver, "Yes")
            by_index(driver, CLOSE).click()
            kept(driver)  # the next pass reloads the page
    if found:
        fail("axe-core finds:\n  " + "\n  ".join(found))
    print("axe-core: no violation with the methods window open and with the editor showing an error, "
          "at desktop and phone widths")


def main():
    parser = argparse.ArgumentParser(description="A producer's own methods in the page.")
    parser.add_argument("site")
    parser.add_argument("cases", nargs="+", choices=("flow", "keyboard", "update", "layout", "axe"))
    parser.add_argument("--tool", required=True)
    parser.add_argument("--methods", required=True, help="the folder of the method files the tests share")
    parser.add_argument("--axe")
    parser.add_argument("--shots")
    given = parser.parse_args()
    for case in given.cases:
        served = browser.Site(given.site)  # a case may stop it
        try:
            if case == "flow":
                flow(served, given.tool, given.methods)
            elif case == "keyboard":
                keyboard(served, given.tool)
            elif case == "update":
                update(given.site, given.tool)
            elif case == "layout":
                layout(served, given.shots)
            else:
                accessible(served, given.axe)
        finally:
            try:
                served.stop()
            except OSError:
                pass


if __name__ == "__main__":
    main()
