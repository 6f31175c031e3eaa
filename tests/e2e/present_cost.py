"""How much the real game spends presenting its frames under Xvfb, for each scale and each way
sdl12-compat and SDL2 can present. Not a test: a measurement for docs/performance.md.

    python3 tests/e2e/present_cost.py build/velmora build/assets [SECONDS]

The game shows the logo and the title (60 passes a second) for a few seconds. Each line: the
setting; the CPU time of the whole game process (all threads) spent inside each present, per
frame; the game's and the X server's CPU use in % of one core over the last SECONDS; two runs
each. flip_meter.c, preloaded into the game, times the presents. The dummy video driver, which
shows nothing, is the baseline."""
import os
import signal
import subprocess
import sys
import tempfile
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
    ("2x, ..._OPENGL_SCALING=0 SDL_RENDER_DRIVER=opengles2", ["--scale", "2"],
     {"SDL12COMPAT_OPENGL_SCALING": "0", "SDL_RENDER_DRIVER": "opengles2"}),
]


def cpu_seconds(pid):
    """User and system time of a process, all its threads, in seconds."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def build_flip_meter():
    library = os.path.join(tempfile.mkdtemp(prefix="velmora-meter-"), "flip_meter.so")
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "flip_meter.c")
    subprocess.run(["cc", "-shared", "-fPIC", "-O2", "-o", library, source, "-ldl"], check=True)
    return library


def measure(binary, assets, server, meter, args, env, seconds):
    report = meter + ".out"
    env = dict(env, LD_PRELOAD=meter, FLIP_METER_OUT=report)
    game = Game(binary, assets, server.display, args=args, env=env)
    try:
        if env.get("SDL_VIDEODRIVER") != "dummy":
            game.wait_for_window()
        time.sleep(4.0)  # past start-up and the logo, into the title
        game_start, x_start, clock = cpu_seconds(game.process.pid), cpu_seconds(server.process.pid), time.monotonic()
        time.sleep(seconds)
        elapsed = time.monotonic() - clock
        game_use = 100 * (cpu_seconds(game.process.pid) - game_start) / elapsed
        x_use = 100 * (cpu_seconds(server.process.pid) - x_start) / elapsed
        game.process.send_signal(signal.SIGTERM)  # a clean exit writes the meter's report
        game.process.wait(timeout=10)
        with open(report) as f:
            frames, present_cpu, _ = (float(v) for v in f.read().split())
        return 1000 * present_cpu / frames, game_use, x_use
    finally:
        game.close()


def main():
    binary, assets = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 15.0
    meter = build_flip_meter()
    with XServer("3840x2160") as server:
        for name, args, env in CONFIGS:
            runs = [measure(binary, assets, server, meter, args, env, seconds) for _ in range(2)]
            print("%-52s present %s ms/frame; game %s %%; X server %s %%" % (
                name, " ".join("%5.2f" % r[0] for r in runs), " ".join("%4.1f" % r[1] for r in runs),
                " ".join("%4.1f" % r[2] for r in runs)), flush=True)


if __name__ == "__main__":
    main()
