"""On a 4K desktop the window opens at three times the size, every screen pixel a sharp 3 x 3
square, showing exactly what the game drew at 640 x 480; --scale chooses another size for one run.
Scaled starts never lose the window to an X server that resets itself."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, XServer, replay_tool, run_tests, wait_for  # noqa: E402

SHOTS = tempfile.mkdtemp(prefix="velmora-scale-")
# The title scene repeats every 56 passes once the logo has run; one whole cycle of it.
TITLE_CYCLE = range(200, 256)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def pixels_differing(a, b):
    out = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    return int(float(out.stderr.split()[0])) if out.returncode in (0, 1) else -1


def rgb(*pictures):
    """The 640 x 480 pictures' pixels as bytes, one string each, to compare many at once."""
    out = subprocess.run(["convert", *pictures, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    size = 640 * 480 * 3
    return [out[i:i + size] for i in range(0, len(out), size)]


def title_pictures(assets):
    """The replay tool's pictures of one cycle of the title, by pass."""
    data = tempfile.mkdtemp(prefix="velmora-scale-data-")
    args = [replay_tool(), "--frames", str(TITLE_CYCLE[-1]), "--data-dir", data, "--assets", assets]
    pictures = {}
    for n in TITLE_CYCLE:
        pictures[n] = os.path.join(SHOTS, "replay-%d.png" % n)
        args += ["--shot", "%d:%s" % (n, pictures[n])]
    subprocess.run(args, check=True, capture_output=True)
    shutil.rmtree(data, ignore_errors=True)
    return pictures


def test_a_4k_desktop_gets_a_sharp_window_three_times_the_size(binary, assets, display):
    pictures = title_pictures(assets)
    game = Game(binary, assets, display)
    try:
        window = game.wait_for_window()
        window_shot = os.path.join(SHOTS, "window.png")
        check(game.screenshot(window, window_shot) == (1920, 1440), "the window is not 1920 x 1440")

        shrunk = os.path.join(SHOTS, "shrunk.png")
        grown = os.path.join(SHOTS, "grown.png")

        title = set(rgb(*pictures.values()))

        def matches_a_title_picture():
            game.screenshot(window, window_shot)
            subprocess.run(["convert", window_shot, "-sample", "640x480!", shrunk], check=True)
            return rgb(shrunk)[0] in title

        # The title scene shows once the logo has run; the screenshot catches some pass of it.
        check(wait_for(matches_a_title_picture, 60, 0.5),
              "the window, scaled down, is none of the replay tool's title pictures")
        # Nearest-neighbour: growing the shrunk picture again gives back the window exactly.
        subprocess.run(["convert", shrunk, "-sample", "1920x1440!", grown], check=True)
        check(pixels_differing(grown, window_shot) == 0, "the window's pixels are not sharp 3 x 3 squares")
    finally:
        game.close()


def test_scale_asked_for_on_the_command_line(binary, assets, display):
    for args, size in ((["--scale", "4"], (2560, 1920)), (["--scale", "1"], (640, 480))):
        game = Game(binary, assets, display, args=args)
        try:
            window = game.wait_for_window()
            shot = os.path.join(SHOTS, "scale.png")
            check(game.screenshot(window, shot) == size, "%s: the window is not %d x %d" % (args, *size))
        finally:
            game.close()


def opened_size(game):
    window = game.wait_for_window(timeout=15, starts=1)
    return game.window_size(window)


def test_scaled_starts_in_a_row_all_open_their_window(binary, assets, display):
    # Xvfb resets itself whenever its last client leaves, and drops a client connecting just
    # then. Nothing else talks to this server while a game starts, so a start that lets go of
    # the server for a moment (with the X driver asked for, or left to SDL) shows here.
    failed = []
    with XServer("2560x1440", hold=False) as wide:
        for args in (["--scale", "2"], []):
            for driver in ("x11", None):
                for _ in range(4):
                    game = Game(binary, assets, wide.display, args=args, video_driver=driver)
                    try:
                        time.sleep(0.8)  # the game holds the server before anyone else asks
                        size = opened_size(game)
                        if size != (1280, 960):
                            failed.append("%s %s: %dx%d" % (args, driver, *size))
                    except AssertionError as error:
                        failed.append("%s %s: %s" % (args, driver, error))
                    finally:
                        game.close()
                    time.sleep(0.2)  # the server resets once the game has gone
    check(not failed, "%d of 16 starts failed: %s" % (len(failed), failed))


def test_the_default_on_full_hd_and_a_scaling_variable_with_junk_in_it(binary, assets, display):
    with XServer("1920x1080") as full_hd:
        for scaling, size, complaint in ((None, (1280, 960), False), ("1.5", (960, 720), False),
                                         ("nan", (1280, 960), True), ("100", (1280, 960), True),
                                         ("0.5", (1280, 960), True)):
            env = {} if scaling is None else {"SDL12COMPAT_WINDOW_SCALING": scaling}
            game = Game(binary, assets, full_hd.display, env=env)
            try:
                check(opened_size(game) == size, "scaling %s: the window is not %dx%d" % (scaling, *size))
                said = [line for line in game.output().splitlines() if "SDL12COMPAT_WINDOW_SCALING" in line]
                check(len(said) == (1 if complaint else 0), "scaling %s: the game said %r" % (scaling, said))
            finally:
                game.close()


if __name__ == "__main__":
    sys.exit(run_tests([test_a_4k_desktop_gets_a_sharp_window_three_times_the_size,
                        test_scale_asked_for_on_the_command_line,
                        test_scaled_starts_in_a_row_all_open_their_window,
                        test_the_default_on_full_hd_and_a_scaling_variable_with_junk_in_it],
                       "(screenshots in %s)" % SHOTS, desktop="3840x2160"))
