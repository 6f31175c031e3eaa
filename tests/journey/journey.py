#!/usr/bin/env python3
"""Plays journey plans one after another in one fresh data folder with the replay tool's
test driver: each run starts at the title with what the last one saved.

    journey.py [--saved TEXT] [--fourth 0|1] REPLAY ASSETS PLAN [PLAN...]

--saved writes game.sav before the first run; --fourth sets the game's `fourth` switch.

When the driver gives up, prints its message, the last state line, and where the screen
it gave up on was written, and fails."""
import os
import subprocess
import sys
import tempfile

MAX_PASSES = 40000


def play(replay, assets, plan, data_dir, options):
    name = os.path.splitext(os.path.basename(plan))[0]
    shot = os.path.abspath(f"journey-{name}-gave-up.png")
    result = subprocess.run(
        [replay, "--assets", assets, "--frames", str(MAX_PASSES), "--plan", plan,
         "--data-dir", data_dir, "--give-up-shot", shot] + options,
        capture_output=True, text=True)
    lines = result.stdout.splitlines()
    last = lines[-1] if lines else "(no state line)"
    if result.returncode != 0:
        print(f"{name}: failed with status {result.returncode}")
        print(result.stderr.strip())
        print(f"last state: {last}")
        return False
    print(f"{name}: done. last state: {last}")
    return True


def main():
    arguments = sys.argv[1:]
    saved, options = None, []
    while arguments and arguments[0] in ("--saved", "--fourth") and len(arguments) > 1:
        if arguments[0] == "--saved":
            saved = arguments[1]
        else:
            options = ["--fourth", arguments[1]]
        arguments = arguments[2:]
    if len(arguments) < 3:
        print(__doc__)
        return 2
    replay, assets, plans = arguments[0], arguments[1], arguments[2:]
    with tempfile.TemporaryDirectory() as data_dir:
        if saved is not None:
            with open(os.path.join(data_dir, "game.sav"), "w") as save:
                save.write(saved)
        for plan in plans:
            if not play(replay, assets, os.path.abspath(plan), data_dir, options):
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
