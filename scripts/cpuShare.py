#!/usr/bin/env python3
"""The real game's share of one core in a real Xvfb window, at the title and in play (a new
game, then `w` held to drive up level 1's road), with the X server's share beside it. Each
game given is measured in turn, round after round, so that builds compared meet the same load.

    cpuShare.py [--seconds S] [--rounds N] NAME=BUILD_DIR ...
    cpuShare.py before=build-before after=build

Each line: the name, the round, then game % / X server % at the title and in play."""
import argparse
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xsession import Game, XServer, bright_pixels, focus, press, wait_for  # noqa: E402


def cpu_seconds(pid):
    """User and system time of a process, all its threads, in seconds."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def shares(game, server, seconds):
    """The game's and the X server's CPU use over the next `seconds`, in % of one core."""
    game_start, x_start, clock = cpu_seconds(game.process.pid), cpu_seconds(server.process.pid), time.monotonic()
    time.sleep(seconds)
    elapsed = time.monotonic() - clock
    return (100 * (cpu_seconds(game.process.pid) - game_start) / elapsed,
            100 * (cpu_seconds(server.process.pid) - x_start) / elapsed)


def dashboard_shown(game, window, folder):
    path = os.path.join(folder, "play.png")
    game.screenshot(window, path)
    return bright_pixels(path, 0, 330, 640, 150, 30) > 2000


def measure(build, server, seconds, folder):
    game = Game(os.path.join(build, "velmora"), os.path.join(build, "assets"), server.display)
    try:
        window = game.wait_for_window()
        focus(game, window)
        time.sleep(4.0)  # past start-up and the logo, into the title
        title = shares(game, server, seconds)
        press(game, "Return")
        time.sleep(2.0)  # the menu writes itself in
        press(game, "Return")  # "new game"
        if not wait_for(lambda: dashboard_shown(game, window, folder), 90):
            raise RuntimeError("level 1 never came into view")
        game.xdotool("keydown", "w")
        try:
            play = shares(game, server, seconds)
        finally:
            game.xdotool("keyup", "w")
        return title, play
    finally:
        game.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=10.0)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("builds", nargs="+", metavar="NAME=BUILD_DIR")
    options = parser.parse_args()
    builds = [entry.split("=", 1) for entry in options.builds]
    folder = tempfile.mkdtemp(prefix="velmora-cpu-")
    print("| Build | Round | Title: game % / X % | Play: game % / X % |")
    print("| --- | ---: | --- | --- |")
    with XServer() as server:
        for round_number in range(1, options.rounds + 1):
            for name, build in builds:
                title, play = measure(os.path.abspath(build), server, options.seconds, folder)
                print("| %s | %d | %.1f / %.1f | %.1f / %.1f |" % (name, round_number, *title, *play), flush=True)


if __name__ == "__main__":
    main()
