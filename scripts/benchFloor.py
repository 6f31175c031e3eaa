#!/usr/bin/env python3
"""Measures, in one run, the floor of this machine (one opaque 640 x 480 blit and the present,
`velmora-floor`) and the replay tool's timedemo of levels 1, 7, 8, 14 and 17 driven by the same
track, and prints each level's logic and drawing with the drawing as a multiple of the floor.
The floor is taken again before every level and the nearest one is used, so the multiples
hold even while the load on the machine changes. `make bench-floor` runs it.

    benchFloor.py BUILD [ROUNDS]"""
import json
import os
import statistics
import subprocess
import sys
import tempfile

LEVELS = (1, 7, 8, 14, 17)
PASSES = 600
# Up the road with the headlights on, steering, braking and one flash.
TRACK = """10-200 w
150-190 a
260-300 d
300-380 w
400-420 s
450 space down
451 space up
480-600 w
"""


def run_json(command, key, cwd):
    result = subprocess.run(command, capture_output=True, text=True, cwd=cwd)
    if result.returncode != 0:
        sys.exit(f"{command[0]} failed:\n{result.stderr}")
    for line in result.stdout.splitlines():
        entry = json.loads(line)
        if key in entry:
            return entry[key]
    sys.exit(f"{command[0]} printed no {key}")


def measure(build, rounds):
    assets = os.path.join(build, "assets")
    floor_tool = [os.path.join(build, "tools", "floor", "velmora-floor"), str(PASSES)]
    replay = os.path.join(build, "tools", "replay", "velmora-replay")
    figures = {level: [] for level in LEVELS}
    with tempfile.TemporaryDirectory() as scratch:
        track = os.path.join(scratch, "drive.txt")
        with open(track, "w") as out:
            out.write(TRACK)
        for _ in range(rounds):
            for level in LEVELS:
                floor = run_json(floor_tool, "floor", assets)
                demo = run_json([replay, "--frames", str(PASSES), "--level", str(level), "--input", track,
                                 "--timedemo", "--data-dir", scratch], "timedemo", assets)
                figures[level].append((floor, demo))
    return figures


def table(figures):
    rows = ["| Level | Floor ms: median | Logic ms: median | Drawing ms: median / p99 | "
            "Drawing ÷ floor: median / p99 |",
            "| --- | ---: | ---: | --- | --- |"]
    for level, runs in figures.items():
        # The run with the median drawing median stands for the level.
        runs = sorted(runs, key=lambda run: run[1]["draw"]["median_ms"])
        floor, demo = runs[len(runs) // 2]
        base = floor["median_ms"]
        draw = demo["draw"]
        rows.append(f"| {level} | {base:.3f} | {demo['logic']['median_ms']:.3f} | "
                    f"{draw['median_ms']:.3f} / {draw['p99_ms']:.3f} | "
                    f"{draw['median_ms'] / base:.2f}× / {draw['p99_ms'] / base:.2f}× |")
    return "\n".join(rows)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    rounds = int(sys.argv[2]) if len(sys.argv) == 3 else 3
    print(table(measure(os.path.abspath(sys.argv[1]), rounds)))


if __name__ == "__main__":
    main()
