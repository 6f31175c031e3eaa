"""The real game in a real X server pauses when another window takes the keyboard away."""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import (Game, bright_pixels, check, focus, press, run_tests, shot_into,  # noqa: E402
                      wait_for)

SHOTS = tempfile.mkdtemp(prefix="velmora-focus-")


def shot(game, window, name):
    return shot_into(SHOTS, game, window, name)


def menu_line(path, line):
    """Bright pixels in menu line `line` (0 first) at y = 30 + 21 * line, right of the car's
    pillar (the lines begin at x = 30)."""
    return bright_pixels(path, 70, 30 + 21 * line, 250, 20)


def open_other_window(game):
    """A second X client's window, mapped; its process and window id."""
    other = subprocess.Popen(["xmessage", "-title", "velmoraOther", "another window"], env=game.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        found = game.xdotool("search", "--name", "^velmoraOther$")
        if found.returncode == 0 and found.stdout.strip():
            return other, found.stdout.split()[0]
        time.sleep(0.1)
    other.kill()
    raise AssertionError("the second window never appeared")


def test_losing_the_focus_in_play_pauses(binary, assets, display):
    game = Game(binary, assets, display)
    other = None
    try:
        window = game.wait_for_window()
        focus(game, window)
        check(wait_for(lambda: bright_pixels(shot(game, window, "title"), 446, 439, 190, 24) > 20),
              "the title never asked for enter")
        press(game, "Return")
        check(wait_for(lambda: menu_line(shot(game, window, "menu"), 2) > 20), "no menu")
        time.sleep(1.0)
        press(game, "Return")  # "new game"
        check(wait_for(lambda: bright_pixels(shot(game, window, "level1"), 0, 330, 640, 150, 30) > 2000, 90),
              "no dashboard in view")
        time.sleep(0.5)
        check(menu_line(shot(game, window, "playing"), 4) == 0, "a menu in play before the focus went")

        other, other_window = open_other_window(game)
        game.xdotool("windowfocus", "--sync", other_window)
        check(wait_for(lambda: menu_line(shot(game, window, "paused"), 4) > 10, 30),
              "no pause menu after another window took the focus")
        check(game.process.poll() is None, "the game stopped")
    finally:
        if other is not None:
            other.kill()
            other.wait()
        game.close()


if __name__ == "__main__":
    sys.exit(run_tests([test_losing_the_focus_in_play_pauses], "(screenshots in %s)" % SHOTS))
