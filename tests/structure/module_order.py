#!/usr/bin/env python3
"""The modules under src/ depend in one direction only: each file includes headers of its own
module or of the modules before it in ORDER, never of one after it."""
import os
import re
import sys

ORDER = ["platform", "media", "player", "objects", "levels", "app"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"(\w+)/')


def upward_includes(src):
    rank = {module: i for i, module in enumerate(ORDER)}
    for module in ORDER:
        for root, _, files in os.walk(os.path.join(src, module)):
            for name in files:
                path = os.path.join(root, name)
                with open(path) as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if match and rank.get(match.group(1), -1) > rank[module]:
                            yield f"{path}:{number}: {module} includes {match.group(1)}"


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "src")
    unknown = sorted(set(os.listdir(src)) - set(ORDER))
    faults = list(upward_includes(src)) + [f"{src}/{name}: a module not in the order" for name in unknown]
    for fault in faults:
        print(fault)
    print(f"{0 if faults else 1} passed, {1 if faults else 0} failed")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
