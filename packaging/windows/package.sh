#!/usr/bin/env bash
# Packs the Windows game that make windows put together in OUT: OUT/velmora-<version>-win64.zip
# (a folder velmora-<version>/ to unpack anywhere) and the installer OUT/velmora-<version>-setup.exe.
# Usage: package.sh OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "$1" && pwd)
version=$(sed -n 's/^project(velmora VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
name=velmora-$version

# The zip: the game's folder under its versioned name, every file dated alike so the same
# build packs to the same bytes.
stage=$out/stage
rm -rf "$stage" && mkdir -p "$stage/$name"
(cd "$out" && cp -r velmora.exe ./*.dll art sounds README.txt "$stage/$name/")
find "$stage" -exec touch -d "@${SOURCE_DATE_EPOCH:-0}" {} +
rm -f "$out/$name-win64.zip"
(cd "$stage" && find "$name" -print | LC_ALL=C sort | zip -q -X -9 "$out/$name-win64.zip" -@)

# The installer removes exactly what it placed, deepest first, and never the player's saves.
# ($INSTDIR is the installer's own variable, written as it stands.)
# shellcheck disable=SC2016
{
  (cd "$stage/$name" && find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|')
  (cd "$stage/$name" && find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|')
} >"$out/uninstallFiles.nsh"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DGAMEDIR=$stage/$name" "-DICON=$out/velmora.ico" \
  "-DUNINSTALLFILES=$out/uninstallFiles.nsh" "-DOUTFILE=$out/$name-setup.exe" "$here/installer.nsi"
echo "$out/$name-win64.zip: $(stat -c %s "$out/$name-win64.zip") bytes"
echo "$out/$name-setup.exe: $(stat -c %s "$out/$name-setup.exe") bytes"
