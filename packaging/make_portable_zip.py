#!/usr/bin/env python3
"""Makes the portable Windows zip from a Windows build: the two programs and README.txt,
stripped, as sorted members that all carry the release's date (SOURCE_DATE_EPOCH), fixed modes
and no other time, so that the same commit always gives the same bytes.

    make_portable_zip.py BUILD_DIR OUTPUT.zip
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

MEMBERS = {"README.txt": 0o644, "vantry-payout.exe": 0o755, "vantry.exe": 0o755}

build, output = sys.argv[1], sys.argv[2]
if "SOURCE_DATE_EPOCH" not in os.environ:
    sys.exit("SOURCE_DATE_EPOCH is not set: the zip would carry today's date")
date = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]

staging = tempfile.mkdtemp()
try:
    subprocess.run(["cmake", "--install", build, "--prefix", staging, "--strip"], check=True, stdout=subprocess.DEVNULL)
    with zipfile.ZipFile(output + ".part", "w") as archive:
        for name, mode in sorted(MEMBERS.items()):
            member = zipfile.ZipInfo(name, date_time=date)
            member.compress_type = zipfile.ZIP_DEFLATED
            member.create_system = 3  # Unix, so that the mode below is read
            member.external_attr = (0o100000 | mode) << 16
            with open(os.path.join(staging, name), "rb") as data:
                archive.writestr(member, data.read(), compresslevel=9)
    os.replace(output + ".part", output)
finally:
    shutil.rmtree(staging)
    install_manifest = os.path.join(build, "install_manifest.txt")
    if os.path.exists(install_manifest):
        os.remove(install_manifest)
