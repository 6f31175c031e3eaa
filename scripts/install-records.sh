# Sourced by install.sh and uninstall.sh: the record each `make install` keeps of what it
# placed, one file per DESTDIR and prefix in BUILD/installs/. A record reads
#
#   destdir<TAB>DESTDIR (empty when none)
#   prefix<TAB>PREFIX
#   folder<TAB>PATH                      a folder the install made
#   file<TAB>SIZE<TAB>SHA256<TAB>PATH    a file it placed, as it was placed
#
# with every PATH leaving DESTDIR out, as CMake's own lists do. Only install.sh writes these
# records: cpack rewrites CMake's install_manifest.txt, which therefore tells nothing.
#
# The record_* variables are read by the scripts that source this.
# shellcheck shell=bash disable=SC2034

records_folder() { # BUILD
  printf '%s/installs' "$1"
}

# DESTDIR and the prefix as one spelling: absolute, without a trailing slash or `..`, so that
# `~/.local/` and `~/.local` name one install. Symbolic links are kept as written.
normalized_path() { # PATH
  [ -z "$1" ] || realpath -ms -- "$1"
}

# The line of a record for each of the given paths that is a regular file (a symbolic link
# or a folder is never one the install placed): SIZE, SHA256 and the path, tab-separated,
# from one run of stat and one of sha256sum for them all.
fingerprints() { # PATH...
  local -A sizes=()
  local entry
  local files=()
  for entry in "$@"; do
    if [ -f "$entry" ] && [ ! -L "$entry" ]; then files+=("$entry"); fi
  done
  [ ${#files[@]} -gt 0 ] || return 0
  # A file that cannot be read has no size or sum, and so never matches.
  while IFS= read -r -d '' entry; do
    sizes[${entry#* }]=${entry%% *}
  done < <(stat --printf '%s %n\0' -- "${files[@]}" 2>/dev/null || true)
  while IFS= read -r -d '' entry; do
    printf '%s\t%s\t%s\n' "${sizes[${entry:66}]:-}" "${entry:0:64}" "${entry:66}"
  done < <(sha256sum -z -- "${files[@]}" 2>/dev/null || true)
}

# Reads a record into record_destdir, record_prefix, record_folders (in the order listed),
# record_paths (the files, in order) and record_files (each file's SIZE<TAB>SHA256).
read_record() { # FILE
  local kind size sum path
  record_destdir='' record_prefix=''
  record_folders=() record_paths=()
  declare -gA record_files=()
  while IFS=$'\t' read -r kind size sum path; do
    case $kind in
      destdir) record_destdir=$size ;;
      prefix) record_prefix=$size ;;
      folder) record_folders+=("$size") ;;
      file)
        record_paths+=("$path")
        record_files[$path]="$size"$'\t'"$sum"
        ;;
    esac
  done < "$1"
}
