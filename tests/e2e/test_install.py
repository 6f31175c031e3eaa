"""The game installed into a fresh prefix starts the way a desktop starts it, from another folder."""
import contextlib
import glob
import os
import re
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


def exec_words(value):
    """The words of a desktop entry's Exec line as a desktop reads them: the file's escapes
    first, then the quoting, then %% as %; field codes (%f, %u ...) left out."""
    value = re.sub(r"\\([sntr\\])", lambda m: {"s": " ", "n": "\n", "t": "\t", "r": "\r"}.get(m[1], "\\"), value)
    words = []
    for quoted, bare in re.findall(r'"((?:[^"\\]|\\.)*)"|(\S+)', value):
        word = bare or re.sub(r"\\(.)", r"\1", quoted)
        if not re.fullmatch(r"%[a-zA-Z]", word):
            words.append(word.replace("%%", "%"))
    return words


APP_ID = "io.github.velmora.velmora"


def check_shared_files(share, program):
    """Under share/: the desktop entry, which starts the program by its full path, its icons,
    each in the folder of its size, the AppStream metadata and the manual page. Gives the
    entry's words."""
    entry = desktop_entry(os.path.join(share, "applications", APP_ID + ".desktop"))
    check(entry.get("Type") == "Application" and entry.get("Icon") == "velmora", "entry: %r" % entry)
    command = exec_words(entry.get("Exec", ""))
    check(command == [program], "the entry runs %r, not %s" % (command, program))
    icons = glob.glob(os.path.join(share, "icons/hicolor/*/apps/velmora.png"))
    folders = sorted(os.path.basename(os.path.dirname(os.path.dirname(icon))) for icon in icons)
    check(folders == ["256x256", "32x32"], "icons installed: %r" % icons)
    for icon in icons:
        size = os.path.basename(os.path.dirname(os.path.dirname(icon)))
        check(size == "%dx%d" % png_size(icon), "a %dx%d icon in the %s folder" % (png_size(icon) + (size,)))
    for path in ("metainfo/%s.metainfo.xml" % APP_ID, "man/man6/velmora.6.gz", "doc/velmora/changelog.gz"):
        check(os.path.isfile(os.path.join(share, path)), "no share/%s" % path)
    return command


SCRIPTS = os.path.join(os.path.dirname(__file__), "..", "..", "scripts")


def run_script(name, *args, destdir="", status=0):
    """Runs install.sh or uninstall.sh as make does, and gives what it printed."""
    env = dict(os.environ, DESTDIR=destdir)
    run = subprocess.run(["bash", os.path.join(SCRIPTS, name), *args], capture_output=True, text=True,
                         timeout=120, env=env)
    said = run.stdout + run.stderr
    check(run.returncode == status, "%s %s: status %d: %s" % (name, args[1:], run.returncode, said[-2000:]))
    return said


def files_in(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder)
                  for root, _, names in os.walk(folder) for name in names)


@contextlib.contextmanager
def scratch_home(build):
    """An empty folder to install into; the records of installs a failing test leaves there go too."""
    home = tempfile.mkdtemp(prefix="velmora-home-")
    try:
        yield home
    finally:
        for record in glob.glob(os.path.join(build, "installs", "*.manifest")):
            with open(record) as f:
                if any(line.split("\t")[-1].startswith(home) for line in f.readlines()[:2]):
                    os.remove(record)
        shutil.rmtree(home, ignore_errors=True)


def test_installed_game_starts_from_its_desktop_entry_and_uninstalls_to_nothing(binary, assets, display):
    # What make install and make uninstall run, into a prefix that does not exist yet, whose
    # name the desktop entry has to quote.
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        prefix = os.path.join(home, "pre fix's `100%`")
        run_script("install.sh", build, "--prefix", prefix)
        command = check_shared_files(os.path.join(prefix, "share"), os.path.join(prefix, "bin/velmora"))

        # As a desktop does: the Exec line run from a folder that holds no art.
        game = Game(command[0], "/", display, args=command[1:], pin_assets=False)
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
        run_script("uninstall.sh", build, "--prefix", prefix)
        left = [os.path.join(root, name) for root, dirs, files in os.walk(home) for name in dirs + files]
        check(not left, "left after uninstall: %r" % left[:10])


