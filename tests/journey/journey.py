#!/usr/bin/env python3
"""Plays journey plans one after another in one fresh data folder with the replay tool's
test driver: each run starts at the title with what the last one saved.

    journey.py REPLAY ASSETS PLAN [PLAN...]

When the driver gives up, prints its message, the last state line, and where the screen
it gave up on was written, and fails."""
import os
import subprocess
import sys
import tempfile

MAX_PASSES = 40000


def play(replay, assets, plan, data_dir):
    name = os.path.splitext(os.path.basename(plan))[0]
    shot = os.path.abspath(f"journey-{name}-gave-up.png")
    result = subprocess.run(
        [replay, "--assets", assets, "--frames", str(MAX_PASSES), "--plan", plan,
         "--data-dir", data_dir, "--give-up-shot", shot],
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
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    replay, assets, plans = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as data_dir:
        for plan in plans:
            if not play(replay, assets, os.path.abspath(plan), data_dir):
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
