#!/usr/bin/env python3
"""Runs the same events through the tool's three formats and checks that the CSV and the JSON
hold exactly the amounts and percentages the text listing prints, read back with Python's own
csv and json readers: 150 events across the three methods, among them ties at half a cent and,
for IBRA, at half a dollar.

    check_exports.py PATH_TO_VANTRY_PAYOUT
"""
import csv
import io
import json
import random
import re
import subprocess
import sys

tool = sys.argv[1]
METHODS = ["ibra", "brn4d", "nbha4d"]
PLACE = re.compile(r"^    (\d+) = \$ *(\S+)   \( *(\S+)%\)$")
TOTAL = re.compile(r"^(\d)D: Total = \$ *(\S+)   \( *(\S+)%\)$")
HEADER = re.compile(r"payout to (\d+) placings, Pool = \$ *(\S+), Producer = \$ *(\S+)$")


def run(args):
    result = subprocess.run([tool] + args, capture_output=True)
    if result.returncode != 0:
        raise SystemExit(f"{args}: status {result.returncode}: {result.stderr.decode()}")
    return result.stdout


def refuse_constant(name):
    raise ValueError(f"JSON constant {name} is not JSON")


def events():
    # Ties: a $192.50 pool paid whole to one IBRA place prints $193; $0.125 prints $0.13.
    fixed = [
        ["--method=ibra", "--riders=11", "--fee=25", "--added=0", "--ds=1", "--places=1"],
        ["--method=ibra", "--riders=11", "--fee=25", "--added=0", "--ds=2", "--places=2"],
        ["--method=nbha4d", "--riders=1", "--fee=0.125", "--added=0", "--payoff=100", "--ds=1", "--places=1"],
        ["--method=brn4d", "--riders=1", "--fee=0.375", "--added=0", "--payoff=100", "--ds=1", "--places=1"],
        ["--method=ibra", "--riders=1", "--fee=2.5", "--added=0", "--payoff=100", "--ds=1", "--places=1"],
        ["--method=ibra", "--riders=1", "--fee=0.5", "--added=0", "--payoff=100", "--ds=1", "--places=1"],
        ["--method=nbha4d", "--added=-500", "--riders=10", "--fee=10", "--ds=1", "--places=2"],
        [],
    ]
    rng = random.Random(20261208)
    for _ in range(150 - len(fixed)):
        fixed.append([
            f"--method={rng.choice(METHODS)}",
            f"--riders={rng.randint(0, 600)}",
            f"--fee={rng.choice([rng.randint(0, 200), round(rng.uniform(0, 200), 2), round(rng.uniform(0, 50), 3)])}",
            f"--added={rng.choice([0, rng.randint(0, 5000), round(rng.uniform(0, 5000), 2)])}",
            f"--payoff={rng.choice([70, 75, 80, 100, rng.randint(0, 100), round(rng.uniform(0, 100), 1)])}",
            f"--ds={rng.randint(-1, 9)}",
            f"--places={rng.choice([0, 0, rng.randint(-3, 45)])}",
        ])
    return fixed


checked = 0
for args in events():
    listing = run(args).decode().split("\n")
    method = next((a.split("=")[1] for a in args if a.startswith("--method=")), "nbha4d")
    places, totals, header = [], [], None
    division = 0
    for line in listing:
        if (m := TOTAL.match(line)):
            division = int(m[1])
            totals.append((division, m[2], m[3]))
        elif (m := PLACE.match(line)):
            places.append((method, division, int(m[1]), m[2], m[3]))
        elif (m := HEADER.search(line)):
            header = m.groups()

    raw_csv = run(args + ["--format=csv"])
    assert raw_csv.endswith(b"\r\n") and b"\n" not in raw_csv.replace(b"\r\n", b""), f"{args}: line ends"
    rows = list(csv.reader(io.StringIO(raw_csv.decode(), newline="")))
    assert rows[0] == ["method", "division", "place", "amount", "percent"], rows[0]
    got = [(r[0], int(r[1]), int(r[2]), r[3], r[4]) for r in rows[1:]]
    assert got == places, f"{args}: CSV\n{got}\nlisting\n{places}"
    for row in rows[1:]:
        float(row[3]), float(row[4])  # a spreadsheet reads numbers

    raw_json = run(args + ["--format=json"])
    assert raw_json.endswith(b"}\n") and raw_json.count(b"\n") == 1, f"{args}: not one line"
    payout = json.loads(raw_json, parse_constant=refuse_constant)
    assert list(payout) == ["method", "parameters", "placings", "pool", "producer", "divisions"]
    assert (str(payout["placings"]), payout["pool"], payout["producer"]) == header, args
    assert [(d["division"], d["total"], d["sharePercent"]) for d in payout["divisions"]] == totals, args
    got = [(payout["method"], d["division"], p["place"], p["amount"], p["percent"])
           for d in payout["divisions"] for p in d["places"]]
    assert got == places, f"{args}: JSON"
    checked += 1

print(f"{checked} events: CSV and JSON hold the listing's amounts")
