"""The real game opens its window in a real X server and closes cleanly on SIGTERM."""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, bright_pixels, run_tests  # noqa: E402


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def test_window_opens_and_closes(binary, assets, display):
    game = Game(binary, assets, display)
    try:
        window = game.wait_for_window()
        time.sleep(0.5)  # let a few passes run
        shot = os.path.join(tempfile.mkdtemp(prefix="velmora-shot-"), "window.png")
        check(game.screenshot(window, shot) == (640, 480), "the window is not 640 x 480")

        game.process.send_signal(signal.SIGTERM)
        started = time.monotonic()
        code = game.process.wait(timeout=10)
        elapsed = time.monotonic() - started
        check(code == 0, "exit status %d" % code)
        # Quick on an idle machine; the bound is loose for a sanitizer build under load
        # (3.75 s seen), and still catches a close that waits on something for good.
        check(elapsed < 6.0, "took %.2f s to close" % elapsed)
        check(game.read_data_file("settings.sav") == "00", "settings.sav does not hold 00")
    finally:
        game.close()


def test_unwritable_data_folder_still_plays(binary, assets, display):
    game = Game(binary, assets, display, block_data_folder=True)
    try:
        game.wait_for_window()
        time.sleep(0.3)
        game.process.send_signal(signal.SIGTERM)
        code = game.process.wait(timeout=5)
        errors = game.output()
        check(code == 0, "exit status %d" % code)
        check(game.data_folder in errors, "no line naming the data folder: %r" % errors)
    finally:
        game.close()


def test_a_scale_too_large_for_the_desktop_gives_the_largest_that_fits(binary, assets, display):
    game = Game(binary, assets, display, args=["--scale", "4"])  # on a 1024 x 768 desktop
    try:
        window = game.wait_for_window()
        shot = os.path.join(tempfile.mkdtemp(prefix="velmora-shot-"), "window.png")
        check(game.screenshot(window, shot) == (640, 480), "the window is not 640 x 480")
    finally:
        game.close()


def test_bad_options_are_refused_with_a_message(binary, assets, display):
    for args in (["--scale", "5"], ["--scale"], ["--scale", "2x"], ["--full"], ["level3"]):
        run = subprocess.run([binary, *args], cwd=assets, capture_output=True, text=True, timeout=10,
                             env=dict(os.environ, DISPLAY=display))
        check(run.returncode == 2, "%s: exit status %d" % (args, run.returncode))
        check("usage: velmora" in run.stderr and args[-1] in run.stderr, "%s: said %r" % (args, run.stderr))
    # Help and the version go to standard output, from any folder, without a window.
    for args, expected in ((["--help"], "--fullscreen"), (["--version"], "velmora ")):
        run = subprocess.run([binary, *args], cwd="/", capture_output=True, text=True, timeout=10, env={})
        check(run.returncode == 0 and expected in run.stdout, "%s: %d, said %r" % (args, run.returncode, run.stdout))
    with open(os.path.join(os.path.dirname(__file__), "..", "..", "CMakeLists.txt")) as f:
        version = re.search(r"project\(velmora VERSION (\S+)", f.read()).group(1)
    check(run.stdout == "velmora %s\n" % version, "version line %r, the project is %s" % (run.stdout, version))


def test_the_build_plays_with_its_own_art_from_the_checkout(binary, assets, display):
    # As ./build/velmora from the folder that holds the build folder.
    build = os.path.dirname(os.path.abspath(binary))
    relative = os.path.join(".", os.path.basename(build), os.path.basename(binary))
    game = Game(relative, os.path.dirname(build), display, pin_assets=False)
    try:
        window = game.wait_for_window()
        time.sleep(1.5)  # the loading word, then the logo and the title picture
        shot = os.path.join(game.data_home, "build.png")
        game.screenshot(window, shot)
        check(bright_pixels(shot, 0, 0, 640, 480) > 1000, "the screen is dark: no pictures were found")
        check("no art/" not in game.output(), "the game said: %r" % game.output())
    finally:
        game.close()


def test_no_pictures_means_no_window_and_the_folders_searched(binary, assets, display):
    folder = tempfile.mkdtemp(prefix="velmora-no-art-")
    for name in ("art", "sounds"):
        os.makedirs(os.path.join(folder, name))
    env = dict(os.environ, DISPLAY=display, VELMORA_DATA_DIR=folder, SDL_AUDIODRIVER="dummy", XDG_DATA_HOME=folder)
    env.pop("SDL_VIDEODRIVER", None)
    run = subprocess.run([binary], cwd="/", env=env, capture_output=True, text=True, timeout=20)
    said = [line for line in run.stderr.splitlines() if line.startswith("velmora:")]
    check(run.returncode == 1 and len(said) == 1 and os.path.join(folder, "art") in said[0],
          "status %d, said %r" % (run.returncode, run.stderr))
    # One picture is enough to play: what is missing shows as nothing, as ever; no sound
    # device is said in one line, and the game plays on in silence.
    shutil.copy(os.path.join(assets, "art", "icon.png"), os.path.join(folder, "art"))
    shutil.rmtree(os.path.join(folder, "sounds"))
    game = Game(binary, assets, display, env={"VELMORA_DATA_DIR": folder, "SDL_AUDIODRIVER": "nowhere"})
    try:
        game.wait_for_window()
        said = game.output()
        check("no sounds/" in said and said.count("velmora: no sound (") == 1, "the game said: %r" % said)
    finally:
        game.close()
        shutil.rmtree(folder, ignore_errors=True)


def unused_display():
    number = 90
    while os.path.exists("/tmp/.X11-unix/X%d" % number):
        number += 1
    return ":%d" % number


def test_no_display_means_no_game_and_a_reason(binary, assets, display):
    base = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "SDL_VIDEODRIVER", "WAYLAND_DISPLAY")}
    data_home = tempfile.mkdtemp(prefix="velmora-e2e-")
    base.update(SDL_AUDIODRIVER="dummy", XDG_DATA_HOME=data_home, VELMORA_DATA_DIR=assets)
    for place in (None, unused_display()):
        for driver in (None, "x11"):
            env = dict(base, **({"DISPLAY": place} if place else {}), **({"SDL_VIDEODRIVER": driver} if driver else {}))
            run = subprocess.run([binary], cwd=assets, env=env, capture_output=True, text=True, timeout=20)
            # (SDL's Wayland driver, tried next, may add a line of its own.)
            lines = [line for line in run.stderr.splitlines() if line.startswith("velmora:")]
            check(run.returncode == 1, "DISPLAY %s, driver %s: exit status %d" % (place, driver, run.returncode))
            check(len(lines) == 1 and ("DISPLAY" in lines[0] if place is None else place in lines[0]),
                  "DISPLAY %s, driver %s: said %r" % (place, driver, run.stderr))
    # The windowless drivers still play when they are asked for by name.
    for driver in ("dummy", "offscreen"):
        game = subprocess.Popen([binary], cwd=assets, env=dict(base, SDL_VIDEODRIVER=driver),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(1.5)
            check(game.poll() is None, "%s: exit status %s" % (driver, game.returncode))
        finally:
            game.kill()
            game.wait()
    shutil.rmtree(data_home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(run_tests([test_window_opens_and_closes, test_unwritable_data_folder_still_plays,
                        test_a_scale_too_large_for_the_desktop_gives_the_largest_that_fits,
                        test_bad_options_are_refused_with_a_message,
                        test_the_build_plays_with_its_own_art_from_the_checkout,
                        test_no_pictures_means_no_window_and_the_folders_searched,
                        test_no_display_means_no_game_and_a_reason], ""))
