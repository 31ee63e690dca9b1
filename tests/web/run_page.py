#!/usr/bin/python3
"""Runs a test program of the web build in headless Chromium: serves its folder, opens PAGE,
prints what the program printed, and exits with the program's status.

    run_page.py FOLDER PAGE [--cases N] [GTEST_FILTER]

With --cases, the run fails unless exactly N cases ran and none was skipped: the page's cases
are one CTest test, and a case left out or skipped in it would otherwise go unseen.
"""
import re
import sys
import urllib.parse

import browser

arguments = sys.argv[1:]
cases = None
if "--cases" in arguments:
    at = arguments.index("--cases")
    cases = int(arguments[at + 1])
    del arguments[at:at + 2]
folder, page = arguments[0], arguments[1]
query = "?filter=" + urllib.parse.quote(arguments[2]) if len(arguments) > 2 else ""
site = browser.Site(folder)
try:
    with browser.chromium() as driver:
        driver.get(site.url + page + query)
        status = browser.wait_for(driver, "return window.vantryTestStatus !== undefined", 300)
        output = driver.execute_script("return document.getElementById('output').textContent")
        print(output)
        if cases is not None:
            ran = re.search(r"\[==========\] (\d+) tests? from .* ran", output)
            skipped = re.search(r"\[  SKIPPED \] (\d+) test", output)
            if not ran or int(ran.group(1)) != cases:
                print(f"{ran.group(1) if ran else 'no'} cases ran in the page, not the {cases} of the sources")
                sys.exit(1)
            if skipped:
                print(f"{skipped.group(1)} cases were skipped in the page")
                sys.exit(1)
        for entry in driver.get_log("browser"):
            if entry["level"] == "SEVERE":
                print("browser:", entry["message"])
        if not status:
            print("the tests did not finish")
            sys.exit(1)
        sys.exit(driver.execute_script("return window.vantryTestStatus"))
finally:
    site.stop()