def test_uninstall_trusts_no_list_the_package_rewrites(binary, assets, display):
    # make package rewrites CMake's install_manifest.txt with the package's paths; a copy of
    # the game stands for the one dpkg installed there.
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        prefix, package = os.path.join(home, "prefix"), os.path.join(home, "package")
        run_script("install.sh", build, "--prefix", prefix)
        shutil.copytree(prefix, package)
        packed = files_in(package)
        cmake_list = os.path.join(build, "install_manifest.txt")
        with open(cmake_list) as f:
            kept = f.read()
        try:
            with open(cmake_list, "w") as f:
                f.write("\n".join(os.path.join(package, name) for name in packed))
            run_script("uninstall.sh", build, "--prefix", prefix)
        finally:
            with open(cmake_list, "w") as f:
                f.write(kept)
        check(os.listdir(home) == ["package"], "left in the scratch folder: %r" % os.listdir(home))
        check(files_in(package) == packed, "the package lost %d files" % (len(packed) - len(files_in(package))))


def test_staged_install_and_the_real_one_are_uninstalled_apart(binary, assets, display):
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        prefix, stage = os.path.join(home, "pre fix"), os.path.join(home, "stage")
        run_script("install.sh", build, "--prefix", prefix)
        run_script("install.sh", build, "--prefix", prefix, destdir=stage)
        installed = files_in(prefix)
        said = run_script("uninstall.sh", build, status=1)
        check("PREFIX=" in said and "DESTDIR=" in said and files_in(prefix) == installed,
              "a bare uninstall with two installs: %r" % said[-500:])
        run_script("uninstall.sh", build, "--prefix", prefix)
        check(os.listdir(home) == ["stage"], "after the real one: %r" % os.listdir(home))
        check(files_in(stage + prefix) == installed, "the staged copy lost files")
        run_script("uninstall.sh", build, "--prefix", prefix, destdir=stage)
        check(files_in(stage) == [], "left staged: %r" % files_in(stage)[:5])


def test_installs_to_two_prefixes_are_each_uninstalled(binary, assets, display):
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        first, second = os.path.join(home, "it's one"), os.path.join(home, "two")
        run_script("install.sh", build, "--prefix", first)
        run_script("install.sh", build, "--prefix", second)
        for prefix in (first, second):
            run_script("uninstall.sh", build, "--prefix", prefix)
        check(os.listdir(home) == [], "left: %r" % os.listdir(home))


def test_uninstall_leaves_a_file_changed_since_the_install(binary, assets, display):
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        run_script("install.sh", build, "--prefix", home)
        entry = os.path.join(home, "share/applications", APP_ID + ".desktop")
        with open(entry, "r+b") as f:  # the same size, one byte changed
            f.write(b"#")
        said = run_script("uninstall.sh", build, "--prefix", home)
        check(entry in said.split("changed since the install")[-1], "not named as left: %r" % said[-500:])
        check(files_in(home) == [os.path.relpath(entry, home)], "left: %r" % files_in(home)[:5])


def test_prefix_with_a_backslash_is_refused(binary, assets, display):
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        said = run_script("install.sh", build, "--prefix", os.path.join(home, "back\\slash"), status=2)
        check("backslash" in said, "the refusal: %r" % said)
        check(os.listdir(home) == [], "installed anyway: %r" % os.listdir(home))


if __name__ == "__main__":
    sys.exit(run_tests([test_installed_game_starts_from_its_desktop_entry_and_uninstalls_to_nothing,
                        test_uninstall_trusts_no_list_the_package_rewrites,
                        test_staged_install_and_the_real_one_are_uninstalled_apart,
                        test_installs_to_two_prefixes_are_each_uninstalled,
                        test_uninstall_leaves_a_file_changed_since_the_install,
                        test_prefix_with_a_backslash_is_refused]))
