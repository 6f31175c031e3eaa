#!/usr/bin/env python3
"""The shipped demos still play (the replay tool ends each where it ended when it was made,
not on the title), the replay tool's --record writes each back as it was, --timedemo prints its
one line for each, headless, and bad demo files are refused with one line and status 2. A
demo cut short plays up to its last whole line, bytes from a demo reach standard error
escaped, --record never writes over what is not a recording, and a demo's temporary folder
left by a killed game is cleared up at the next start while any other is kept.

    demos.py GAME REPLAY ASSETS DEMOS_FOLDER"""
import fcntl
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

# Each shipped demo and where it ends: its level, and for the ghost cars the stage they come
# out in and none of them left on the road.
SHIPPED = {"opening-drive.demo": {"level": 2}, "ghost-cars.demo": {"level": 8, "stage": 3, "ghosts": 0}}
# A run with the pad's stick and d-pad and a lost focus (it pauses the game), kept beside this
# script: the stick turns the car, so a sign or a feed gone wrong ends it elsewhere.
PAD_AND_FOCUS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pad-and-focus.demo")
TIMEDEMO_LINE = re.compile(r"^.+: (\d+) passes in [\d.]+ s, [\d.]+ passes/s, drawing median [\d.]+ ms, p99 [\d.]+ ms$")
TEN_MINUTES_AGO = time.time() - 11 * 60


def headless(extra=None):
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    env.update(extra or {})
    return env


def run(command, env, timeout=60):
    """Status (None when it had to be stopped), standard output and error as text."""
    try:
        done = subprocess.run(command, capture_output=True, env=env, timeout=timeout)
    except subprocess.TimeoutExpired:
        return None, "", ""
    return done.returncode, done.stdout.decode("latin-1"), done.stderr.decode("latin-1")


def printable(text):
    return all(" " <= c <= "~" or c == "\n" for c in text)


def ghosts_abroad(state):
    """Ghost cars out on patrol or hunting, each group (all its copies) counted once."""
    return len({o["group"] for o in state.get("objects", [])
                if o["kind"] == "ghostCar" and o["visible"] and o["mode"] in ("patrol", "attack")})


def timedemo_passes(line):
    match = TIMEDEMO_LINE.match(line)
    return int(match.group(1)) if match else None


def check_shipped(game, replay, demos, env, failures):
    runs = [(os.path.join(demos, name), dict(wanted, state="inGame")) for name, wanted in SHIPPED.items()]
    runs.append((PAD_AND_FOCUS, {"level": 1, "state": "paused"}))
    for path, wanted in runs:
        name = os.path.basename(path)
        with open(path) as f:
            passes = max(int(line.split()[0]) for line in f.readlines()[1:])
        with tempfile.TemporaryDirectory() as folder:
            again = os.path.join(folder, name)
            state = subprocess.run([replay, "--frames", str(passes), "--input", path, "--state", str(passes),
                                    "--objects", "--record", again], capture_output=True, text=True, env=env)
            if state.returncode != 0 or open(again, "rb").read() != open(path, "rb").read():
                failures.append("--record of %s: status %d, not the same file" % (name, state.returncode))
        last = json.loads(state.stdout.splitlines()[-1]) if state.returncode == 0 else {}
        ended = {"level": last.get("level"), "stage": last.get("stage"), "ghosts": ghosts_abroad(last),
                 "state": last.get("state")}
        if any(ended[key] != value for key, value in wanted.items()):
            failures.append("%s ends in %s, not %s" % (name, ended, wanted))
        # The game's own playback ends where the replay tool's does.
        status, out, _ = run([game, "--timedemo", path, "--state"], env, timeout=300)
        lines = out.splitlines()
        if status != 0 or len(lines) != 2 or timedemo_passes(lines[0]) != passes:
            failures.append("--timedemo %s: status %s, printed %r" % (name, status, out))
            continue
        last.pop("objects", None)
        if json.loads(lines[1]) != last:
            failures.append("--timedemo %s ends in %s, the replay tool in %s" % (name, lines[1], last))


