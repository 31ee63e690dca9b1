#!/usr/bin/python3
"""The web page kept for use with no network, on hosts as they are.

    offline_test.py scopes SITE       two copies at /a/ and /b/ and another site's cache on one
                                      host: each keeps its own, and both open with no network
    offline_test.py redirects SITE    hosts that redirect /index.html to / or / to /index.html:
                                      the page and its start address open, online and offline
    offline_test.py update SITE       a new version on the host: a notice offers it, and its
                                      "reload" switches the page to it
    offline_test.py notice SITE       two tabs and a new version: Tab reaches the notice from the list
                                      and leaves it for Rider Count, Shift+Tab walks back, its dismissal
                                      gives the focus back; "reload" in one tab reloads that tab
                                      alone, the other keeps what is typed in it and its notice
"""
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading

import browser
from site_test import CALCULATE, fail

class _Quiet(http.server.SimpleHTTPRequestHandler):
    redirect = None  # (from, to, status)

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.redirect and self.path.split("?")[0] == self.redirect[0]:
            self.send_response(self.redirect[2])
            self.send_header("Location", self.redirect[1])
            self.end_headers()
            return
        super().do_GET()


class Host:
    """A static host on a free loopback port, serving `folder`, redirecting as told."""

    def __init__(self, folder, redirect=None):
        handler = type("Handler", (_Quiet,), {"redirect": redirect})
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=folder))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.running = True

    def stop(self):
        if self.running:
            self.running = False
            self.server.shutdown()
            self.server.server_close()


CONTROLLED = "return navigator.serviceWorker.controller || (location.reload(), false)"
CACHES = "return caches.keys()"
WORKS = f"return !!document.querySelector('#vantry-e{CALCULATE}')"


def opens(driver, url, what):
    driver.get(url)
    if not browser.wait_for(driver, WORKS, 30):
        fail(f"{what} did not open")


def installed(driver, url, what):
    opens(driver, url, what)
    if not browser.wait_for(driver, CONTROLLED, 30):
        fail(f"{what}: the service worker never took the page")


def scopes(folder):
    with tempfile.TemporaryDirectory() as root:
        for name in ("a", "b"):
            shutil.copytree(folder, os.path.join(root, name))
        host = Host(root)
        try:
            with browser.chromium() as driver:
                installed(driver, host.url + "a/", "/a/")
                driver.execute_async_script("caches.open('another site').then(() => arguments[0]())")
                installed(driver, host.url + "b/", "/b/")
                for _ in range(3):
                    driver.refresh()
                    browser.wait_for(driver, WORKS, 30)
                names = browser.wait_for(driver, "return caches.keys().then(n => n.length >= 3 && n)", 10) or []
                for needed in ("another site", "/a/", "/b/"):
                    if not any(needed in name for name in names):
                        fail(f"after visits to /b/, no cache of {needed}: {names}")
                host.stop()
                for path in ("a/", "b/"):
                    opens(driver, host.url + path, f"/{path} with no network")
        finally:
            host.stop()
    print("/a/ and /b/ on one host keep their own caches and another site's, and both open with no network")


def update(folder):
    with tempfile.TemporaryDirectory() as root:
        site = os.path.join(root, "site")
        shutil.copytree(folder, site)
        host = Host(site)
        try:
            with browser.chromium() as driver:
                installed(driver, host.url, "the first version")
                with open(os.path.join(site, "sw.js"), "a") as worker:
                    worker.write("\n// the next version\n")
                driver.refresh()
                if not browser.wait_for(driver, "return document.getElementById('vantry-update')", 30):
                    fail("no notice offered the new version")
                notice = driver.execute_script("return document.getElementById('vantry-update').textContent")
                if not notice.startswith("A new version is ready:reload"):
                    fail(f"the notice says {notice!r}")
                driver.execute_script("document.getElementById('vantry-update-reload').click()")
                if not browser.wait_for(driver, """return navigator.serviceWorker.getRegistration().then(r =>
                        !!r && !r.waiting && !!navigator.serviceWorker.controller && !document.getElementById('vantry-update'))""", 30):
                    fail("reload did not switch the page to the new version")
                opens(driver, host.url, "the new version")
        finally:
            host.stop()
    print("a new version on the host is offered in a notice, and its reload switches to it")


ACTIVE = "return document.activeElement && document.activeElement.id"


def tab(driver, backwards=False):
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    chain = ActionChains(driver, duration=0)
    if backwards:
        chain.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT)
    else:
        chain.send_keys(Keys.TAB)
    chain.perform()


