"""The Debian package, built from the install rules and unpacked into a scratch root (never
installed): it names itself and the libraries it needs, holds the game with every picture and
sound where Debian keeps games, passes lintian and the AppStream validator, and the game starts
from it as from /usr."""
import functools
import glob
import gzip
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from test_install import APP_ID, check_shared_files, files_in, run_script, scratch_home  # noqa: E402
from xsession import Game, bright_pixels, check, run_tests, shot_into, wait_for  # noqa: E402

WORK = tempfile.mkdtemp(prefix="velmora-package-")

# sdl12-compat, SDL_image and SDL_mixer, each required outright (not as one choice of several).
SDL_PACKAGES = {"libsdl1.2-compat-shim", "libsdl-image1.2", "libsdl-mixer1.2"}


def output_of(*command):
    run = subprocess.run(command, capture_output=True, text=True, timeout=300)
    check(run.returncode == 0, "%s failed: %s" % (command[0], (run.stdout + run.stderr)[-2000:]))
    return run.stdout.strip()


@functools.lru_cache(maxsize=None)
def unpacked(build):
    """The package cpack makes from this build, and the root it is unpacked into."""
    output_of("cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", WORK)
    packages = glob.glob(os.path.join(WORK, "*.deb"))
    check(len(packages) == 1, "packages made: %r" % packages)
    root = os.path.join(WORK, "root")
    output_of("dpkg-deb", "-x", packages[0], root)
    return packages[0], root


def files_under(folder):
    return {os.path.relpath(os.path.join(place, name), folder)
            for place, _, names in os.walk(folder) for name in names}


def install_records(build):
    records = {}
    for path in glob.glob(os.path.join(build, "installs", "*")):
        with open(path, "rb") as f:
            records[path] = f.read()
    return records


def test_install_before_the_package_is_still_uninstalled_whole(binary, assets, display):
    # cpack installs the build once more, for /usr, and rewrites CMake's list of what it
    # placed; the record of the install made before it must stay as it was.
    build = os.path.dirname(binary)
    with scratch_home(build) as home:
        run_script("install.sh", build, "--prefix", home)
        records = install_records(build)
        unpacked(build)
        check(install_records(build) == records, "the package changed the install records")
        run_script("uninstall.sh", build, "--prefix", home)
        check(files_in(home) == [], "left after uninstall: %r" % files_in(home)[:5])


def test_package_names_itself_and_its_libraries_and_holds_the_game(binary, assets, display):
    package, root = unpacked(os.path.dirname(binary))
    version = output_of(binary, "--version").split()[-1]
    architecture = output_of("dpkg", "--print-architecture")
    check(os.path.basename(package) == "velmora_%s_%s.deb" % (version, architecture), "made %s" % package)
    fields = {name: output_of("dpkg-deb", "-f", package, name) for name in ("Package", "Version", "Architecture")}
    check(fields == {"Package": "velmora", "Version": version, "Architecture": architecture}, "fields: %r" % fields)
    depends = [clause.strip() for clause in output_of("dpkg-deb", "-f", package, "Depends").split(",")]
    required = {clause.split()[0] for clause in depends if "|" not in clause}
    check(SDL_PACKAGES <= required, "Depends: %s" % ", ".join(depends))

    check(os.listdir(root) == ["usr"], "outside /usr: %r" % os.listdir(root))
    check(os.access(os.path.join(root, "usr/games/velmora"), os.X_OK), "no game at /usr/games/velmora")
    usr = sorted(os.listdir(os.path.join(root, "usr")))
    check(usr == ["games", "share"], "in /usr: %r" % usr)
    for folder in ("art", "sounds"):
        made = files_under(os.path.join(assets, folder)) - {"icon256.png"}
        packed = files_under(os.path.join(root, "usr/share/velmora", folder))
        check(packed == made,
              "%s: missing %r, extra %r" % (folder, sorted(made - packed)[:5], sorted(packed - made)[:5]))
    check_shared_files(os.path.join(root, "usr/share"), "/usr/games/velmora")

    # A new version names itself in the changelog and among the metadata's releases.
    with gzip.open(os.path.join(root, "usr/share/doc/velmora/changelog.gz"), "rt") as f:
        changelog = f.readline()
    check(changelog.startswith("velmora (%s) " % version), "the changelog starts: %r" % changelog)
    with open(os.path.join(root, "usr/share/metainfo", APP_ID + ".metainfo.xml")) as f:
        releases = re.findall(r'<release version="([^"]*)"', f.read())
    check(releases[:1] == [version], "the metadata's releases: %r" % releases)


def test_lintian_and_appstream_find_nothing_but_the_missing_copyright(binary, assets, display):
    # The licence is the owner's to choose: until then the package has no copyright file.
    package, root = unpacked(os.path.dirname(binary))
    lintian = subprocess.run(["lintian", "--fail-on", "error,warning", "--suppress-tags", "no-copyright-file",
                              package], capture_output=True, text=True, timeout=300)
    check(lintian.returncode == 0, "lintian: %s" % (lintian.stdout + lintian.stderr)[-3000:])
    # The metadata against the desktop entry it names, as the package lays them out.
    output_of("appstreamcli", "validate-tree", "--no-net", "--explain", root)


def test_game_starts_from_the_unpacked_package_to_its_title(binary, assets, display):
    _, root = unpacked(os.path.dirname(binary))
    # From /, with nothing pointing it at its art: it finds share/velmora beside its games/.
    game = Game(os.path.join(root, "usr/games/velmora"), "/", display, pin_assets=False)
    try:
        window = game.wait_for_window()
        # The title shows "press enter" at (446, 439) once the logo has run.
        check(wait_for(lambda: bright_pixels(shot_into(WORK, game, window, "title"), 446, 439, 190, 24) > 20),
              "the title never asked for enter; the game said: %r" % game.output()[-2000:])
        check(bright_pixels(os.path.join(WORK, "title.png"), 0, 0, 640, 400) > 500, "the title picture is dark")
        game.process.send_signal(signal.SIGTERM)
        check(game.process.wait(timeout=5) == 0, "exit status %d" % game.process.returncode)
        check("no art/" not in game.output(), "the game said: %r" % game.output())
    finally:
        game.close()


if __name__ == "__main__":
    try:
        status = run_tests([test_install_before_the_package_is_still_uninstalled_whole,
                            test_package_names_itself_and_its_libraries_and_holds_the_game,
                            test_lintian_and_appstream_find_nothing_but_the_missing_copyright,
                            test_game_starts_from_the_unpacked_package_to_its_title])
    finally:
        shutil.rmtree(WORK, ignore_errors=True)
    sys.exit(status)
