"""A new player's first minutes, with real key presses on the real game in a real X server:
the logo and the title, the menu, a new game, the pause menu, the way back to the title,
and a saved game offered for continuing."""
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import (Game, bright_pixels, check, focus, press, run_tests, shot_into,  # noqa: E402
                      wait_for)

SHOTS = tempfile.mkdtemp(prefix="velmora-play-")


def shot(game, window, name):
    return shot_into(SHOTS, game, window, name)


def title_waits(game, window, name):
    """The title shows "press enter" at (446, 439) once the logo has run."""
    return wait_for(lambda: bright_pixels(shot(game, window, name), 446, 439, 190, 24) > 20)


def menu_line(path, line):
    """Bright pixels in menu line `line` (0 first), written from x = 23 at y = 30 + 21 * line."""
    return bright_pixels(path, 20, 30 + 21 * line, 300, 20)


def test_new_game_pause_and_back_to_the_title(binary, assets, display):
    game = Game(binary, assets, display)
    try:
        window = game.wait_for_window()
        focus(game, window)
        # The logo runs 84 passes, then the title waits for enter.
        check(title_waits(game, window, "title"), "the title never asked for enter")
        check(bright_pixels(shot(game, window, "title"), 0, 0, 640, 400) > 500, "the title picture is dark")

        press(game, "Return")
        check(wait_for(lambda: menu_line(shot(game, window, "menu"), 2) > 20), "no menu with three lines")
        time.sleep(1.0)  # the last line finishes writing itself in
        menu = shot(game, window, "menu")
        check(menu_line(menu, 0) > 20, "no first menu line")
        check(menu_line(menu, 3) == 0, "a fourth menu line without a saved game")

        press(game, "Return")  # "new game"
        check(wait_for(lambda: game.read_data_file("game.sav") == "0000000", 20),
              "a new game did not write game.sav")
        # Level 1 holds the car while its words show, then the screen fades in.
        check(wait_for(lambda: bright_pixels(shot(game, window, "level1"), 0, 330, 640, 150, 30) > 2000, 90),
              "no dashboard in view")

        press(game, "Escape")
        check(wait_for(lambda: menu_line(shot(game, window, "paused"), 4) > 10, 30), "no pause menu")

        press(game, "Up")  # onto "return to title"
        time.sleep(0.3)
        press(game, "Return")
        check(wait_for(lambda: menu_line(shot(game, window, "logo-again"), 0) == 0, 30),
              "the menu is still there after return to title")
        check(game.process.poll() is None, "the game stopped")
    finally:
        game.close()


def test_saved_game_is_offered_for_continuing(binary, assets, display):
    game = Game(binary, assets, display, saved_game="1110000")
    try:
        window = game.wait_for_window()
        focus(game, window)
        check(title_waits(game, window, "title2"), "the title never asked for enter")
        press(game, "Return")
        check(wait_for(lambda: menu_line(shot(game, window, "continue-menu"), 3) > 20),
              "no fourth line: the continue item is missing")
        time.sleep(1.0)
        menu = shot(game, window, "continue-menu")
        arrow_line_1 = bright_pixels(menu, 20, 51, 18, 20)
        arrow_line_0 = bright_pixels(menu, 20, 30, 18, 20)
        check(arrow_line_1 > arrow_line_0, "the continue item is not the highlighted one")
    finally:
        game.close()


if __name__ == "__main__":
    sys.exit(run_tests([test_new_game_pause_and_back_to_the_title, test_saved_game_is_offered_for_continuing],
                       "(screenshots in %s)" % SHOTS))
