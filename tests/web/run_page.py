#!/usr/bin/python3
"""Runs a test program of the web build in headless Chromium: serves its folder, opens PAGE,
prints what the program printed, and exits with the program's status.

    run_page.py FOLDER PAGE [GTEST_FILTER]
"""
import sys
import urllib.parse

import browser

folder, page = sys.argv[1], sys.argv[2]
query = "?filter=" + urllib.parse.quote(sys.argv[3]) if len(sys.argv) > 3 else ""
site = browser.Site(folder)
try:
    with browser.chromium() as driver:
        driver.get(site.url + page + query)
        status = browser.wait_for(driver, "return window.vantryTestStatus !== undefined", 300)
        print(driver.execute_script("return document.getElementById('output').textContent"))
        for entry in driver.get_log("browser"):
            if entry["level"] == "SEVERE":
                print("browser:", entry["message"])
        if not status:
            print("the tests did not finish")
            sys.exit(1)
        sys.exit(driver.execute_script("return window.vantryTestStatus"))
finally:
    site.stop()
