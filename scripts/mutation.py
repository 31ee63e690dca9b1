#!/usr/bin/env python3
"""A small mutation pass: plants single-line faults in the code, one at a time, and tells which of
them the tests let through. A fault the tests catch is a test that earns its keep; one they miss is
a place nobody has tried.

    scripts/mutation.py [FOLDER_OR_FILE ...] [--faults N] [--seed S] [--labels L,L] [--timeout SEC]

With no folder or file given, it takes the C++ files `git diff HEAD` names (what you changed). The
work is done in a scratch copy of the tree (under the system's temporary folder, removed at the
end): the working tree it was started in is never written. The copy is built once with
AddressSanitizer and UndefinedBehaviorSanitizer, as the test command builds it; then each fault is
planted, only the test programs the labels need are rebuilt, and those labels' tests run: each build
and each test bounded by --timeout, the labels' whole run by four times that. A fault that does not compile, or lies in a file none of those programs is
made from (another platform's), is left out of the count; a run that fails or times out has caught
its fault.
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_SUFFIXES = (".cpp", ".h")

# Each operator: a pattern, what it becomes, and how the change is told. The patterns are applied
# to a line's code only (its comment cut off, its string and character literals left alone).
# Binary operators are taken only with a space on each side, as this code writes them, so that a
# template's brackets, a pointer's star and a unary sign are left alone.
SWAPS = [
    (r"(?<= )<(?= )", "<=", "< to <="), (r"(?<= )<=(?= )", "<", "<= to <"),
    (r"(?<= )>(?= )", ">=", "> to >="), (r"(?<= )>=(?= )", ">", ">= to >"),
    (r"(?<= )==(?= )", "!=", "== to !="), (r"(?<= )!=(?= )", "==", "!= to =="),
    (r"(?<= )&&(?= )", "||", "&& to ||"), (r"(?<= )\|\|(?= )", "&&", "|| to &&"),
    (r"(?<= )\+(?= )", "-", "+ to -"), (r"(?<= )-(?= )", "+", "- to +"),
    (r"(?<= )\*(?= )", "/", "* to /"), (r"(?<= )/(?= )", "*", "/ to *"),
    (r"(?<= )\+=(?= )", "-=", "+= to -="), (r"\+\+", "--", "++ to --"),
    (r"\btrue\b", "false", "true to false"), (r"\bfalse\b", "true", "false to true"),
    (r"!(?=[A-Za-z_(])", "", "! removed"),
]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
CALL_STATEMENT = re.compile(r"^\s*[A-Za-z_][\w:.\->]*\([^;]*\);\s*$")


def code_of(line):
    """The line with its // comment removed and every literal blanked, the same length as far as
    it goes, so that positions in it are positions in the line."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            out.append(" ")
            if c == "\\":
                out.append(" ")
                i += 1
            elif c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(" ")
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def faults_in(path, relative):
    """Every single-line fault the operators can plant in the file: (relative, line, new, change)."""
    with open(path, encoding="utf-8") as source:
        lines = source.read().split("\n")
    found = []
    in_comment = False
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_comment or stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//", "static_assert")):
            continue
        code = code_of(line)
        for pattern, replacement, told in SWAPS:
            for match in re.finditer(pattern, code):
                new = line[:match.start()] + replacement + line[match.end():]
                found.append((relative, number, new, told))
        for match in NUMBER.finditer(code):
            value = int(match.group(1))
            for changed in (value + 1, value - 1) if value > 0 else (value + 1,):
                new = line[:match.start()] + str(changed) + line[match.end():]
                found.append((relative, number, new, f"{value} to {changed}"))
        if CALL_STATEMENT.match(code) and not re.match(r"^\s*(return|if|for|while|case)\b", code):
            found.append((relative, number, "", "call deleted"))
    return found


def sources(targets):
    """The C++ files to plant faults in: those named, those below the folders named, or what
    `git diff HEAD` names."""
    if not targets:
        named = subprocess.run(["git", "diff", "--name-only", "HEAD"], cwd=ROOT, check=True, capture_output=True,
                               text=True).stdout.split()
        targets = [name for name in named if os.path.exists(os.path.join(ROOT, name))]
    files = []
    for target in targets:
        path = os.path.join(ROOT, target)
        if os.path.isdir(path):
            for folder, _, names in os.walk(path):
                files += [os.path.join(folder, name) for name in sorted(names) if name.endswith(SOURCE_SUFFIXES)]
        elif path.endswith(SOURCE_SUFFIXES):
            files.append(path)
    return sorted(set(os.path.relpath(f, ROOT) for f in files))


