"""How much of a core the real game takes while it shows the title (60 passes a second), under
Xvfb, for each way of presenting its screen. Not a test: a measurement for the README.

    python3 tests/e2e/present_cost.py build/velmora build/assets [SECONDS]

Each line: the setting, then the game's own CPU use and the X server's, in % of one core
(mean of two runs). The dummy video driver, which presents nothing, is the baseline: what the
game costs without presenting."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Game, XServer  # noqa: E402

CONFIGS = [
    ("dummy driver, no window (baseline)", [], {"SDL_VIDEODRIVER": "dummy"}),
    ("1x, default (OpenGL scaling)", ["--scale", "1"], {}),
    ("2x, default (OpenGL scaling)", ["--scale", "2"], {}),
    ("3x, default (OpenGL scaling)", ["--scale", "3"], {}),
    ("4x, default (OpenGL scaling)", ["--scale", "4"], {}),
    ("1x, SDL12COMPAT_OPENGL_SCALING=0", ["--scale", "1"], {"SDL12COMPAT_OPENGL_SCALING": "0"}),
    ("2x, SDL12COMPAT_OPENGL_SCALING=0", ["--scale", "2"], {"SDL12COMPAT_OPENGL_SCALING": "0"}),
    ("1x, ..._OPENGL_SCALING=0 SDL_RENDER_DRIVER=software", ["--scale", "1"],
     {"SDL12COMPAT_OPENGL_SCALING": "0", "SDL_RENDER_DRIVER": "software"}),
    ("2x, ..._OPENGL_SCALING=0 SDL_RENDER_DRIVER=software", ["--scale", "2"],
     {"SDL12COMPAT_OPENGL_SCALING": "0", "SDL_RENDER_DRIVER": "software"}),
]


def cpu_seconds(pid):
    """User and system time of a process, all its threads, in seconds."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def measure(binary, assets, server, args, env, seconds):
    game = Game(binary, assets, server.display, args=args, env=env)
    try:
        if env.get("SDL_VIDEODRIVER") != "dummy":
            game.wait_for_window()
        time.sleep(4.0)  # past start-up and the logo, into the title
        game_start, x_start, clock = cpu_seconds(game.process.pid), cpu_seconds(server.process.pid), time.monotonic()
        time.sleep(seconds)
        elapsed = time.monotonic() - clock
        return (100 * (cpu_seconds(game.process.pid) - game_start) / elapsed,
                100 * (cpu_seconds(server.process.pid) - x_start) / elapsed)
    finally:
        game.close()


def main():
    binary, assets = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 15.0
    with XServer("3840x2160") as server:
        for name, args, env in CONFIGS:
            runs = [measure(binary, assets, server, args, env, seconds) for _ in range(2)]
            game = sum(r[0] for r in runs) / len(runs)
            xserver = sum(r[1] for r in runs) / len(runs)
            print("%-55s game %5.1f %%  X server %5.1f %%  (runs: %s)" % (
                name, game, xserver, ", ".join("%.1f/%.1f" % r for r in runs)), flush=True)


if __name__ == "__main__":
    main()
