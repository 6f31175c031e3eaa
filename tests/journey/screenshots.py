#!/usr/bin/env python3
"""Pictures from the whole journey for the README: plays the journey once to find its
moments in the state lines, then again to take the screens of those passes.

    screenshots.py REPLAY ASSETS OUTPUT_DIR"""
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
PLAN = os.path.join(HERE, "journey.plan")


def play(replay, assets, extra):
    with tempfile.TemporaryDirectory() as data_dir:
        result = subprocess.run(
            [replay, "--assets", assets, "--frames", "40000", "--plan", PLAN, "--data-dir", data_dir,
             "--give-up-shot", os.path.join(data_dir, "gave-up.png")] + extra,
            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("the journey did not finish:\n" + result.stderr)
    return result.stdout


def states(replay, assets):
    lines = []
    for line in play(replay, assets, ["--state", "all"]).splitlines():
        entry = json.loads(line)
        if "car" in entry:
            lines.append(entry)
    return lines


def first(lines, test):
    for entry in lines:
        if test(entry, entry["car"]):
            return entry["pass"]
    sys.exit("a moment of the journey was not found")


def moments(lines):
    """The pass of each picture: a few passes before a flame is taken, with it ahead."""
    def before_flag(index):
        taken = first(lines, lambda s, c: s["progressFlags"][index] == "1")
        return taken - 12

    # The first ghost dissolved in level 8 costs the first bar of the battery there: the pass
    # a little before shows it coming into the headlights.
    ghost = first(lines, lambda s, c: s["level"] == 8 and s["stage"] == 3 and c["battery"] < 13) - 6
    return {
        "journey-title.png": first(lines, lambda s, c: s["state"] == "title") + 60,
        "journey-crossroads.png": first(lines, lambda s, c: s["level"] == 6 and s["stage"] == 2) + 40,
        "journey-ghost.png": ghost,
        "journey-moon.png": first(lines, lambda s, c: s["level"] == 7 and 37 < c["y"] < 40
                                  and 30 < c["x"] < 32),
        "journey-flame1.png": before_flag(0),
        "journey-flame2.png": before_flag(1),
        "journey-flame3.png": before_flag(2),
        "journey-flame4.png": before_flag(3),
    }


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    replay, assets, output = sys.argv[1], sys.argv[2], os.path.abspath(sys.argv[3])
    os.makedirs(output, exist_ok=True)
    wanted = moments(states(replay, assets))
    shots = []
    for name, pass_number in wanted.items():
        shots += ["--shot", f"{pass_number}:{os.path.join(output, name)}"]
    play(replay, assets, shots)
    for name, pass_number in wanted.items():
        print(f"{name}: pass {pass_number}")


if __name__ == "__main__":
    main()
