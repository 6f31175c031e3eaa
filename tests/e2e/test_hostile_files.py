"""Files a hostile or careless user could hand the game: an icon far too large for any window
system, named pipes in place of pictures and sounds, and settings and save files holding junk of the right
length, bytes that are not UTF-8 included."""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, replay_tool, run_tests, wait_for  # noqa: E402


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def assets_with(assets, replaced):
    """A copy of the assets folder (links, not copies) in which each file named in `replaced`
    (a path such as art/icon.png) is left for the caller to put in place."""
    folder = tempfile.mkdtemp(prefix="velmora-assets-")
    for top in ("art", "sounds"):
        for root, _, files in os.walk(os.path.join(assets, top)):
            mirror = os.path.join(folder, os.path.relpath(root, assets))
            os.makedirs(mirror, exist_ok=True)
            for name in files:
                if os.path.relpath(os.path.join(root, name), assets) not in replaced:
                    os.symlink(os.path.join(root, name), os.path.join(mirror, name))
    return folder


def assets_with_icon(assets, size):
    """A copy of the assets folder whose art/icon.png is a size x size picture."""
    folder = assets_with(assets, {"art/icon.png"})
    subprocess.run(["convert", "-size", "%dx%d" % (size, size), "gradient:red-blue",
                    "PNG32:" + folder + "/art/icon.png"], check=True)
    return folder


def icon_size(game, window):
    """Width and height of the window's icon as the window manager sees it; None without one."""
    prop = subprocess.run(["xprop", "-id", window, "-notype", "32c", "_NET_WM_ICON"], env=game.env,
                          capture_output=True, text=True).stdout
    if "=" not in prop:
        return None
    values = prop.split("=", 1)[1].replace(",", " ").split()
    return int(values[0]), int(values[1])


def test_a_huge_icon_is_shrunk_and_the_game_plays(binary, assets, display):
    folder = assets_with_icon(assets, 3000)
    game = Game(binary, folder, display)
    try:
        window = game.wait_for_window()
        time.sleep(1.0)  # the logo runs
        check(game.process.poll() is None, "the game stopped: %r" % game.output()[-2000:])
        # The icon is set once the picture is shrunk, which a sanitizer build on a busy machine
        # may not have done within the first second.
        wait_for(lambda: icon_size(game, window) is not None, timeout=20.0)
        size = icon_size(game, window)
        check(size is not None and max(size) <= 256, "the window's icon is %r" % (size,))
        game.process.send_signal(signal.SIGTERM)
        check(game.process.wait(timeout=5) == 0, "the game did not close cleanly")
    finally:
        game.close()
        shutil.rmtree(folder, ignore_errors=True)


def test_named_pipes_in_place_of_pictures_and_sounds_are_passed_over(binary, assets, display):
    files = {"art/icon.png", "art/blank.png", "art/hud/headlights.png", "sounds/sfx/alarm.wav"}
    folder = assets_with(assets, files)
    for name in files:
        os.mkfifo(os.path.join(folder, name))
    game = Game(binary, folder, display)
    try:
        game.wait_for_window()
        time.sleep(1.5)  # loading, then the logo
        check(game.process.poll() is None, "the game stopped: %r" % game.output()[-2000:])
        # A game still held in open() by a pipe hears no signal: this one is in its main loop.
        game.process.send_signal(signal.SIGTERM)
        check(game.process.wait(timeout=10) == 0, "the game did not close: %r" % game.output()[-2000:])
    finally:
        game.close()
        shutil.rmtree(folder, ignore_errors=True)


def test_junk_files_of_the_right_length_are_kept_and_read_as_off(binary, assets, display):
    data = tempfile.mkdtemp(prefix="velmora-junk-")
    try:
        with open(os.path.join(data, "settings.sav"), "wb") as f:
            f.write(b"\xff\xfe")
        with open(os.path.join(data, "game.sav"), "wb") as f:
            f.write(b"zz\x80zzzz")
        # The saved game is read once the logo has run (84 passes).
        run = subprocess.run([replay_tool(), "--frames", "100", "--data-dir", data, "--assets", assets,
                              "--state", "all"], capture_output=True, check=True)
        # Strict UTF-8 and a strict JSON reader: every line must parse.
        states = [json.loads(line) for line in run.stdout.decode("utf-8").splitlines()]
        check(len(states) == 100, "%d state lines" % len(states))
        last = states[-1]
        check(last["settingsText"] == "\xff\xfe", "settings read as %r" % last["settingsText"])
        check(last["gameSaveText"] == "zz\x80zzzz", "saved game read as %r" % last["gameSaveText"])
        check(not last["gameFlags"]["fullscreen"] and not last["gameFlags"]["thirtyFps"],
              "junk switched something on: %r" % last["gameFlags"])
        check(last["progressFlags"] == "000000", "junk won flames: %r" % last["progressFlags"])
        with open(os.path.join(data, "settings.sav"), "rb") as f:
            check(f.read() == b"\xff\xfe", "the settings file was rewritten")
    finally:
        shutil.rmtree(data, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(run_tests([test_a_huge_icon_is_shrunk_and_the_game_plays,
                        test_named_pipes_in_place_of_pictures_and_sounds_are_passed_over,
                        test_junk_files_of_the_right_length_are_kept_and_read_as_off]))
