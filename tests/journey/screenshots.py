#!/usr/bin/env python3
"""Pictures for the README and the walkthrough (docs/): plays the whole journey once to find its
moments in the state lines, then again to take the screens of those passes; the hero picture and
the moon's come from a level entered at a pose.

    screenshots.py REPLAY ASSETS OUTPUT_DIR

The sixth flame comes from the saved four-flame game continued with the last routes open."""
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
# The new game to the fourth flame, and the saved game continued with the last routes open.
JOURNEY = (os.path.join(HERE, "journey.plan"), None, [])
LAST_ROUTES = (os.path.join(HERE, "lastRoutes.plan"), "2111100", ["--fourth", "0"])


def play(replay, assets, extra, journey=JOURNEY):
    plan, saved, options = journey
    with tempfile.TemporaryDirectory() as data_dir:
        if saved is not None:
            with open(os.path.join(data_dir, "game.sav"), "w") as save:
                save.write(saved)
        result = subprocess.run(
            [replay, "--assets", assets, "--frames", "40000", "--plan", plan, "--data-dir", data_dir,
             "--give-up-shot", os.path.join(data_dir, "gave-up.png")] + options + extra,
            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("the journey did not finish:\n" + result.stderr)
    return result.stdout


def states(replay, assets, journey=JOURNEY):
    lines = []
    for line in play(replay, assets, ["--state", "all"], journey).splitlines():
        entry = json.loads(line)
        if "car" in entry:
            lines.append(entry)
    return lines


def first(lines, test):
    for entry in lines:
        if test(entry, entry["car"]):
            return entry["pass"]
    sys.exit("a moment of the journey was not found")


def before_flag(lines, index):
    """A few passes before a flame is taken, with it ahead."""
    return first(lines, lambda s, c: s["progressFlags"][index] == "1") - 12


def moments(lines):
    """The pass of each picture in the new game's journey."""
    def before_flag_of(index):
        return before_flag(lines, index)

    # The first ghost dissolved in level 8 costs the first bar of the battery there: the pass
    # a little before shows it coming into the headlights.
    ghost = first(lines, lambda s, c: s["level"] == 8 and s["stage"] == 3 and c["battery"] < 13) - 6
    return {
        "journey-title.png": first(lines, lambda s, c: s["state"] == "title") + 60,
        "journey-crossroads.png": first(lines, lambda s, c: s["level"] == 6 and s["stage"] == 2) + 40,
        "journey-ghost.png": ghost,
        "journey-moon.png": first(lines, lambda s, c: s["level"] == 7 and 37 < c["y"] < 40
                                  and 30 < c["x"] < 32),
        "journey-flame3.png": before_flag_of(2),
    }


# Pictures taken standing in a level: name, the replay tool's options, the pass.
POSED = [
    # Level 16: three ghost cars come down the lamp-lit road at the car.
    ("hero.png", ["--level", "16", "--pose", "40.5,34.5,270"], 75),
    # Level 7 with every flame won: the flames come out beside the moon.
    ("moon-flames.png", ["--level", "7", "--flags", "111111", "--pose", "40.5,34,90"], 345),
]


def take_posed(replay, assets, output):
    for name, options, pass_number in POSED:
        with tempfile.TemporaryDirectory() as data_dir:
            subprocess.run([replay, "--assets", assets, "--frames", str(pass_number), "--data-dir", data_dir,
                            "--shot", f"{pass_number}:{os.path.join(output, name)}"] + options,
                           check=True, stdout=subprocess.DEVNULL)
        print(f"{name}: pass {pass_number}")


def take(replay, assets, output, wanted, journey):
    shots = []
    for name, pass_number in wanted.items():
        shots += ["--shot", f"{pass_number}:{os.path.join(output, name)}"]
    play(replay, assets, shots, journey)
    for name, pass_number in wanted.items():
        print(f"{name}: pass {pass_number}")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    replay, assets, output = sys.argv[1], sys.argv[2], os.path.abspath(sys.argv[3])
    os.makedirs(output, exist_ok=True)
    take(replay, assets, output, moments(states(replay, assets)), JOURNEY)
    last = states(replay, assets, LAST_ROUTES)
    take(replay, assets, output, {"journey-flame6.png": before_flag(last, 5)}, LAST_ROUTES)
    take_posed(replay, assets, output)


if __name__ == "__main__":
    main()
