"""Demos in the real game in a real X server: a run recorded with --record while real keys
drive it replays to the same end, and --playdemo leaves the player's data folder as it was."""
import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, bright_pixels, check, focus, press, replay_tool, run_tests, shot_into, wait_for  # noqa: E402

SHOTS = tempfile.mkdtemp(prefix="velmora-demos-")
SHIPPED = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "demos", "opening-drive.demo")


def title_waits(game, window, name):
    """The title shows "press enter" at (446, 439) once the logo has run."""
    return wait_for(lambda: bright_pixels(shot_into(SHOTS, game, window, name), 446, 439, 190, 24) > 20)


def folder_contents(folder):
    contents = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), "rb") as f:
            contents[name] = f.read()
    return contents


def fixed_size(game, window):
    """A window has a fixed size (its minimum and maximum) while windowed, none in fullscreen."""
    hints = subprocess.run(["xprop", "-id", window, "WM_NORMAL_HINTS"], env=game.env, capture_output=True, text=True)
    return "maximum size: 640 by 480" in hints.stdout


def screenshots_of(game):
    folder = os.path.join(game.data_folder, "screenshots")
    return [os.path.join(folder, name) for name in sorted(os.listdir(folder))] if os.path.isdir(folder) else []


def switch_fullscreen(game, window, settings, fixed):
    """Alt+Enter, as the settings page's fullscreen line: saved at once, and followed."""
    game.xdotool("key", "alt+Return")
    check(wait_for(lambda: game.read_data_file("settings.sav") == settings and fixed_size(game, window) == fixed, 20),
          "Alt+Enter left settings.sav %r, a fixed window size %s"
          % (game.read_data_file("settings.sav"), fixed_size(game, window)))


def test_a_recorded_run_replays_to_the_same_end(binary, assets, display):
    """And the window's own keys stay out of it: Alt+Enter switches to fullscreen and back, F12
    writes the screen of its pass, as the replay tool's shot of that pass, to screenshots/."""
    track = os.path.join(SHOTS, "run.demo")
    game = Game(binary, assets, display, args=["--scale", "1", "--record", track])
    try:
        window = game.wait_for_window()
        focus(game, window)
        check(title_waits(game, window, "record-title"), "the title never asked for enter")
        press(game, "Return")
        time.sleep(1.5)
        press(game, "Return")  # "new game"
        check(wait_for(lambda: bright_pixels(shot_into(SHOTS, game, window, "record-level1"), 0, 330, 640, 150, 30)
                       > 2000, 90), "no dashboard in view")
        check(fixed_size(game, window), "the window is not windowed")
        switch_fullscreen(game, window, "10", False)
        switch_fullscreen(game, window, "00", True)
        press(game, "w", hold=1.5)
        press(game, "Escape")
        time.sleep(2.0)  # the pause menu writes itself in, then nothing moves
        seen = shot_into(SHOTS, game, window, "record-paused")
        game.xdotool("key", "F12")
        check(wait_for(lambda: len(screenshots_of(game)) == 1 and "velmora: screenshot " in game.output(), 20),
              "F12 wrote %s; the game said %r" % (screenshots_of(game), game.output()))
        screenshot = os.path.join(SHOTS, "f12.png")
        os.rename(screenshots_of(game)[0], screenshot)
        game.process.terminate()  # a window-close event
        game.process.wait(timeout=20)
        saved = game.read_data_file("game.sav")
    finally:
        game.close()

    with open(track) as f:
        lines = f.read().splitlines()
    check(lines[0].startswith("velmora-track 1 ") and lines[-1].endswith(" quit"), "not a whole recording")
    passes = int(lines[-1].split()[0])
    paused = max(int(line.split()[0]) for line in lines[1:] if line.endswith(" esc down"))
    with tempfile.TemporaryDirectory() as data:
        replayed = os.path.join(SHOTS, "replayed.png")
        # Every pass from the pause on, for the one F12 took.
        shots = {n: os.path.join(data, "pass%d.png" % n) for n in range(paused, passes)}
        shot_args = [arg for n, path in shots.items() for arg in ("--shot", "%d:%s" % (n, path))]
        result = subprocess.run([replay_tool(), "--assets", assets, "--frames", str(passes), "--input", track,
                                 "--data-dir", data, "--state", str(passes), "--shot", "%d:%s" % (passes, replayed)]
                                + shot_args, capture_output=True, text=True)
        with open(screenshot, "rb") as f:
            taken = f.read()
        same = [n for n, path in shots.items() if open(path, "rb").read() == taken]
        check(result.returncode == 0, "the replay failed: %s" % result.stderr)
        end = json.loads(result.stdout.splitlines()[-1])
        with open(os.path.join(data, "game.sav")) as f:
            check(f.read() == saved, "the replay saved another game")
    check(end["state"] == "paused" and end["level"] == 1 and end["car"]["x"] != 9.0,
          "the replay ends elsewhere: %s %s" % (end["state"], end["car"]))
    check(not end["gameFlags"]["fullscreen"], "Alt+Enter reached the recording")
    size = subprocess.run(["identify", "-format", "%m %w %h", screenshot], capture_output=True, text=True).stdout
    check(size == "PNG 640 480" and same, "F12 wrote %r, the replay's shot of no pass from %d on" % (size, paused))
    differing = subprocess.run(["compare", "-metric", "AE", "-fuzz", "3%", seen, replayed, "null:"],
                               capture_output=True, text=True).stderr.strip()
    check(float(differing.split()[0]) < 640 * 480 / 100, "the replayed screen differs in %s pixels" % differing)


def test_playdemo_leaves_the_data_folder_untouched(binary, assets, display):
    game = Game(binary, assets, display, settings="01", saved_game="1110000",
                args=["--scale", "1", "--playdemo", SHIPPED])
    try:
        before = folder_contents(game.data_folder)
        window = game.wait_for_window()
        focus(game, window)
        time.sleep(5)  # past the demo's "new game", which saves in the demo's own folder
        check(bright_pixels(shot_into(SHOTS, game, window, "demo-mark"), 560, 6, 76, 22) > 50,
              "no demo mark in the top right corner")
        press(game, "w")  # the player's keys do nothing
        press(game, "Escape")
        check(title_waits(game, window, "after-demo"), "no title after the demo")
        check(bright_pixels(os.path.join(SHOTS, "after-demo.png"), 560, 6, 76, 22) == 0, "the demo mark stayed")
        check(game.process.poll() is None, "the game stopped")
        check(folder_contents(game.data_folder) == before, "the data folder changed")
    finally:
        game.close()


if __name__ == "__main__":
    sys.exit(run_tests([test_a_recorded_run_replays_to_the_same_end, test_playdemo_leaves_the_data_folder_untouched],
                       "(screenshots in %s)" % SHOTS))
