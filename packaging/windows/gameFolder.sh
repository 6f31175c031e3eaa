#!/usr/bin/env bash
# Puts the Windows game together in OUT: velmora.exe from OUT/cmake, the libraries' DLLs from
# OUT/libs/prefix/bin, the art and sounds the native build generated, and README.txt.
# Usage: gameFolder.sh OUT ASSETS
set -euo pipefail
out=$1
assets=$2
version=$(sed -n 's/^project(velmora VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")

rm -rf "$out/art" "$out/sounds"
rm -f "$out"/*.dll
cp "$out/cmake/velmora.exe" "$out/"
x86_64-w64-mingw32-strip "$out/velmora.exe"
cp "$out"/libs/prefix/bin/*.dll "$out/"
# The large icon is the installer's and Explorer's, inside the program; the window's is icon.png.
cp -r "$assets/art" "$assets/sounds" "$out/"
rm -f "$out/art/icon256.png"
# Windows' Notepad before 2018 wants its lines ended the Windows way.
sed "s/@VERSION@/$version/; s/\$/\r/" "$(dirname "$0")/README.txt.in" >"$out/README.txt"
