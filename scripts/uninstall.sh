#!/usr/bin/env bash
# Takes away what the last `make install` from this build folder placed: the files listed in
# install_manifest.txt, then the folders the install made, those that are empty again. Both
# lists leave DESTDIR out: an install staged under DESTDIR is taken away with the same DESTDIR.
set -euo pipefail
build=$1
manifest="$build/install_manifest.txt"
folders="$build/install_folders.txt"
if [ ! -f "$manifest" ]; then
  echo "nothing to uninstall: $manifest is missing (no make install from $build)"
  exit 0
fi

# CMake ends the list without a newline: the last line counts too.
while IFS= read -r file || [ -n "$file" ]; do
  file="${DESTDIR:-}$file"
  if [ -e "$file" ] || [ -L "$file" ]; then
    echo "-- Removing: $file"
    rm -f -- "$file"
  fi
done < "$manifest"
# Deepest first: a folder sorts after the folders it lies in.
if [ -f "$folders" ]; then
  sort -r "$folders" | while IFS= read -r folder || [ -n "$folder" ]; do
    rmdir -- "${DESTDIR:-}$folder" 2>/dev/null || true
  done
fi
rm -f -- "$manifest" "$folders"
