"""On a 4K desktop the window opens at twice the size, every screen pixel a sharp 2 x 2 square,
showing exactly what the game drew at 640 x 480; --scale chooses another size for one run."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, replay_tool, run_tests, wait_for  # noqa: E402

SHOTS = tempfile.mkdtemp(prefix="velmora-scale-")
# The title scene repeats every 56 passes once the logo has run; one whole cycle of it.
TITLE_CYCLE = range(200, 256)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def pixels_differing(a, b):
    out = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    return int(float(out.stderr.split()[0])) if out.returncode in (0, 1) else -1


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


def test_a_wide_desktop_gets_a_sharp_window_twice_the_size(binary, assets, display):
    pictures = title_pictures(assets)
    game = Game(binary, assets, display)
    try:
        window = game.wait_for_window()
        window_shot = os.path.join(SHOTS, "window.png")
        check(game.screenshot(window, window_shot) == (1280, 960), "the window is not 1280 x 960")

        halved = os.path.join(SHOTS, "halved.png")
        doubled = os.path.join(SHOTS, "doubled.png")

        def matches_a_title_picture():
            game.screenshot(window, window_shot)
            subprocess.run(["convert", window_shot, "-sample", "50%", halved], check=True)
            return any(pixels_differing(halved, picture) == 0 for picture in pictures.values())

        # The title scene shows once the logo has run; the screenshot catches some pass of it.
        check(wait_for(matches_a_title_picture, 60, 0.5),
              "the window, scaled down, is none of the replay tool's title pictures")
        # Nearest-neighbour: doubling the halved picture gives back the window exactly.
        subprocess.run(["convert", halved, "-sample", "200%", doubled], check=True)
        check(pixels_differing(doubled, window_shot) == 0, "the window's pixels are not sharp 2 x 2 squares")
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


if __name__ == "__main__":
    sys.exit(run_tests([test_a_wide_desktop_gets_a_sharp_window_twice_the_size,
                        test_scale_asked_for_on_the_command_line],
                       "(screenshots in %s)" % SHOTS, desktop="3840x2160"))