def check_refused_and_damaged(game, replay, assets, demos, env, failures):
    with tempfile.TemporaryDirectory() as folder:
        good = open(os.path.join(demos, "opening-drive.demo")).read()
        header = good.splitlines()[0]
        files = {"newer": good.replace("velmora-track 1", "velmora-track 9", 1), "settings": "00\n", "empty": "",
                 "escape": header.replace("game=0.1.0", "game=\x1b]0;owned\x07") + "\n1 quit\n",
                 "late": header + "\n999999999 reached\n",
                 # cut short mid-line by a full disk: "1246 quit" became "1246 q"
                 "cut": good[:len(good) - 4], "elsewhere": good.replace("game=0.1.0", "game=%1B%5B2J%00owned", 1)}
        for name, text in files.items():
            with open(os.path.join(folder, name), "w", encoding="latin-1") as f:
                f.write(text)
        refused = [os.path.join(folder, "missing"), folder, os.path.join(assets, "art", "icon.png")]
        refused += [os.path.join(folder, name) for name in ("newer", "settings", "empty", "escape", "late")]
        for path in refused:
            for option in ("--playdemo", "--timedemo"):
                status, out, err = run([game, option, path], env)
                said = err.strip().splitlines()
                if status != 2 or len(said) != 1 or path not in said[0] or out or not printable(err):
                    failures.append("%s %s: status %s, said %r" % (option, path, status, err))
        status, _, err = run([replay, "--frames", "5", "--input", os.path.join(folder, "late")], env)
        if status != 2 or "past the last" not in err:
            failures.append("the replay tool took a pass past the last: status %s, said %r" % (status, err))
        # Played with one line of warning: up to the last whole line, or from another version.
        cut_line = "cut short in line %d" % len(good.splitlines())
        for name, passes, warning in (("cut", 1216, cut_line), ("elsewhere", 1246, "\\x1b[2J\\x00owned")):
            status, out, err = run([game, "--timedemo", os.path.join(folder, name)], env, timeout=300)
            if status != 0 or out.count("\n") != 1 or timedemo_passes(out.strip()) != passes \
                    or err.count("\n") != 1 or warning not in err \
                    or not printable(err):
                failures.append("--timedemo %s: status %s, printed %r, said %r" % (name, status, out, err))


def check_record_refusals(game, env, failures):
    """--record over anything but a recording, or into the data folder, is refused at once."""
    with tempfile.TemporaryDirectory() as home:
        data, elsewhere = os.path.join(home, "Velmora"), os.path.join(home, "elsewhere")
        os.makedirs(data)
        os.makedirs(elsewhere)
        saved = os.path.join(data, "game.sav")
        with open(saved, "w") as f:
            f.write("2110000\n")
        with open(os.path.join(elsewhere, "notes.txt"), "w") as f:
            f.write("brake s down\n")
        os.symlink(saved, os.path.join(elsewhere, "link.demo"))
        os.mkfifo(os.path.join(elsewhere, "fifo"))
        cases = [saved, os.path.join(elsewhere, "link.demo"), os.path.join(data, "new.demo"),
                 os.path.join(elsewhere, "notes.txt"), os.path.join(elsewhere, "fifo"), elsewhere]
        before = {path: os.path.isfile(path) and open(path, "rb").read() for path in cases}
        for path in cases:
            status, out, err = run([game, "--record", path], dict(env, XDG_DATA_HOME=home), timeout=20)
            said = err.strip().splitlines()
            after = os.path.isfile(path) and open(path, "rb").read()
            if status != 2 or len(said) != 1 or path not in said[0] or out or after != before[path]:
                failures.append("--record %s: status %s, said %r, the file %s" %
                                (path, status, err, "kept" if after == before[path] else "changed"))


def leave_demo_folders(game, demos, temporary, env):
    """Demo folders as games leave them: one by a game killed as it played (aged past the ten
    minutes a folder is left alone), one a game plays in now (locked), a new one, and others
    that only look like one. Answers each folder's path and whether it must be kept, and the
    lock to hold until they are checked."""
    playing = subprocess.Popen([game, "--timedemo", os.path.join(demos, "ghost-cars.demo")], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 60
    while time.time() < deadline and not [n for n in os.listdir(temporary) if n.startswith("velmora-demo-")]:
        time.sleep(0.01)
    playing.send_signal(signal.SIGKILL)
    playing.wait()
    killed = [os.path.join(temporary, n) for n in os.listdir(temporary) if n.startswith("velmora-demo-")]
    target = os.path.join(temporary, "target")
    folders = {path: False for path in killed}
    for name, kept in (("velmora-demo-Live01", True), ("velmora-demo-Fresh1", True),
                       ("velmora-demo-Longer1", True), ("velmora-demo-Link01", True), ("target", True)):
        folders[os.path.join(temporary, name)] = kept
    for path in folders:
        if path.endswith("Link01"):
            os.symlink(target, path)
        else:
            os.makedirs(os.path.join(path, "inside"), exist_ok=True)
    for path in folders:
        if not path.endswith("Fresh1"):
            os.utime(path, (TEN_MINUTES_AGO, TEN_MINUTES_AGO), follow_symlinks=False)
    lock = os.open(os.path.join(temporary, "velmora-demo-Live01"), os.O_RDONLY)
    fcntl.flock(lock, fcntl.LOCK_EX)
    return folders, lock, len(killed)


def main():
    game, replay, assets, demos = sys.argv[1:5]
    failures = []
    with tempfile.TemporaryDirectory() as temporary:
        env = headless({"VELMORA_DATA_DIR": assets, "TMPDIR": temporary})
        folders, lock, killed = leave_demo_folders(game, demos, temporary, env)
        check_shipped(game, replay, demos, env, failures)
        if killed != 1:
            failures.append("%d folders left by the killed game, not 1" % killed)
        for path, kept in folders.items():
            if os.path.lexists(path) != kept or (kept and not os.path.exists(os.path.join(path, "inside"))):
                failures.append("%s %s" % (path, "was removed" if kept else "was left"))
        os.close(lock)
        check_refused_and_damaged(game, replay, assets, demos, env, failures)
        check_record_refusals(game, env, failures)
    for failure in failures:
        print("FAIL", failure)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
