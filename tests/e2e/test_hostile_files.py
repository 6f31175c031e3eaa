"""Files a hostile or careless user could hand the game: an icon far too large for any window
system, named pipes in place of pictures and sounds, and settings and save files holding junk of the right
length, bytes that are not UTF-8 included."""
import json
import os
import pwd
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


# Title, then settings: music volume down one (a save of options.txt), back, new game (a save
# of game.sav), a little of level 1, and the window closed.
NEW_GAME_AFTER_A_CHANGE = """100-101 enter
200-201 down
220-221 enter
300-301 up
320-321 up
340-341 up
360-361 up
380-381 left
420-421 esc
500-501 up
520-521 enter
700 quit
"""


def as_nobody(assets):
    """What runs a process as the user nobody when the tests run as root, who reads any file
    whatever its mode; nothing otherwise. None when nobody cannot run the replay tool here."""
    if os.geteuid() != 0:
        return {}
    try:
        nobody = pwd.getpwnam("nobody")
    except KeyError:
        return None
    run_as = {"user": nobody.pw_uid, "group": nobody.pw_gid, "extra_groups": []}
    probe = subprocess.run(["test", "-x", replay_tool(), "-a", "-r", os.path.join(assets, "art", "icon.png")],
                           **run_as)
    return run_as if probe.returncode == 0 else None


def test_unreadable_saves_are_moved_aside_not_overwritten(binary, assets, display):
    """game.sav and options.txt restored from a backup as another user: the game cannot read
    them, says so on the title screen and on standard error, and offers no "continue". The
    new game's save moves game.sav aside first; options.txt, whose copy's name is taken, is
    never written over, and the change of volume is told as a save that failed."""
    run_as = as_nobody(assets)
    if run_as is None:
        print("SKIP test_unreadable_saves_are_moved_aside_not_overwritten: the tests run as root, and the "
              "user nobody cannot run the replay tool here")
        return
    data = tempfile.mkdtemp(prefix="velmora-unreadable-")
    track = data + ".track"
    files = {"game.sav": "2110000", "options.txt": "musicVolume 3\n", "options.txt.unreadable": "older\n"}
    try:
        for name, text in files.items():
            with open(os.path.join(data, name), "w") as f:
                f.write(text)
            os.chmod(os.path.join(data, name), 0)
        if run_as:
            os.chown(data, run_as["user"], run_as["group"])
        with open(track, "w") as f:
            f.write(NEW_GAME_AFTER_A_CHANGE)
        os.chmod(track, 0o644)
        run = subprocess.run([replay_tool(), "--frames", "800", "--data-dir", data, "--assets", assets,
                              "--input", track, "--state", "90", "--state", "390", "--state", "600"],
                             capture_output=True, text=True, **run_as)
        check(run.returncode == 0, "the replay failed: %s" % run.stderr[-2000:])
        title, changed, play = [json.loads(line) for line in run.stdout.splitlines()]
        check("could not read 2 files" in title["text"]["hint"], "on the title: %r" % title["text"])
        check("continue" not in changed["text"]["menu"], "the menu offers: %r" % changed["text"]["menu"])
        check("could not save" in changed["text"]["hint"], "the change: %r" % changed["text"])
        check(play["state"] == "inGame" and play["level"] == 1, "no new game: %r" % play["state"])
        game, options = os.path.join(data, "game.sav"), os.path.join(data, "options.txt")
        for said in ("cannot read %s: Permission denied" % game, "cannot read %s: Permission denied" % options,
                     "moved %s, which could not be read, to %s.unreadable\n" % (game, game),
                     "could not move %s, which could not be read, to %s.unreadable: File exists; nothing will "
                     "be saved to it\n" % (options, options)):
            check(said in run.stderr, "not said: %r in %r" % (said, run.stderr))

        def text_of(name):
            os.chmod(os.path.join(data, name), 0o600)
            with open(os.path.join(data, name)) as f:
                return f.read()
        check(text_of("game.sav.unreadable") == "2110000", "the saved game is lost")
        check(text_of("game.sav") == "0000000", "the new game was not saved: %r" % text_of("game.sav"))
        for name in ("options.txt", "options.txt.unreadable"):
            check(text_of(name) == files[name], "%s was written over: %r" % (name, text_of(name)))
    finally:
        shutil.rmtree(data, ignore_errors=True)
        if os.path.exists(track):
            os.unlink(track)


if __name__ == "__main__":
    sys.exit(run_tests([test_a_huge_icon_is_shrunk_and_the_game_plays,
                        test_named_pipes_in_place_of_pictures_and_sounds_are_passed_over,
                        test_junk_files_of_the_right_length_are_kept_and_read_as_off,
                        test_unreadable_saves_are_moved_aside_not_overwritten]))
