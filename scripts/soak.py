#!/usr/bin/env python3
"""The soak: a long run of play on the busiest level under the replay tool, looping a short
track, with the process's memory (RSS), open files and live SDL surfaces sampled as it runs.

    scripts/soak.py BUILD_DIR PASSES [SAMPLE_SECONDS]

Prints one line a sample and a summary: RSS after start-up and its growth from then on, open
files and surfaces at the first sample after start-up and at the end, passes a second. Fails
(status 1) when the game's RSS grows by more than 1 MiB after start-up or files or surfaces
grow."""
import json
import os
import subprocess
import sys
import tempfile
import time

# Level 14: racing ghosts and lamps. Round and round, with a flash on each round.
TRACK = """loop 600
1-500 w
100-140 d
250-300 a
520-560 s
570-570 space
"""
ARGS = ["--level", "14", "--pose", "40.5,30.5,90"]
GROWTH_ALLOWED_KIB = 1024


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise ProcessLookupError  # a process that has exited keeps its status but no memory


def open_files(pid):
    return len(os.listdir(f"/proc/{pid}/fd"))


def surfaces(count_path):
    with open(count_path, "rb") as counter:
        return int.from_bytes(counter.read(8) or b"\0", "little", signed=True)


def build_counter(work):
    library = os.path.join(work, "soakSurfaces.so")
    cflags = subprocess.run(["pkg-config", "--cflags", "sdl"], capture_output=True, text=True,
                            check=True).stdout.split()
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "soakSurfaces.c")
    subprocess.run(["cc", "-shared", "-fPIC", "-O2", *cflags, source, "-o", library, "-ldl"], check=True)
    return library


def main():
    build = os.path.abspath(sys.argv[1])
    passes = int(sys.argv[2])
    every = float(sys.argv[3]) if len(sys.argv) > 3 else 5.0
    replay = os.path.join(build, "tools", "replay", "velmora-replay")
    assets = os.path.join(build, "assets")
    with tempfile.TemporaryDirectory(prefix="velmora-soak-") as work:
        track = os.path.join(work, "soak.track")
        with open(track, "w") as out:
            out.write(TRACK)
        count_path = os.path.join(work, "surfaces")
        env = dict(os.environ, LD_PRELOAD=build_counter(work), VELMORA_SURFACE_COUNT=count_path)
        data = os.path.join(work, "data")
        command = [replay, "--frames", str(passes), "--assets", assets, "--data-dir", data,
                   "--input", track, "--state", str(passes), *ARGS]
        started = time.monotonic()
        game = subprocess.Popen(command, cwd=assets, env=env, stdout=subprocess.PIPE, text=True)
        samples = []
        while game.poll() is None:
            time.sleep(every)
            try:
                sample = (time.monotonic() - started, rss_kib(game.pid), open_files(game.pid),
                          surfaces(count_path))
            except (FileNotFoundError, ProcessLookupError, ValueError):
                break
            samples.append(sample)
            print(f"{sample[0]:8.1f} s  rss {sample[1] / 1024:7.1f} MiB  files {sample[2]}  "
                  f"surfaces {sample[3]}", flush=True)
        output, _ = game.communicate()
        elapsed = time.monotonic() - started
    if game.returncode != 0 or len(samples) < 3:
        print(f"soak: the replay ended with status {game.returncode} after {len(samples)} samples")
        return 1
    last = json.loads(output.strip().splitlines()[-1]) if output.strip() else {}
    # The first sample is taken during start-up; the second is the baseline.
    base, end = samples[1], samples[-1]
    growth = max(s[1] for s in samples[1:]) - base[1]
    print(f"soak: {passes} passes in {elapsed:.0f} s ({passes / elapsed:.0f} passes a second), "
          f"ending in level {last.get('level')} in state {last.get('state')}")
    print(f"soak: rss after start-up {base[1] / 1024:.1f} MiB, growth to the end {growth / 1024:+.2f} MiB")
    print(f"soak: open files {base[2]} → {end[2]}, SDL surfaces {base[3]} → {end[3]}")
    flat = growth <= GROWTH_ALLOWED_KIB and end[2] <= base[2] and end[3] <= base[3]
    return 0 if flat else 1

if __name__ == "__main__":
    sys.exit(main())
