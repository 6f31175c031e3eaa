#!/usr/bin/env python3
"""The Windows game under Wine, in a Wine prefix of its own: the command line, both shipped demos
played by --timedemo against the native game, saves in its APPDATA, a failed start's message box,
the real window under Xvfb with key presses from xdotool, and the installer. Usage: underWine.py WINDOWS_DIR BUILD_DIR"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
from xsession import XServer, bright_pixels, check, press, wait_for  # noqa: E402

DEMOS = os.path.join(HERE, "..", "..", "demos")
SHIPPED = ("opening-drive.demo", "ghost-cars.demo")
HEADLESS = {"SDL_VIDEODRIVER": "dummy", "SDL_AUDIODRIVER": "dummy"}


class Wine:
    """A private Wine prefix on the test's X server; every program of it ends with the test."""

    def __init__(self, root, display):
        self.env = dict(os.environ, WINEPREFIX=os.path.join(root, "prefix"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", DISPLAY=display, LANG="C.UTF-8")
        for name in ("SDL_VIDEODRIVER", "SDL_AUDIODRIVER", "VELMORA_DATA_DIR", "SDL12COMPAT_WINDOW_SCALING"):
            self.env.pop(name, None)
        subprocess.run(["wineboot", "--init"], env=self.env, check=True, capture_output=True, timeout=300)
        self.wait()
        self.drive_c = os.path.join(self.env["WINEPREFIX"], "drive_c")
        user = next(name for name in os.listdir(os.path.join(self.drive_c, "users")) if name != "Public")
        self.app_data = os.path.join(self.drive_c, "users", user, "AppData", "Roaming", "Velmora")

    def run(self, args, extra=None, timeout=300):
        done = subprocess.run(["wine", *args], env=dict(self.env, **(extra or {})), capture_output=True,
                              timeout=timeout)
        text = lambda data: data.decode("utf-8", "replace").replace("\r\n", "\n")  # noqa: E731
        return done.returncode, text(done.stdout), text(done.stderr)

    def start(self, args, log, extra=None):
        return subprocess.Popen(["wine", *args], env=dict(self.env, **(extra or {})), stdout=log,
                                stderr=subprocess.STDOUT)

    def wait(self):
        """Until every program of the prefix has ended: an uninstaller, say, goes on alone."""
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=300)

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)

    def data_file(self, name):
        path = os.path.join(self.app_data, name)
        return open(path, errors="replace").read() if os.path.exists(path) else None


def check_command_line(wine, exe, failures):
    status, out, _ = wine.run([exe, "--version"])
    if status != 0 or not out.startswith("velmora "):
        failures.append("--version: status %d, printed %r" % (status, out))
    status, out, _ = wine.run([exe, "--help"])
    if status != 0 or not out.startswith("usage: velmora"):
        failures.append("--help: status %d, printed %r" % (status, out[:200]))
    status, _, err = wine.run([exe, "--no-such-option"])
    if status != 2 or "velmora --help" not in err:
        failures.append("a bad option: status %d, said %r" % (status, err))


def timedemo(command, demo, env):
    done = subprocess.run([*command, "--timedemo", demo, "--state"], env=env, capture_output=True, timeout=600)
    lines = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n").splitlines()
    return done.returncode, lines


def check_demos(wine, exe, game, failures):
    """Each shipped demo ends in the same state on Windows as on Linux, to the last bit."""
    for name in SHIPPED:
        demo = os.path.join(DEMOS, name)
        status, linux = timedemo([game], demo, dict(os.environ, **HEADLESS))
        wine_status, windows = timedemo(["wine", exe], demo, dict(wine.env, **HEADLESS))
        if status != 0 or wine_status != 0 or len(linux) != 2 or len(windows) != 2:
            failures.append("--timedemo %s: status %d under Wine (%d on Linux), printed %r"
                            % (name, wine_status, status, windows))
            continue
        print("%s\n  Linux: %s\n  Wine:  %s" % (name, linux[0], windows[0]))
        if json.loads(windows[1]) != json.loads(linux[1]):
            failures.append("--timedemo %s ends in %s under Wine, in %s on Linux" % (name, windows[1], linux[1]))


def started_and_stopped(wine, exe, log, until):
    """The game started headless until the condition holds (or 30 s), then stopped."""
    process = wine.start([exe], log, HEADLESS)
    held = wait_for(until, 30)
    process.kill()
    process.wait()
    wine.stop()
    return held


def check_corrupt_save(wine, exe, root, failures):
    os.makedirs(wine.app_data, exist_ok=True)
    with open(os.path.join(wine.app_data, "game.sav"), "w") as f:
        f.write("not a save")
    with open(os.path.join(root, "corrupt.log"), "w") as log:
        kept = started_and_stopped(wine, exe, log, lambda: wine.data_file("game.sav.bad") == "not a save"
                                   and wine.data_file("game.sav") == "0000000")
    if not kept:
        failures.append("a corrupt game.sav: .bad holds %r, game.sav %r"
                        % (wine.data_file("game.sav.bad"), wine.data_file("game.sav")))
    for name in ("game.sav", "game.sav.bad"):
        os.remove(os.path.join(wine.app_data, name))


