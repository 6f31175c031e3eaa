#!/usr/bin/env python3
"""Records a demo from real play: the game runs with --record in a private X server (Xvfb) and
a key script is played into its window with xdotool, in real time.

    demos/record.py GAME ASSETS SCRIPT OUT.demo [--saved TEXT]

A script holds one step a line: `wait S`, `press KEY`, `down KEY`, `up KEY` (xdotool's key
names: Return, Escape, w, a, ...) and `close` (a window-close event, which ends the recording).
Timing is the machine's, so two recordings of one script differ a little: check each with
velmora-replay (--state, --shot) before shipping it."""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xsession import Game, XServer, focus  # noqa: E402


def play_script(game, window, script):
    for line in open(script):
        words = line.split("#")[0].split()
        if not words:
            continue
        step, args = words[0], words[1:]
        if step == "wait":
            time.sleep(float(args[0]))
        elif step in ("down", "up"):
            game.xdotool("key" + step, args[0])
        elif step == "press":
            game.xdotool("keydown", args[0])
            time.sleep(0.1)
            game.xdotool("keyup", args[0])
        elif step == "close":
            game.process.terminate()  # SDL turns it into a window-close event
        else:
            raise SystemExit("%s: unknown step %r" % (script, step))


def main():
    arguments = sys.argv[1:]
    saved = None
    if "--saved" in arguments:
        at = arguments.index("--saved")
        saved = arguments[at + 1]
        del arguments[at:at + 2]
    if len(arguments) != 4:
        raise SystemExit(__doc__)
    binary, assets, script, out = (os.path.abspath(a) for a in arguments)
    with XServer() as server:
        game = Game(binary, assets, server.display, saved_game=saved, args=["--scale", "1", "--record", out])
        try:
            window = game.wait_for_window()
            focus(game, window)
            play_script(game, window, script)
            game.process.wait(timeout=30)
        finally:
            print(game.output(), end="")
            game.close()


if __name__ == "__main__":
    main()
