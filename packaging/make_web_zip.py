#!/usr/bin/env python3
"""Makes the web edition's release zip from a built site: every file of the site (with the .gz and
.br forms beside them) and HOSTING.txt, under one folder named for the release, as sorted members
that all carry the release's date (SOURCE_DATE_EPOCH) and fixed modes, so that the same commit
always gives the same bytes.

    make_web_zip.py SITE_DIR HOSTING_TXT OUTPUT.zip
"""
import os
import sys
import time
import zipfile

site, hosting, output = sys.argv[1:4]
if "SOURCE_DATE_EPOCH" not in os.environ:
    sys.exit("SOURCE_DATE_EPOCH is not set: the zip would carry today's date")
date = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
folder = os.path.basename(output)[:-len(".zip")]

files = {name: os.path.join(site, name) for name in os.listdir(site) if os.path.isfile(os.path.join(site, name))}
files["HOSTING.txt"] = hosting
with zipfile.ZipFile(output + ".part", "w") as archive:
    for name in sorted(files):
        member = zipfile.ZipInfo(f"{folder}/{name}", date_time=date)
        member.compress_type = zipfile.ZIP_DEFLATED
        member.create_system = 3  # Unix, so that the mode below is read
        member.external_attr = 0o644 << 16
        with open(files[name], "rb") as data:
            archive.writestr(member, data.read(), compresslevel=9)
os.replace(output + ".part", output)