def menu_line(path, line):
    """Bright pixels in menu line `line` (0 first), written from x = 23 at y = 30 + 21 * line."""
    return bright_pixels(path, 20, 30 + 21 * line, 300, 20)


class WindowedGame:
    """The game in its real window on the X server, under Wine."""

    def __init__(self, wine, exe, root, name, args=(), scale=1):
        self.env = wine.env
        self.root = root
        self.scale = scale
        self.log = open(os.path.join(root, name + ".log"), "w")
        self.process = wine.start([exe, *args], self.log)
        found = wait_for(lambda: self.xdotool("search", "--name", "^Velmora$").stdout.strip(), 60)
        check(found, "no window titled Velmora within 60 s: %s" % self.said())
        self.window = self.xdotool("search", "--name", "^Velmora$").stdout.split()[0]
        self.xdotool("windowfocus", "--sync", self.window)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)

    def said(self):
        self.log.flush()
        return open(self.log.name, errors="replace").read()[-1000:]

    def size(self):
        geometry = self.xdotool("getwindowgeometry", self.window).stdout
        return next(line.split()[-1] for line in geometry.splitlines() if "Geometry:" in line)

    def shot(self, name):
        """The window's picture at 640x480, each scaled pixel taken once."""
        path = os.path.join(self.root, name + ".png")
        subprocess.run(["import", "-window", self.window, path], env=self.env, check=True, capture_output=True)
        if self.scale > 1:
            subprocess.run(["convert", path, "-sample", "640x480", path], check=True)
        return path

    def sharp(self):
        """True when every pixel of the screen shows as a sharp square of the scale's side."""
        path = os.path.join(self.root, "scaled.png")
        subprocess.run(["import", "-window", self.window, path], env=self.env, check=True, capture_output=True)
        squares = os.path.join(self.root, "squares.png")
        subprocess.run(["convert", path, "-sample", "640x480", "-sample", "%dx%d" % (640 * self.scale, 480 * self.scale),
                        squares], check=True)
        compared = subprocess.run(["compare", "-metric", "AE", path, squares, "null:"], capture_output=True, text=True)
        return compared.stderr.strip() == "0"

    def menu_lines(self):
        """How many lines the menu shows, once the title has asked for Enter and got it."""
        title = wait_for(lambda: bright_pixels(self.shot("title"), 446, 439, 190, 24) > 20, 90)
        check(title, "the title never asked for enter")
        press(self, "Return")
        check(wait_for(lambda: menu_line(self.shot("menu"), 2) > 20, 30), "no menu after Enter")
        time.sleep(1.0)  # the last line finishes writing itself in
        menu = self.shot("menu")
        return sum(1 for line in range(5) if menu_line(menu, line) > 20)

    def close(self):
        self.process.kill()
        self.process.wait()
        self.log.close()


