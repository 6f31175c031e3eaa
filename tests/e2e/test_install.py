"""The game installed into a fresh prefix starts the way a desktop starts it, from another folder."""
import glob
import os
import shlex
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, bright_pixels, run_tests  # noqa: E402


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    check(header[:8] == b"\x89PNG\r\n\x1a\n", "%s is not a PNG" % path)
    return struct.unpack(">II", header[16:24])


def desktop_entry(path):
    entry = {}
    with open(path) as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                entry[key] = value
    return entry


def check_desktop_files(share):
    """The desktop entry and its icons under share/, each icon in the folder of its size; the entry."""
    entry = desktop_entry(os.path.join(share, "applications/velmora.desktop"))
    check(entry.get("Type") == "Application" and entry.get("Icon") == "velmora", "entry: %r" % entry)
    icons = glob.glob(os.path.join(share, "icons/hicolor/*/apps/velmora.png"))
    folders = sorted(os.path.basename(os.path.dirname(os.path.dirname(icon))) for icon in icons)
    check(folders == ["256x256", "32x32"], "icons installed: %r" % icons)
    for icon in icons:
        size = os.path.basename(os.path.dirname(os.path.dirname(icon)))
        check(size == "%dx%d" % png_size(icon), "a %dx%d icon in the %s folder" % (png_size(icon) + (size,)))
    return entry


SCRIPTS = os.path.join(os.path.dirname(__file__), "..", "..", "scripts")


def run_script(name, *args):
    run = subprocess.run(["bash", os.path.join(SCRIPTS, name), *args], capture_output=True, text=True, timeout=120)
    check(run.returncode == 0, "%s failed: %s" % (name, run.stderr[-2000:]))


def test_installed_game_starts_from_its_desktop_entry_and_uninstalls_to_nothing(binary, assets, display):
    # What make install and make uninstall run, into a prefix with a space that does not exist yet.
    home = tempfile.mkdtemp(prefix="velmora-home-")
    prefix = os.path.join(home, "pre fix")
    build = os.path.dirname(binary)
    try:
        run_script("install.sh", build, "--prefix", prefix)
        entry = check_desktop_files(os.path.join(prefix, "share"))

        # As a desktop does: the Exec line run through PATH, from a folder that holds no art.
        command = [word for word in shlex.split(entry["Exec"]) if not word.startswith("%")]
        env = {"PATH": os.path.join(prefix, "bin") + os.pathsep + os.environ.get("PATH", "")}
        game = Game(command[0], "/", display, args=command[1:], env=env, pin_assets=False)
        try:
            window = game.wait_for_window()
            time.sleep(1.5)  # the loading word, then the logo and the title picture
            shot = os.path.join(game.data_home, "installed.png")
            check(game.screenshot(window, shot) == (640, 480), "the window is not 640 x 480")
            check(bright_pixels(shot, 0, 0, 640, 480) > 1000, "the screen is dark: no pictures were found")
            game.process.send_signal(signal.SIGTERM)
            check(game.process.wait(timeout=5) == 0, "exit status %d" % game.process.returncode)
            check("no art/" not in game.output(), "the game said: %r" % game.output())
            check(game.read_data_file("settings.sav") == "00", "settings.sav was not written")
        finally:
            game.close()
        run_script("uninstall.sh", build)
        left = [os.path.join(root, name) for root, dirs, files in os.walk(home) for name in dirs + files]
        check(not left, "left after uninstall: %r" % left[:10])
    finally:
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(run_tests([test_installed_game_starts_from_its_desktop_entry_and_uninstalls_to_nothing]))
