#!/usr/bin/env python3
"""The shipped demos still play (the replay tool ends each where it ended when it was made,
not on the title), the replay tool's --record writes each back as it was, --timedemo prints its
one line for each, headless, and bad demo files are refused with one line and status 2.

    demos.py GAME REPLAY ASSETS DEMOS_FOLDER"""
import json
import os
import re
import subprocess
import sys
import tempfile

# Each shipped demo and where it ends: its level, and for the ghost cars the stage they come
# out in and none of them left on the road.
SHIPPED = {"opening-drive.demo": {"level": 2}, "ghost-cars.demo": {"level": 8, "stage": 3, "ghosts": 0}}
TIMEDEMO_LINE = re.compile(r"^.+: (\d+) passes in [\d.]+ s, [\d.]+ passes/s, drawing median [\d.]+ ms, p99 [\d.]+ ms$")


def headless(extra=None):
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    env.update(extra or {})
    return env


def ghosts_abroad(state):
    """Ghost cars out on patrol or hunting, each group (all its copies) counted once."""
    return len({o["group"] for o in state.get("objects", [])
                if o["kind"] == "ghostCar" and o["visible"] and o["mode"] in ("patrol", "attack")})


def main():
    game, replay, assets, demos = sys.argv[1:5]
    failures = []
    env = headless({"VELMORA_DATA_DIR": assets})
    for name, wanted in SHIPPED.items():
        path = os.path.join(demos, name)
        with open(path) as f:
            passes = max(int(line.split()[0]) for line in f.readlines()[1:])
        with tempfile.TemporaryDirectory() as folder:
            again = os.path.join(folder, name)
            state = subprocess.run([replay, "--frames", str(passes), "--input", path, "--state", str(passes),
                                    "--objects", "--record", again], capture_output=True, text=True, env=env)
            if state.returncode != 0 or open(again, "rb").read() != open(path, "rb").read():
                failures.append("--record of %s: status %d, not the same file" % (name, state.returncode))
        last = json.loads(state.stdout.splitlines()[-1]) if state.returncode == 0 else {}
        ended = {"level": last.get("level"), "stage": last.get("stage"), "ghosts": ghosts_abroad(last)}
        if any(ended[key] != value for key, value in wanted.items()) or last.get("state") != "inGame":
            failures.append("%s ends in %s, state %s, not %s" % (name, ended, last.get("state"), wanted))
        timed = subprocess.run([game, "--timedemo", path], capture_output=True, text=True, env=env, timeout=300)
        lines = timed.stdout.splitlines()
        match = TIMEDEMO_LINE.match(lines[0]) if len(lines) == 1 else None
        if timed.returncode != 0 or not match or int(match.group(1)) != passes:
            failures.append("--timedemo %s: status %d, printed %r" % (name, timed.returncode, timed.stdout))

    with tempfile.TemporaryDirectory() as folder:
        good = open(os.path.join(demos, "opening-drive.demo")).read()
        bad = {"cut": good[:len(good) - 4], "newer": good.replace("velmora-track 1", "velmora-track 9", 1),
               "settings": "00\n", "empty": ""}
        for name, text in bad.items():
            with open(os.path.join(folder, name), "w") as f:
                f.write(text)
        cases = [os.path.join(folder, "missing"), folder, os.path.join(assets, "art", "icon.png")]
        cases += [os.path.join(folder, name) for name in bad]
        for path in cases:
            for option in ("--playdemo", "--timedemo"):
                refused = subprocess.run([game, option, path], capture_output=True, text=True, env=env, timeout=60)
                said = refused.stderr.strip().splitlines()
                if refused.returncode != 2 or len(said) != 1 or path not in said[0] or refused.stdout:
                    failures.append("%s %s: status %d, said %r" % (option, path, refused.returncode, refused.stderr))
    for failure in failures:
        print("FAIL", failure)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