def scratch_copy(into):
    """The tree as it stands (tracked files and new ones git does not ignore), copied."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                            check=True, capture_output=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        source = os.path.join(ROOT, name)
        if os.path.isfile(source):
            os.makedirs(os.path.dirname(os.path.join(into, name)), exist_ok=True)
            shutil.copy2(source, os.path.join(into, name))


def run(command, cwd, timeout, env=None):
    """Runs a command to its end or its time; returns its status, or None when it ran out of time,
    and then ends it with everything it started (a planted fault may loop for ever)."""
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return None


def test_programs(build, labels):
    """The programs the labels' tests start, as build targets (their file names)."""
    shown = subprocess.run(["ctest", "--show-only=json-v1", "-L", "|".join(labels)], cwd=build, check=True,
                           capture_output=True, text=True).stdout
    programs = set()
    for test in json.loads(shown)["tests"]:
        for argument in test.get("command", []):
            path = argument.split("=", 1)[-1]
            if path.startswith(build) and os.path.isfile(path) and os.access(path, os.X_OK):
                programs.add(os.path.basename(path))
    return sorted(programs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("targets", nargs="*", help="folders or files (default: what git diff HEAD names)")
    parser.add_argument("--faults", type=int, default=40, help="how many faults to plant (default 40)")
    parser.add_argument("--seed", type=int, default=1, help="which sample of the faults (default 1)")
    parser.add_argument("--labels", default="engine,report,cli,fuzz", help="the test labels to run")
    parser.add_argument("--timeout", type=int, default=300, help="seconds for each build and each test run")
    options = parser.parse_args()
    labels = options.labels.split(",")

    files = sources(options.targets)
    if not files:
        sys.exit("no C++ file to plant faults in: name a folder or a file, or change one")
    every = [fault for name in files for fault in faults_in(os.path.join(ROOT, name), name)]
    sample = random.Random(options.seed).sample(every, min(options.faults, len(every)))
    print(f"{len(sample)} faults of {len(every)} possible in {len(files)} files, seed {options.seed}, "
          f"labels {', '.join(labels)}")

    scratch = tempfile.mkdtemp(prefix="vantry-mutation-")
    try:
        tree, build = os.path.join(scratch, "tree"), os.path.join(scratch, "build")
        scratch_copy(tree)
        # A test that skips would let every fault through unseen: here, as in the test command, a
        # skip the platform does not explain is a failure.
        env = dict(os.environ, VANTRY_FULL_RUN="1", ASAN_OPTIONS="detect_leaks=1:abort_on_error=1",
                   LSAN_OPTIONS=f"suppressions={tree}/tests/lsan.supp:print_suppressions=0",
                   UBSAN_OPTIONS="halt_on_error=1")
        configure = ["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                     "-DVANTRY_SANITIZE=address,undefined", f"-DVANTRY_BUILD_FLTK={'ON' if 'fltk' in labels else 'OFF'}"]
        if run(configure, scratch, options.timeout) != 0:
            sys.exit("the scratch copy does not configure")
        if run(["cmake", "--build", build, "--target", "all"], scratch, options.timeout * 4) != 0:
            sys.exit("the scratch copy does not build")
        programs = test_programs(build, labels)
        ctest = ["ctest", "-L", "|".join(labels), "-j", str(os.cpu_count() or 2), "--stop-on-failure",
                 "--timeout", str(options.timeout)]
        suite_limit = options.timeout * 4  # the labels' tests all together; --timeout bounds each
        if run(ctest, build, suite_limit, env) != 0:
            sys.exit("the tests fail (or run past their time) before any fault is planted")

        results = []  # (fault, "caught" | "missed" | "no build" | "unbuilt")
        for index, fault in enumerate(sample, 1):
            name, number, new, told = fault
            path = os.path.join(tree, name)
            with open(path, encoding="utf-8") as source:
                original = source.read()
            lines = original.split("\n")
            lines[number - 1] = new
            with open(path, "w", encoding="utf-8") as planted:
                planted.write("\n".join(lines))
            started = time.monotonic()
            planned = subprocess.run(["cmake", "--build", build, "--target"] + programs + ["--", "-n"], cwd=scratch,
                                     capture_output=True, text=True).stdout
            if "no work to do" in planned:
                outcome = "unbuilt"  # a file of another platform: none of these programs is made from it
            elif run(["cmake", "--build", build, "--target"] + programs, scratch, options.timeout) != 0:
                outcome = "no build"
            else:
                outcome = "missed" if run(ctest, build, suite_limit, env) == 0 else "caught"
            with open(path, "w", encoding="utf-8") as restored:
                restored.write(original)
            # Built back as it was, so that the next fault's dry run sees only its own file.
            run(["cmake", "--build", build, "--target"] + programs, scratch, options.timeout)
            results.append((fault, outcome))
            print(f"[{index}/{len(sample)}] {outcome:8} {name}:{number}: {told}  ({time.monotonic() - started:.0f} s)",
                  flush=True)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    print("\nfolder          compiled  caught  missed  caught share")
    folders = sorted({fault[0].split("/")[0] for fault, _ in results})
    for folder in folders + ["all"]:
        mine = [outcome for fault, outcome in results if folder == "all" or fault[0].split("/")[0] == folder]
        compiled = [o for o in mine if o not in ("no build", "unbuilt")]
        caught = compiled.count("caught")
        share = f"{100 * caught / len(compiled):.0f} %" if compiled else "-"
        print(f"{folder:15} {len(compiled):8} {caught:7} {compiled.count('missed'):7}  {share:>12}")
    missed = [fault for fault, outcome in results if outcome == "missed"]
    if missed:
        print("\nfaults the tests let through (judge each: some change nothing a user can see):")
        for name, number, new, told in missed:
            print(f"{name}:{number}: {told}: {new.strip() or '(line deleted)'}")


if __name__ == "__main__":
    main()
