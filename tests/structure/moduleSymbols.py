#!/usr/bin/env python3
"""A module may call only what the modules it uses define. Reads each module library's symbols
with nm and fails when one needs a symbol that only another module, one it may not use, defines
(a declaration written by hand links as well as an #include would).

Usage: moduleSymbols.py NM [--alone MODULE ...] MODULE=LIBRARY ... (lowest module first)"""
import subprocess
import sys


def symbols(nm, library, flag):
    out = subprocess.run([nm, flag, "--format=posix", library], check=True, capture_output=True, text=True).stdout
    found = set()
    for line in out.splitlines():
        fields = line.split()
        if len(fields) >= 2 and not line.endswith(":"):
            found.add(fields[0])
    return found


def main(argv):
    nm = argv[1]
    alone, modules = set(), []
    args = argv[2:]
    while args:
        if args[0] == "--alone":
            alone.add(args[1])
            args = args[2:]
            continue
        name, library = args[0].split("=", 1)
        modules.append((name, library))
        args = args[1:]
    defined = {name: symbols(nm, library, "--defined-only") for name, library in modules}
    faults = 0
    for index, (name, library) in enumerate(modules):
        usable = set() if name in alone else {below for below, _ in modules[:index]}
        needed = symbols(nm, library, "--undefined-only") - defined[name]
        for symbol in sorted(needed):
            owners = [other for other, _ in modules if other != name and symbol in defined[other]]
            if owners and not any(owner in usable for owner in owners):
                print(f"{name} needs {symbol}, defined only in {', '.join(owners)}")
                faults += 1
    print(f"{len(modules)} modules, {faults} calls out of order")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
