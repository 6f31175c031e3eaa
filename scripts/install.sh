#!/usr/bin/env bash
# Installs the built game under the prefix given as `--prefix DIR` after the build folder, or
# else the one the build folder was configured for (and under $DESTDIR when set), and keeps a
# record of that install in BUILD/installs/ (install-records.sh): each file placed with its
# size and checksum, and each folder the install made. `make uninstall` takes away what the
# record lists, as long as it is unchanged.
#
#   install.sh BUILD [--prefix DIR]
#   install.sh --check DIR     only refuses DIR as a prefix (and $DESTDIR) when unfit
set -euo pipefail
# shellcheck source=scripts/install-records.sh
source "$(dirname "$0")/install-records.sh"

# CMake reads a backslash as a folder separator, so the files would land in another folder;
# it writes the prefix unescaped into the files it generates, where " ends a string, ; splits
# a list, # starts a comment and $ an expansion; and a record keeps a path to a line.
refuse_unfit() { # NAME VALUE
  local unfit=${2//[^\\\";#\$[:cntrl:]]/}
  [ -n "$unfit" ] || return 0
  local what
  case ${unfit:0:1} in
    \\) what="a backslash, which CMake reads as /: the files would go to another folder" ;;
    [[:cntrl:]]) what="a line break or another control character" ;;
    *) what="a ${unfit:0:1}, which CMake does not keep in the files it generates" ;;
  esac
  local shown=$2
  [[ $unfit != *[[:cntrl:]]* ]] || shown=$(printf '%q' "$2")
  printf 'install refused: %s %s holds %s.\n' "$1" "$shown" "$what" >&2
  printf 'Choose a %s without \\ " ; # $ or control characters.\n' "$1" >&2
  exit 2
}

if [ "${1:-}" = --check ]; then
  refuse_unfit PREFIX "$2"
  refuse_unfit DESTDIR "${DESTDIR:-}"
  exit 0
fi

build=$1
shift
if [ "${1:-}" = --prefix ]; then
  prefix=$2
else
  prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
fi
refuse_unfit PREFIX "$prefix"
refuse_unfit DESTDIR "${DESTDIR:-}"
prefix=$(normalized_path "$prefix")
destdir=$(normalized_path "${DESTDIR:-}")

# A trial install into an empty folder lists every file and folder the install places; the
# folders not there yet are the ones it makes.
trial=$(mktemp -d)
trap 'rm -rf "$trial"' EXIT
DESTDIR="$trial" cmake --install "$build" --prefix "$prefix" >/dev/null
folders=()
placed=()
while IFS= read -r -d '' entry; do
  path=${entry#"$trial"}
  if [ -d "$entry" ]; then
    [ -d "$destdir$path" ] || folders+=("$path")
  else
    placed+=("$destdir$path")
  fi
done < <(find "$trial" -mindepth 1 -print0)

DESTDIR="$destdir" cmake --install "$build" --prefix "$prefix"

records=$(records_folder "$build")
mkdir -p "$records"
record="$records/$(printf '%s\n%s' "$destdir" "$prefix" | sha256sum | cut -c1-16).manifest"
# An install over an earlier one at the same place makes no folders and may place fewer
# files: the earlier record's folders and files stay on the list.
record_folders=() record_paths=()
declare -A record_files=()
if [ -f "$record" ]; then read_record "$record"; fi
declare -A now=()
{
  printf 'destdir\t%s\nprefix\t%s\n' "$destdir" "$prefix"
  printf '%s\n' "${record_folders[@]}" "${folders[@]}" | LC_ALL=C sort -u | sed '/^$/d; s/^/folder\t/'
  while IFS=$'\t' read -r size sum path; do
    path=${path#"$destdir"}
    now[$path]=1
    printf 'file\t%s\t%s\t%s\n' "$size" "$sum" "$path"
  done < <(fingerprints "${placed[@]}")
  for path in "${record_paths[@]}"; do
    [ -n "${now[$path]:-}" ] || printf 'file\t%s\t%s\n' "${record_files[$path]}" "$path"
  done
} > "$record.new"
mv "$record.new" "$record"
