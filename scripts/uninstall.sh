#!/usr/bin/env bash
# Takes away one install made from this build folder, as its record in BUILD/installs/ lists
# it (install-records.sh): the files that are still as they were placed, then the folders the
# install made, those that are empty again. A file changed since is left where it is, and
# named. The install is the one at `--prefix DIR` under $DESTDIR (none meaning not staged), as
# given to the install. Without --prefix it is the only one under $DESTDIR, or without either
# the only one this build made: when that leaves several, nothing is taken away and every
# install is listed with the words that name it.
#
#   uninstall.sh BUILD [--prefix DIR]
set -euo pipefail
# shellcheck source=scripts/install-records.sh
source "$(dirname "$0")/install-records.sh"

build=$1
prefix=''
if [ "${2:-}" = --prefix ] && [ -n "${3:-}" ]; then prefix=$(normalized_path "$3"); fi
destdir=$(normalized_path "${DESTDIR:-}")
records=$(records_folder "$build")

# How to name an install to make uninstall, quoted for the shell.
install_words() { # DESTDIR PREFIX
  printf 'PREFIX=%q' "$2"
  [ -z "$1" ] || printf ' DESTDIR=%q' "$1"
}

chosen=()
everything=()
for record in "$records"/*.manifest; do
  [ -f "$record" ] || continue
  read_record "$record"
  everything+=("  make uninstall $(install_words "$record_destdir" "$record_prefix")")
  if [ -n "$prefix" ]; then
    [ "$record_destdir" != "$destdir" ] || [ "$record_prefix" != "$prefix" ] || chosen+=("$record")
  elif [ -z "$destdir" ] || [ "$record_destdir" = "$destdir" ]; then
    chosen+=("$record")
  fi
done

if [ ${#everything[@]} -eq 0 ]; then
  echo "nothing to uninstall: no make install from $build"
  exit 0
fi
if [ ${#chosen[@]} -eq 0 ]; then
  echo "nothing to uninstall at ${prefix:-any prefix}${destdir:+ under $destdir}; the installs from $build:"
  printf '%s\n' "${everything[@]}"
  exit 0
fi
if [ ${#chosen[@]} -gt 1 ]; then
  echo "uninstall refused: $build installed to more than one place; name the one to take away:" >&2
  printf '%s\n' "${everything[@]}" >&2
  exit 1
fi

read_record "${chosen[0]}"
destdir=$record_destdir
echo "-- Uninstalling $(install_words "$record_destdir" "$record_prefix")"
targets=()
for path in "${record_paths[@]}"; do targets+=("$destdir$path"); done
declare -A now=()
while IFS=$'\t' read -r size sum target; do
  now[$target]="$size"$'\t'"$sum"
done < <(fingerprints "${targets[@]}")

unchanged=()
changed=()
for path in "${record_paths[@]}"; do
  target="$destdir$path"
  if [ "${now[$target]:-}" = "${record_files[$path]}" ]; then
    unchanged+=("$target")
  elif [ -e "$target" ] || [ -L "$target" ]; then
    changed+=("$target")
  fi
done
if [ ${#unchanged[@]} -gt 0 ]; then
  printf -- '-- Removing: %s\n' "${unchanged[@]}"
  rm -f -- "${unchanged[@]}"
fi
# Deepest first: a folder sorts after the folders it lies in.
printf '%s\n' "${record_folders[@]}" | LC_ALL=C sort -r | while IFS= read -r folder; do
  [ -z "$folder" ] || rmdir -- "$destdir$folder" 2>/dev/null || true
done
rm -f -- "${chosen[0]}"
if [ ${#changed[@]} -gt 0 ]; then
  echo "-- Left, changed since the install (remove them yourself if they are no longer wanted):"
  printf '   %s\n' "${changed[@]}"
fi
