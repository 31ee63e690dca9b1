#!/usr/bin/env python3
"""Puts the web edition's static site together: the page, the program (.js and .wasm, and the
.js with the .wasm inside for a page opened from a file), the icon
at 192 and 512 pixels, the dialog font cut down to the characters the program can show (WOFF2)
with its licence, the web app manifest, and a service worker that keeps every one of these
files for use with no network.

    make_site.py SITE_DIR BUILD_UI_DIR MAKE_ICON_PNG FONT_TTF FONT_LICENCE
"""
import hashlib
import os
import shutil
import subprocess
import sys

site, ui_build, make_icon_png, font, licence = sys.argv[1:6]
here = os.path.dirname(os.path.abspath(__file__))
os.makedirs(site, exist_ok=True)

for name in ("vantry.js", "vantry.wasm", "vantry-standalone.js", "index.html", "manifest.webmanifest"):
    shutil.copyfile(os.path.join(ui_build, name), os.path.join(site, name))
for size in (192, 512):
    subprocess.run([make_icon_png, str(size), os.path.join(site, f"icon-{size}.png")], check=True)

# Printable ASCII: every character a listing, a field or a label of the program can hold.
from fontTools import subset  # noqa: E402  (Debian's python3-fonttools)
options = subset.Options()
options.flavor = "woff2"
options.layout_features = ["kern", "liga"]
options.name_IDs = ["*"]
options.notdef_outline = True
loaded = subset.load_font(font, options)
subsetter = subset.Subsetter(options)
subsetter.populate(unicodes=range(0x20, 0x7F))
subsetter.subset(loaded)
subset.save_font(loaded, os.path.join(site, "liberation-serif.woff2"), options)
shutil.copyfile(licence, os.path.join(site, "liberation-fonts-licence.txt"))

# The service worker's list, and a cache name that changes whenever any file does. (The page
# opened from a file, which alone loads vantry-standalone.js, has no service worker.)
made = {"vantry.js", "vantry.wasm", "vantry-standalone.js", "index.html", "manifest.webmanifest", "icon-192.png",
        "icon-512.png", "liberation-serif.woff2", "liberation-fonts-licence.txt", "sw.js"}
for name in os.listdir(site):  # what an older build left, which no page would ask for
    if name not in made:
        path = os.path.join(site, name)
        shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
files = sorted(made - {"sw.js", "vantry-standalone.js"})
digest = hashlib.sha256()
for name in files:
    with open(os.path.join(site, name), "rb") as data:
        digest.update(name.encode() + b"\0" + data.read())
with open(os.path.join(here, "sw.js.in")) as template:
    worker = template.read()
worker = worker.replace("@CACHE_NAME@", "vantry-" + digest.hexdigest()[:16])
worker = worker.replace("@FILES@", ", ".join(f"'./{name}'" if name != "index.html" else "'./', './index.html'"
                                             for name in files))
with open(os.path.join(site, "sw.js"), "w") as out:
    out.write(worker)
