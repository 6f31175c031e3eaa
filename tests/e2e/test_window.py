"""The real game opens its window in a real X server and closes cleanly on SIGTERM."""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, run_tests  # noqa: E402


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
        code = game.process.wait(timeout=5)
        elapsed = time.monotonic() - started
        check(code == 0, "exit status %d" % code)
        check(elapsed < 2.0, "took %.2f s to close" % elapsed)
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


if __name__ == "__main__":
    sys.exit(run_tests([test_window_opens_and_closes, test_unwritable_data_folder_still_plays,
                        test_a_scale_too_large_for_the_desktop_gives_the_largest_that_fits,
                        test_bad_options_are_refused_with_a_message], ""))