def expect_focus(driver, wanted, after):
    if not browser.wait_for(driver, f"return document.activeElement && document.activeElement.id === '{wanted}'", 2):
        fail(f"after {after} the focus is on {driver.execute_script(ACTIVE)!r}, not {wanted}")


NOTICE = "return !!document.getElementById('vantry-update')"


def notice(folder):
    with tempfile.TemporaryDirectory() as root:
        site = os.path.join(root, "site")
        shutil.copytree(folder, site)
        host = Host(site)
        try:
            with browser.chromium() as driver:
                installed(driver, host.url, "the first version")
                first = driver.current_window_handle
                driver.switch_to.new_window("tab")
                second = driver.current_window_handle
                installed(driver, host.url, "a second tab")
                driver.execute_script("document.getElementById('vantry-e0').value = '77'")  # typed, not calculated
                with open(os.path.join(site, "sw.js"), "a") as worker:
                    worker.write("\n// the next version\n")
                driver.switch_to.window(first)
                driver.refresh()
                for handle, what in ((first, "the tab that looked"), (second, "the other tab")):
                    driver.switch_to.window(handle)
                    if not browser.wait_for(driver, NOTICE, 30):
                        fail(f"no notice in {what}")

                # The notice in the Tab cycle: after the list, before Rider Count.
                driver.switch_to.window(first)
                driver.execute_script("document.getElementById('vantry-e11').focus()")
                tab(driver)
                expect_focus(driver, "vantry-update-reload", "Tab from the list")
                tab(driver, backwards=True)
                expect_focus(driver, "vantry-e11", "Shift+Tab from reload")
                tab(driver)
                tab(driver)
                expect_focus(driver, "vantry-update-dismiss", "Tab from reload")
                tab(driver)
                expect_focus(driver, "vantry-e0", "Tab from the notice's last button")
                tab(driver, backwards=True)
                expect_focus(driver, "vantry-update-dismiss", "Shift+Tab from Rider Count")
                tab(driver, backwards=True)
                tab(driver, backwards=True)
                expect_focus(driver, "vantry-e11", "Shift+Tab from reload")
                tab(driver)
                tab(driver)
                driver.execute_script("document.activeElement.click()")  # Enter on the close of the notice
                if driver.execute_script(NOTICE):
                    fail("the notice stayed after its dismissal")
                expect_focus(driver, "vantry-e11", "the notice's dismissal")

                # reload in the first tab: that tab alone.
                driver.refresh()
                if not browser.wait_for(driver, NOTICE, 30):
                    fail("the waiting version was not offered again after a reload")
                driver.execute_script("document.getElementById('vantry-update-reload').click()")
                if not browser.wait_for(driver, """return navigator.serviceWorker.getRegistration().then(r =>
                        !!r && !r.waiting && !document.getElementById('vantry-update'))""", 30):
                    fail("reload did not switch the first tab to the new version")
                driver.switch_to.window(second)
                browser.wait_for(driver, "return false", 2)  # time for a reload that must not come
                if driver.execute_script("return document.getElementById('vantry-e0').value") != "77" or \
                        not driver.execute_script(NOTICE):
                    fail("the other tab was reloaded too, and lost what was typed in it")
                driver.execute_script("document.getElementById('vantry-update-reload').click()")
                if not browser.wait_for(driver, "return !document.getElementById('vantry-update') && "
                                                "document.getElementById('vantry-e0') && "
                                                "document.getElementById('vantry-e0').value === '40'", 30):
                    fail("the other tab's own reload did not reload it")
        finally:
            host.stop()
    print("the notice of a new version is in the Tab cycle between the list and Rider Count, gives the focus back "
          "when dismissed, and its reload reloads that tab alone")


def redirects(folder):
    for rule, what in ((("/index.html", "/", 308), "/index.html redirected to /"),
                       (("/", "/index.html", 302), "/ redirected to /index.html")):
        host = Host(folder, rule)
        try:
            with browser.chromium() as driver:
                installed(driver, host.url, what)
                opens(driver, host.url + "index.html", f"{what}: /index.html, online")
                opens(driver, host.url, f"{what}: the start address, online")
                host.stop()
                opens(driver, host.url, f"{what}: the start address, offline")
                opens(driver, host.url + "index.html", f"{what}: /index.html, offline")
        finally:
            host.stop()
    print("both redirecting hosts: the page and its start address open, online and offline")


if __name__ == "__main__":
    {"scopes": scopes, "redirects": redirects, "update": update, "notice": notice}[sys.argv[1]](sys.argv[2])
