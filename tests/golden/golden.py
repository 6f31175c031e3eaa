#!/usr/bin/env python3
"""The golden replays: input tracks played through the replay tool, whose every state line
and every 50th screen were recorded once and must come out the same after any change that
is not meant to alter what the player sees.

    golden.py record REPLAY ASSETS [NAME ...]   write the traces under traces/
    golden.py check  REPLAY ASSETS [NAME ...]   play every track again and compare

A track is an input track whose leading comment lines give its replay options:
    # frames: 900
    # args: --level 8 --pose 40.5,30.5,90
    # save: 1110000          (optional: game.sav before the run)
"""
import gzip
import hashlib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TRACKS = os.path.join(HERE, "tracks")
TRACES = os.path.join(HERE, "traces")
SHOT_EVERY = 50
OBJECTS_EVERY = 25


def read_header(path):
    header = {"frames": None, "args": "", "save": None}
    with open(path) as f:
        for line in f:
            if not line.startswith("#"):
                continue
            key, _, value = line[1:].partition(":")
            if key.strip() in header:
                header[key.strip()] = value.strip()
    if header["frames"] is None:
        sys.exit(f"{path}: no '# frames:' line")
    header["frames"] = int(header["frames"])
    return header


def replay(replay_bin, assets, track, header, workdir, extra):
    data = os.path.join(workdir, "data")
    os.makedirs(data, exist_ok=True)
    for name in os.listdir(data):
        os.remove(os.path.join(data, name))
    if header["save"] is not None:
        with open(os.path.join(data, "game.sav"), "w") as f:
            f.write(header["save"] + "\n")
    command = [replay_bin, "--frames", str(header["frames"]), "--input", track, "--data-dir", data,
               "--assets", assets] + header["args"].split() + extra
    result = subprocess.run(command, cwd=assets, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{os.path.basename(track)}: replay failed ({result.returncode}): {result.stderr}")
    return result.stdout


def play(replay_bin, assets, name, workdir):
    """The three records of one track: state lines, object lines and screen digests."""
    track = os.path.join(TRACKS, name + ".track")
    header = read_header(track)
    frames = header["frames"]
    shots = list(range(SHOT_EVERY, frames + 1, SHOT_EVERY))
    shot_args = []
    for n in shots:
        shot_args += ["--shot", f"{n}:{os.path.join(workdir, f'{name}-{n:05d}.png')}"]
    states = replay(replay_bin, assets, track, header, workdir, ["--state", "all"] + shot_args)
    object_args = ["--objects"]
    for n in range(OBJECTS_EVERY, frames + 1, OBJECTS_EVERY):
        object_args += ["--state", str(n)]
    objects = replay(replay_bin, assets, track, header, workdir, object_args)
    digests = []
    for n in shots:
        path = os.path.join(workdir, f"{name}-{n:05d}.png")
        if os.path.exists(path):
            with open(path, "rb") as f:
                digests.append(f"{n} {hashlib.sha256(f.read()).hexdigest()}\n")
    return {"states": states, "objects": objects, "shots": "".join(digests)}


def trace_path(name, part):
    return os.path.join(TRACES, f"{name}.{part}.gz")


def write_trace(name, part, text):
    os.makedirs(TRACES, exist_ok=True)
    # A fixed mtime keeps the recorded files byte-identical from one recording to the next.
    with open(trace_path(name, part), "wb") as raw:
        with gzip.GzipFile(fileobj=raw, mode="wb", mtime=0, filename="") as f:
            f.write(text.encode())


def read_trace(name, part):
    with gzip.open(trace_path(name, part), "rt") as f:
        return f.read()


def first_difference(name, part, want, got):
    want_lines, got_lines = want.splitlines(), got.splitlines()
    for i, (a, b) in enumerate(zip(want_lines, got_lines)):
        if a != b:
            return f"{name}.{part} line {i + 1} differs:\n  recorded: {a[:600]}\n  now:      {b[:600]}"
    return f"{name}.{part}: {len(want_lines)} lines recorded, {len(got_lines)} now"


def track_names(requested):
    names = sorted(f[:-6] for f in os.listdir(TRACKS) if f.endswith(".track"))
    return [n for n in names if not requested or n in requested]


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in ("record", "check"):
        sys.exit(__doc__)
    mode, replay_bin, assets = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    names = track_names(sys.argv[4:])
    failures = 0
    keep = os.environ.get("GOLDEN_KEEP")  # a folder to keep the screens of a failing run in
    for name in names:
        with tempfile.TemporaryDirectory() as workdir:
            now = play(replay_bin, assets, name, workdir)
            if mode == "record":
                for part, text in now.items():
                    write_trace(name, part, text)
                print(f"recorded {name}: {now['states'].count(chr(10))} passes")
                continue
            differences = [first_difference(name, part, read_trace(name, part), text)
                           for part, text in now.items() if read_trace(name, part) != text]
            if differences:
                failures += 1
                print(f"FAIL {name}")
                for d in differences:
                    print(d)
                if keep:
                    os.makedirs(keep, exist_ok=True)
                    for f in os.listdir(workdir):
                        if f.endswith(".png"):
                            os.replace(os.path.join(workdir, f), os.path.join(keep, f))
            else:
                print(f"ok   {name}")
    if mode == "check":
        print(f"{len(names) - failures} passed, {failures} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
