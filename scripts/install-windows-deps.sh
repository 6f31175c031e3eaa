#!/usr/bin/env bash
# Installs what the Windows build and its test need: MinGW-w64's -posix C and C++ compilers,
# Wine (64-bit only: no i386 architecture is added), NSIS and zip for the installer and the
# archive, what scripts/windows-libs.sh uses to fetch and build the libraries: dpkg-dev
# (apt-get source), Debian's archive key, ccache and pkg-config, and cmake for the game. The
# libraries are built file by file; SDL's own configure script, shipped in its sources, only
# answers which files and drivers, so no autotools are needed. Does nothing when all is there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 nsis zip \
  dpkg-dev debian-archive-keyring cmake ccache pkg-config
