"""A private X server (Xvfb) and the real game binary running in it, for end-to-end tests."""
import os
import shutil
import subprocess
import sys
import tempfile
import time


class XServer:
    """Xvfb on a display number it picks itself, with a desktop of the given size; stopped on exit.

    Xvfb resets itself whenever its last client leaves and drops a client that connects just
    then, so by default a small client stays connected for the server's whole life: one game
    closing and the next starting never meet a reset. `hold=False` leaves the server bare, for
    the tests of starting against a server that resets."""

    def __init__(self, desktop="1024x768", hold=True):
        self.desktop = desktop
        self.hold = hold
        self.keeper = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.desktop + "x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display_pipe:
            number = display_pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        if self.hold:
            self.keeper = subprocess.Popen(["xprop", "-display", self.display, "-root", "-spy"],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        if self.keeper is not None:
            self.keeper.terminate()
            self.keeper.wait(timeout=10)
        self.process.terminate()
        self.process.wait(timeout=10)


class Game:
    """The velmora binary started in the assets folder with a private data folder."""

    def __init__(self, binary, assets, display, settings=None, block_data_folder=False, saved_game=None,
                 args=(), env=None, pin_assets=True, video_driver="x11"):
        self.data_home = tempfile.mkdtemp(prefix="velmora-e2e-")
        self.data_folder = os.path.join(self.data_home, "Velmora")
        if block_data_folder:
            # A file where the folder should be: it can be neither made nor written.
            open(self.data_folder, "w").close()
        else:
            os.makedirs(self.data_folder)
            for name, text in (("settings.sav", settings), ("game.sav", saved_game)):
                if text is not None:
                    with open(os.path.join(self.data_folder, name), "w") as f:
                        f.write(text)
        # Only the X server will do: SDL would otherwise fall back to another video driver
        # (straight to the graphics device) when a connection to the X server fails. None
        # leaves the choice to SDL, as on a player's desktop.
        self.env = dict(os.environ, DISPLAY=display, XDG_DATA_HOME=self.data_home)
        for name in ("APPDATA", "SDL_VIDEODRIVER", "SDL12COMPAT_WINDOW_SCALING"):
            self.env.pop(name, None)
        if video_driver is not None:
            self.env["SDL_VIDEODRIVER"] = video_driver
        # The build's own art and sounds, even on a machine where the game is installed.
        if pin_assets:
            self.env["VELMORA_DATA_DIR"] = assets
        else:
            self.env.pop("VELMORA_DATA_DIR", None)
        self.env.update(env or {})
        self.binary = binary
        self.args = list(args)
        self.assets = assets
        # Output goes to a file, not a pipe nobody reads: a full pipe would stall the game.
        self.log_path = os.path.join(self.data_home, "game.log")
        self.log = open(self.log_path, "w")
        self.start()

    def start(self):
        self.process = subprocess.Popen([self.binary, *self.args], cwd=self.assets, env=self.env, stdout=self.log,
                                        stderr=subprocess.STDOUT)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)

    def output(self):
        self.log.flush()
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def wait_for_window(self, title="Velmora", timeout=40.0, starts=3):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--name", "^" + title + "$")
            if found.returncode == 0 and found.stdout.strip():
                return found.stdout.split()[0]
            if self.process.poll() is not None:
                # A refused connection to the X server is the test machine's hiccup, not the
                # game's: the game says so and stops, and is started again.
                if "cannot start video" in self.output() and starts > 1:
                    starts -= 1
                    self.start()
                    continue
                raise AssertionError("the game exited early: %r" % self.output()[-2000:])
            time.sleep(0.1)
        raise AssertionError("no window titled %r within %.0f s; the game said: %r"
                             % (title, timeout, self.output()[-2000:]))

    def window_size(self, window):
        found = self.xdotool("getwindowgeometry", window)
        for line in found.stdout.splitlines():
            if "Geometry:" in line:
                return tuple(int(v) for v in line.split()[-1].split("x"))
        raise AssertionError("no geometry for window %s: %r" % (window, found.stderr))

    def screenshot(self, window, path):
        subprocess.run(["import", "-window", window, path], env=self.env, check=True, capture_output=True)
        size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
        return tuple(int(v) for v in size.stdout.split())

    def read_data_file(self, name):
        with open(os.path.join(self.data_folder, name)) as f:
            return f.read()

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()
        shutil.rmtree(self.data_home, ignore_errors=True)


def press(game, key, hold=0.12):
    """A real key press: down, held across a few passes of the game, then up."""
    game.xdotool("keydown", key)
    time.sleep(hold)
    game.xdotool("keyup", key)
    time.sleep(0.05)


def focus(game, window):
    game.xdotool("windowfocus", "--sync", window)


def bright_pixels(png, x, y, w, h, threshold=60):
    """How many pixels of a region of a screenshot are brighter than the threshold."""
    out = subprocess.run(
        ["convert", png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-colorspace", "gray",
         "-threshold", "%d%%" % (threshold * 100 // 255), "-format", "%[fx:mean*w*h]", "info:"],
        capture_output=True, text=True, check=True)
    return int(round(float(out.stdout.strip())))


def replay_tool():
    """The replay tool, the third argument of every e2e script."""
    return sys.argv[3]


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def shot_into(folder, game, window, name):
    """The window's screenshot as folder/name.png; its path."""
    path = os.path.join(folder, name + ".png")
    game.screenshot(window, path)
    return path


def run_tests(tests, note="", desktop="1024x768"):
    """Runs each test against one X server, reports every one, and gives the exit status."""
    binary, assets = sys.argv[1], sys.argv[2]
    failed = 0
    with XServer(desktop) as server:
        for test in tests:
            try:
                test(binary, assets, server.display)
                print("PASS", test.__name__)
            except Exception as error:  # report every test, then fail
                failed += 1
                print("FAIL", test.__name__, error, note)
    print("%d passed, %d failed" % (len(tests) - failed, failed))
    return 1 if failed else 0


def wait_for(condition, timeout=60.0, step=0.25):
    """Polls until the condition holds; the game may run slower than real time (a sanitizer
    build), so waits are for what the screen shows, never for a fixed time."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(step)
    return False
