#!/usr/bin/env python3
"""Puts the web edition's static site together: the page, the program (.js and .wasm, and the
.js with the .wasm inside for a page opened from a file), the method file reader that the page
loads once a producer has methods of their own, the icon
at 192 and 512 pixels, the dialog font cut down to the characters the program can show (WOFF2)
with its licence, the web app manifest, and a service worker that keeps every one of these
files for use with no network. Beside each text and WebAssembly file go its gzip (.gz) and, where
Debian's brotli module is installed, its brotli (.br) forms, the same bytes every build, for a
static host that serves files compressed as they are stored.

    make_site.py SITE_DIR BUILD_UI_DIR MAKE_ICON_PNG FONT_TTF FONT_LICENCE METHOD_READER_JS
"""
import gzip
import hashlib
import io
import os
import shutil
import subprocess
import sys

site, ui_build, make_icon_png, font, licence, method_reader = sys.argv[1:7]
here = os.path.dirname(os.path.abspath(__file__))
os.makedirs(site, exist_ok=True)

for name in ("vantry.js", "vantry.wasm", "vantry-standalone.js", "index.html", "manifest.webmanifest"):
    shutil.copyfile(os.path.join(ui_build, name), os.path.join(site, name))
# The method reader is named for its bytes, and each program names the reader it was built with:
# a page never loads a reader of another build (an older one from a cache, a newer one from the
# host), whose hand-over it could misread.
with open(method_reader, "rb") as reader:
    reader_bytes = reader.read()
READER = f"vantry-methods-{hashlib.sha256(reader_bytes).hexdigest()[:16]}.js"
with open(os.path.join(site, READER), "wb") as out:
    out.write(reader_bytes)
for program in ("vantry.js", "vantry-standalone.js"):
    with open(os.path.join(site, program), encoding="utf-8") as source:
        text = source.read()
    if text.count("'vantry-methods.js'") + text.count('"vantry-methods.js"') != 1:
        sys.exit(f"{program} does not name the method reader once")
    text = text.replace("'vantry-methods.js'", f"'{READER}'").replace('"vantry-methods.js"', f'"{READER}"')
    with open(os.path.join(site, program), "w", encoding="utf-8") as out:
        out.write(text)
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
        "icon-512.png", "liberation-serif.woff2", "liberation-fonts-licence.txt", "sw.js", READER}
# Loaded only when needed, and kept from then on (sw.js.in): a first visit does not fetch them.
LATER = [READER]
# The PNG icons and the WOFF2 font are compressed already; everything else is worth compressing.
COMPRESSIBLE = {name for name in made if not name.endswith((".png", ".woff2"))}
try:
    import brotli  # Debian's python3-brotli
except ImportError:
    brotli = None
compressed = {name + ".gz" for name in COMPRESSIBLE} | ({name + ".br" for name in COMPRESSIBLE} if brotli else set())
for name in os.listdir(site):  # what an older build left, which no page would ask for
    if name not in made | compressed:
        path = os.path.join(site, name)
        shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
files = sorted(made - {"sw.js", "vantry-standalone.js"} - set(LATER))
digest = hashlib.sha256()
for name in files + LATER:
    with open(os.path.join(site, name), "rb") as data:
        digest.update(name.encode() + b"\0" + data.read())
with open(os.path.join(here, "sw.js.in")) as template:
    worker = template.read()
worker = worker.replace("@BUILD@", digest.hexdigest()[:16])
worker = worker.replace("@FILES@", ", ".join(f"'./{name}'" if name != "index.html" else "'./', './index.html'"
                                             for name in files))
worker = worker.replace("@LATER@", ", ".join(f"'./{name}'" for name in LATER))
with open(os.path.join(site, "sw.js"), "w") as out:
    out.write(worker)

# The compressed forms, made last (sw.js included). gzip's header holds no name and no time.
for name in sorted(COMPRESSIBLE):
    with open(os.path.join(site, name), "rb") as data:
        raw = data.read()
    packed = io.BytesIO()
    with gzip.GzipFile(filename="", mode="wb", compresslevel=9, fileobj=packed, mtime=0) as out:
        out.write(raw)
    with open(os.path.join(site, name + ".gz"), "wb") as out:
        out.write(packed.getvalue())
    if brotli:
        with open(os.path.join(site, name + ".br"), "wb") as out:
            out.write(brotli.compress(raw, quality=11))
