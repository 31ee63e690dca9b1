#!/usr/bin/python3
"""Lighthouse's mobile audit of the web edition (a mid-range phone on a slow 4G network, as
Lighthouse simulates it), served as a compressing static host serves it: each file's stored .gz
in its place. A benchmark, not a test: it prints the four category scores and the largest
contentful paint, the median of RUNS audits. Takes Lighthouse 12.2.3 from npm (bench/web's lock
file; 13 needs Node 22) and runs it with Debian's Chromium.

    /usr/bin/python3 scripts/lighthouse.py [SITE_DIR [RUNS]]      (build/web/site, 3)
"""
import functools
import http.server
import json
import os
import statistics
import subprocess
import sys
import tempfile
import threading

here = os.path.dirname(os.path.abspath(__file__))
bench = os.path.join(here, "..", "bench", "web")
site = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "build", "web", "site")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3


class Compressing(http.server.SimpleHTTPRequestHandler):
    """Serves NAME.gz for NAME to a browser that takes gzip, as nginx's gzip_static does."""

    def log_message(self, *args):
        pass

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if "gzip" in self.headers.get("Accept-Encoding", "") and os.path.isfile(path + ".gz"):
            data = open(path + ".gz", "rb")
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(path))
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(os.fstat(data.fileno()).st_size))
            self.send_header("Cache-Control", "max-age=3600")
            self.end_headers()
            return data
        return super().send_head()


if not os.path.isdir(os.path.join(bench, "node_modules", "lighthouse")):
    subprocess.run(["npm", "ci", "--no-audit", "--no-fund", "--loglevel=error"], cwd=bench, check=True)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Compressing, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_address[1]}/"
scores = {}
paints = []
metrics = {}
try:
    for _ in range(runs):
        with tempfile.TemporaryDirectory() as work:
            report = os.path.join(work, "report.json")
            subprocess.run([os.path.join(bench, "node_modules", ".bin", "lighthouse"), url, "--quiet",
                            "--output=json", f"--output-path={report}", "--form-factor=mobile",
                            "--only-categories=performance,accessibility,best-practices,seo",
                            "--chrome-flags=--headless=new --no-sandbox --disable-gpu --no-first-run "
                            "--disable-background-networking --disable-component-update --disable-sync"],
                           check=True, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
            with open(report) as data:
                result = json.load(data)
        for name, category in result["categories"].items():
            scores.setdefault(name, []).append(round(category["score"] * 100))
        paints.append(result["audits"]["largest-contentful-paint"]["numericValue"] / 1000)
        for audit in ("first-contentful-paint", "speed-index", "total-blocking-time", "cumulative-layout-shift"):
            metrics.setdefault(audit, []).append(result["audits"][audit]["displayValue"])
finally:
    server.shutdown()
for name, values in scores.items():
    print(f"{name:16} {statistics.median(values):5.0f}   ({', '.join(map(str, values))})")
print(f"{'LCP':16} {statistics.median(paints):5.2f} s ({', '.join(f'{p:.2f}' for p in paints)})")
for audit, values in metrics.items():
    print(f"{audit:24} {', '.join(values)}")