def check_start_failure(wine, windows_dir, root, failures):
    """Started as from the Start menu (no console), a game that finds no art says why in a
    message box, and ends with 1 once it is closed."""
    alone = os.path.join(root, "no-art")
    os.makedirs(alone)
    for name in os.listdir(windows_dir):
        if name.endswith((".exe", ".dll")) and "setup" not in name:
            shutil.copy(os.path.join(windows_dir, name), alone)
    process = subprocess.Popen(["wine", "start", "/wait", "/unix", os.path.join(alone, "velmora.exe")],
                               env=dict(wine.env, VELMORA_DATA_DIR="C:\\nothing"), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    find_box = lambda: subprocess.run(["xdotool", "search", "--name", "^Velmora$"], env=wine.env,  # noqa: E731
                                      capture_output=True, text=True).stdout.split()
    if not wait_for(find_box, 30):
        failures.append("no message box from a start without art")
        process.kill()
    else:
        subprocess.run(["import", "-window", "root", os.path.join(root, "message-box.png")], env=wine.env)
        subprocess.run(["xdotool", "key", "--window", find_box()[-1], "Return"], env=wine.env, capture_output=True)
    status = process.wait(timeout=30)
    # In the user's temporary folder, wherever this Wine keeps it.
    users = os.path.join(wine.drive_c, "users")
    kept = [os.path.join(folder, "velmora-messages.txt") for folder, _, files in os.walk(users)
            if "velmora-messages.txt" in files]
    said = open(kept[0], errors="replace").read() if kept else ""
    if status != 1 or "not one picture could be read" not in said:
        failures.append("a start without art from the Start menu: status %d, kept %r" % (status, said))
    wine.stop()


def check_window_and_save(wine, exe, root, failures):
    """On a 1920x1080 desktop: at --scale 1 the window is 640x480, and Enter, Enter starts a new
    game, whose save (no progress yet, so no "continue") the next start reads and keeps; that
    start, at the automatic scale, shows each pixel as a sharp 2x2 square."""
    game = WindowedGame(wine, exe, root, "first", ["--scale", "1"])
    try:
        if game.size() != "640x480":
            failures.append("the window is %s, not 640x480" % game.size())
        lines = game.menu_lines()
        if lines != 3:
            failures.append("the first menu shows %d lines, not 3" % lines)
        press(game, "Return")  # "new game"
        if not wait_for(lambda: wine.data_file("game.sav") == "0000000", 30):
            failures.append("a new game did not write game.sav: %r" % wine.data_file("game.sav"))
    except AssertionError as error:
        failures.append("the first window: %s; the game said %r" % (error, game.said()))
    finally:
        game.close()
        wine.stop()
    game = WindowedGame(wine, exe, root, "second", scale=2)
    try:
        if game.size() != "1280x960":
            failures.append("the automatic scale on 1920x1080 gives %s, not 1280x960" % game.size())
        lines = game.menu_lines()
        if not game.sharp():
            failures.append("the scaled window's pixels are not sharp 2x2 squares")
        if lines != 3 or wine.data_file("game.sav") != "0000000":
            failures.append("the second start shows %d menu lines and game.sav %r"
                            % (lines, wine.data_file("game.sav")))
    except AssertionError as error:
        failures.append("the second window: %s; the game said %r" % (error, game.said()))
    finally:
        game.close()
        wine.stop()


# A folder and a demo named beyond ASCII: the program finds its art beside it, and opens the
# demo named on its command line, by their wide names. (The installer takes its folder from the
# rest of its command line, so the name has no space: Wine would put it in quotes.)
INSTALLED = "C:\\Spiele\\Velmöra-Ω"
DEMO_FOLDER = "Démos ✓"


def check_installer(wine, windows_dir, failures):
    """A silent install into a folder named beyond ASCII, the installed game playing a demo from
    another, and a silent uninstall that leaves nothing behind."""
    setup = next(name for name in os.listdir(windows_dir) if name.endswith("-setup.exe"))
    status, _, _ = wine.run([os.path.join(windows_dir, setup), "/S", "/D=" + INSTALLED])
    wine.wait()
    folder = os.path.join(wine.drive_c, *INSTALLED.split("\\")[1:])
    link = os.path.join(wine.drive_c, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                        "Velmora.lnk")
    if status != 0 or not os.path.exists(os.path.join(folder, "velmora.exe")) or not os.path.exists(link):
        failures.append("the installer: status %d, placed %s, link %s"
                        % (status, os.listdir(folder) if os.path.isdir(folder) else "nothing", os.path.exists(link)))
        return
    os.makedirs(os.path.join(wine.drive_c, DEMO_FOLDER), exist_ok=True)
    shutil.copy(os.path.join(DEMOS, SHIPPED[0]), os.path.join(wine.drive_c, DEMO_FOLDER, SHIPPED[0]))
    status, out, err = wine.run([INSTALLED + "\\velmora.exe", "--timedemo",
                                 "C:\\%s\\%s" % (DEMO_FOLDER, SHIPPED[0])], HEADLESS)
    if status != 0 or "passes/s" not in out:
        failures.append("the installed game: status %d, printed %r, said %r" % (status, out, err))
    wine.run([INSTALLED + "\\uninstall.exe", "/S"])
    wine.wait()
    if os.path.exists(folder) or os.path.exists(link):
        left = os.listdir(folder) if os.path.isdir(folder) else []
        failures.append("the uninstaller left %s%s" % (left, " and the Start-menu link" if os.path.exists(link) else ""))


def main():
    windows_dir, build_dir = (os.path.abspath(path) for path in sys.argv[1:3])
    exe = os.path.join(windows_dir, "velmora.exe")
    game = os.path.join(build_dir, "velmora")
    failures = []
    root = tempfile.mkdtemp(prefix="velmora-wine-")
    with XServer("1920x1080") as server:
        wine = Wine(root, server.display)
        try:
            for check_one in (lambda: check_command_line(wine, exe, failures),
                              lambda: check_demos(wine, exe, game, failures),
                              lambda: check_corrupt_save(wine, exe, root, failures),
                              lambda: check_start_failure(wine, windows_dir, root, failures),
                              lambda: check_window_and_save(wine, exe, root, failures),
                              lambda: check_installer(wine, windows_dir, failures)):
                before = len(failures)
                started = time.monotonic()
                check_one()
                print("%s %s (%.0f s)" % ("FAIL" if len(failures) > before else "PASS",
                                          check_one.__code__.co_names[0], time.monotonic() - started))
        finally:
            wine.stop()
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        print("(the games' logs and screenshots are in %s)" % root)
        return 1
    shutil.rmtree(root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
