#!/usr/bin/python3
"""Measures the web edition against its budgets: everything the page loads, gzip-compressed,
under 250 KB; the dialog's first paint in headless Chromium under 500 ms.

    /usr/bin/python3 scripts/web_budget.py [SITE_DIR]      (default build/web/site)
"""
import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402

site_dir = sys.argv[1] if len(sys.argv) > 1 else "build/web/site"
# A visit loads every file but vantry-standalone.js, which only a page opened from a file loads
# (in place of vantry.js and vantry.wasm, and with no service worker).
FROM_FILE_ONLY = {"vantry-standalone.js"}
# Loaded only once a producer has methods of their own, by either page.
WHEN_NEEDED = {name for name in os.listdir(site_dir) if name.startswith("vantry-methods-")}
SERVED_ONLY = {"vantry.js", "vantry.wasm", "sw.js"}
served = from_file = 0
print(f"{'file':32} {'bytes':>9} {'gzip':>8}")
for name in sorted(n for n in os.listdir(site_dir) if not n.endswith((".gz", ".br"))):  # served in their stead
    with open(os.path.join(site_dir, name), "rb") as data:
        raw = data.read()
    packed = len(gzip.compress(raw, 9))
    served += 0 if name in FROM_FILE_ONLY | WHEN_NEEDED else packed
    from_file += 0 if name in SERVED_ONLY | WHEN_NEEDED else packed
    print(f"{name:32} {len(raw):9} {packed:8}")
for label, total in (("a visit, gzip-compressed", served), ("a page from a file, gzip-compressed", from_file)):
    print(f"{label:42} {total:8}   budget 256000: {'within' if total < 256000 else 'OVER'}")

site = browser.Site(site_dir)
times = []
try:
    for _ in range(5):  # a fresh browser each time: nothing cached
        with browser.chromium() as driver:
            driver.get(site.url)
            browser.wait_for(driver, "return performance.getEntriesByName('vantry-dialog-painted').length", 30)
            times.append(driver.execute_script("return performance.getEntriesByName('vantry-dialog-painted')[0].startTime"))
finally:
    site.stop()
print("first paint of the dialog, ms:", ", ".join(f"{t:.0f}" for t in times),
      f"  median {statistics.median(times):.0f}   budget 500: {'within' if statistics.median(times) < 500 else 'OVER'}")
