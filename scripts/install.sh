#!/usr/bin/env bash
# Installs the built game under the prefix the build folder was configured for, or the one
# given as `--prefix DIR` after the build folder (and under $DESTDIR when set), and notes the
# folders the install made, so that `make uninstall` takes away exactly what was placed: the
# files of install_manifest.txt and those folders.
set -euo pipefail
build=$1
shift
folders="$build/install_folders.txt"

# A trial install into an empty folder shows every folder the install needs; the ones not
# there yet are made by the install.
trial=$(mktemp -d)
trap 'rm -rf "$trial"' EXIT
DESTDIR="$trial" cmake --install "$build" "$@" >/dev/null
# Like install_manifest.txt, the list leaves DESTDIR out.
new=()
while IFS= read -r -d '' folder; do
  path="${folder#"$trial"}"
  [ -d "${DESTDIR:-}$path" ] || new+=("$path")
done < <(find "$trial" -mindepth 1 -type d -print0)

cmake --install "$build" "$@"

# Folders an earlier install made stay on the list: an install over an old one makes none.
{
  [ -f "$folders" ] && cat "$folders"
  [ ${#new[@]} -eq 0 ] || printf '%s\n' "${new[@]}"
} | sort -u > "$folders.new"
mv "$folders.new" "$folders"
