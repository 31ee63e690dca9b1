#!/usr/bin/env python3
"""A shipped program holds no function that only the tests use.

    check_shipped_symbols.py --tools NM OBJDUMP --build DIR --backend NAME [--program FILE ...]

The build's object files fall in three kinds. The product's: the libraries the shipped programs
are made of (the engine, the report, the methods, the tool, the dialog, the framework and this
build's backend). The tests': the test programs and the backend's automation unit. The rest
(build tools, the in-memory backend, benchmarks, fuzzers) is neither.

A function is the tests' alone when a test object uses it, the product defines it, and no
product object refers to it: no call, no address taken, no vtable slot (the relocations of the
product's code and data, not of its unwind or debug tables). Such a function is a test hook left
in a product class, and the check fails naming it, and each program given whose symbols hold it.
An inline member only the tests call is emitted in the tests' objects alone, so it cannot reach a
program's symbols; the backends keep those in inspection headers the product never includes.

What it cannot see: a virtual function is referred to by its class's vtable, so a virtual member
that only tests call passes; it reads the objects as built, so it is run on a complete build; and
it looks only at names in the vantry namespaces, where all of the product's code is.
"""
import argparse
import os
import re
import subprocess
import sys

# The relocations that say nothing of use: unwind tables, debug information, comdat groups.
IGNORED_SECTIONS = re.compile(r"^(\.eh_frame|\.pdata|\.xdata|\.debug|\.rela?\.debug|\.gcc_except_table|\.group"
                              r"|\.note|\.llvm_addrsig|\.rdata\$zzz)")


# The engine's lookups by built-in method are its published interface: callers outside this tree
# (a producer's own tools) use them, though in here only the tests do.
PUBLISHED = {
    "vantry::engine::placeScheduleFor(vantry::engine::PayoutMethod)",
    "vantry::engine::divisionSharesFor(vantry::engine::PayoutMethod, int)",
}


def object_files(root):
    for folder, _, files in os.walk(root):
        for name in files:
            if name.endswith((".o", ".obj")):
                yield os.path.join(folder, name)


def kind_of(path, build, backend):
    relative = os.path.relpath(path, build).replace("\\", "/")
    parts = relative.split("/")
    target = next((p[:-4] for p in parts if p.endswith(".dir")), "")
    if target.startswith("vantry_automation_") or parts[0] == "tests":
        return "tests"  # the test programs are built in the build's tests/ folder
    product = {"vantry_engine", "vantry_report", "vantry_platform", "vantry_methods", "vantry_methods_core",
               "vantry-payout", "vantry_cli", "vantry_dialog", "vantry_framework", "vantry",
               f"vantry_backend_{backend}", f"vantry_backend_{backend}_main"}
    if backend == "web":  # the page's program and its method reader, loaded when needed
        product |= {"vantry_methods_page", "vantry_dialog_page", "vantry_method_reader"}
    if backend != "win32":
        product.add("vantry_framework_emulated")  # the controls the toolkit lacks, drawn by us
    return "product" if target in product else None


def run(tool, *arguments):
    done = subprocess.run([tool, *arguments], capture_output=True, text=True, errors="replace")
    if done.returncode != 0:
        sys.exit(f"FAILED: {tool} {' '.join(arguments)}: {done.stderr.strip()}")
    return done.stdout


def symbols(nm, path):
    """(defined functions, undefined) of an object file, by mangled name."""
    defined, undefined = set(), set()
    for line in run(nm, path).splitlines():
        fields = line.split()
        if len(fields) == 2 and fields[0] in ("U", "w"):
            undefined.add(fields[1])
        elif len(fields) == 3 and fields[1] in ("T", "W", "t"):
            defined.add(fields[2])
    return defined, undefined


def referenced(objdump, path):
    """What the object's code and data refer to, by mangled name (section names made symbols)."""
    names, section = set(), None
    for line in run(objdump, "-r", path).splitlines():
        header = re.match(r"RELOCATION RECORDS FOR \[(.*)\]:", line)
        if header:
            section = header.group(1)
            continue
        fields = line.split()
        if section is None or IGNORED_SECTIONS.match(section) or len(fields) < 3 or fields[0] == "OFFSET":
            continue
        target = re.sub(r"[+-]0x[0-9a-f]+$|\+\d+$", "", fields[2])
        # A comdat function's own section stands for it: ".text$name" (PE), ".text.name" (ELF).
        target = re.sub(r"^\.text[.$]", "", target)
        names.add(target)
    return names


def demangled(names):
    if not names:
        return {}
    listed = sorted(names)
    out = subprocess.run(["c++filt"], input="\n".join(listed), capture_output=True, text=True).stdout.splitlines()
    return dict(zip(listed, out))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tools", nargs=2, metavar=("NM", "OBJDUMP"), required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--backend", required=True)
    parser.add_argument("--program", action="extend", nargs="+", default=[])
    args = parser.parse_args()
    nm, objdump = args.tools

    product_defined, product_used, test_used = set(), set(), set()
    counts = {"product": 0, "tests": 0}
    for path in object_files(args.build):
        kind = kind_of(path, args.build, args.backend)
        if kind is None:
            continue
        counts[kind] += 1
        defined, undefined = symbols(nm, path)
        if kind == "tests":
            test_used |= undefined
        else:
            product_defined |= defined
            product_used |= undefined | referenced(objdump, path)
    if counts["product"] == 0 or counts["tests"] == 0:
        sys.exit(f"FAILED: found {counts['product']} product and {counts['tests']} test objects in {args.build}")

    candidates = {s for s in test_used & product_defined - product_used if "vantry" in s}
    names = demangled(candidates)
    tests_alone = {s for s in candidates if names[s] not in PUBLISHED}
    status = 0
    for symbol in sorted(tests_alone, key=lambda s: names[s]):
        print(f"FAILED: only the tests use {names[symbol]}", file=sys.stderr)
        status = 1
    for program in args.program:
        if not os.path.isfile(program):
            print(f"FAILED: no {program}", file=sys.stderr)
            status = 1
            continue
        held = {line.split()[-1] for line in run(nm, program).splitlines() if line.split()} & tests_alone
        for symbol in sorted(held):
            print(f"FAILED: {os.path.basename(program)} holds {names[symbol]}, which only the tests use", file=sys.stderr)
            status = 1
    if status == 0:
        print(f"{counts['product']} product objects, {counts['tests']} test objects: "
              f"no function of the product is the tests' alone")
    return status


if __name__ == "__main__":
    sys.exit(main())
