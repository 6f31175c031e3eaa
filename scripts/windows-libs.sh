#!/usr/bin/env bash
# Cross-builds the game's libraries for 64-bit Windows from Debian's source packages, with
# MinGW-w64's -posix compilers: zlib and libpng (static, linked into the game, which reads its
# PNGs itself), SDL 1.2 (SDL.dll with the GDI, dummy, winmm, DirectSound and disk-writer
# drivers, and the static SDLmain) and SDL_mixer (WAV only). The DLLs carry libgcc and
# winpthread inside, so they need nothing a plain Windows lacks.
# apt's state, the sources and the objects stay under OUT; the machine's apt configuration is
# not touched. The downloaded source files are kept in the user's cache, so a fresh clone
# fetches nothing, and every compile goes through ccache, so it rebuilds in seconds.
# Usage: windows-libs.sh OUT   (leaves OUT/prefix/{bin,include,lib})
set -euo pipefail

zlibVersion=1:1.2.13.dfsg-1
pngVersion=1.6.39-2+deb12u5
sdlVersion=1.2.15+dfsg2-8
mixerVersion=1.2.12-17

out=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$out/prefix
stamp=$prefix/.built-$zlibVersion-$pngVersion-$sdlVersion-$mixerVersion
[ -f "$stamp" ] && exit 0

host=x86_64-w64-mingw32
cc="$host-gcc-posix"
export CCACHE_BASEDIR=$out # the objects' paths differ from one clone to the next

# ---- The sources: downloaded once into the cache, unpacked (with Debian's patches) under OUT.
sources=${XDG_CACHE_HOME:-$HOME/.cache}/velmora/windows-sources
packages=("zlib=$zlibVersion" "libpng1.6=$pngVersion" "libsdl1.2=$sdlVersion"
  "sdl-mixer1.2=$mixerVersion")

dscOf() { # zlib=1:1.2.13.dfsg-1 -> zlib_1.2.13.dfsg-1.dsc (the epoch is not in file names)
  local version=${1#*=}
  echo "${1%%=*}_${version#*:}.dsc"
}

downloaded() { # every .dsc is there with every file it lists
  local package dsc file
  for package in "${packages[@]}"; do
    dsc=$sources/$(dscOf "$package")
    [ -f "$dsc" ] || return 1
    while read -r file; do
      [ -f "$sources/$file" ] || return 1
    done < <(sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]* [0-9]* //p' "$dsc")
  done
}

if ! downloaded; then
  mkdir -p "$sources"
  # shellcheck source=scripts/privateApt.sh
  source "$(dirname "$0")/privateApt.sh" "$out/apt"
  apt-get "${aptOptions[@]}" update -qq
  # apt checks each file against the signed index; the ones already in the cache are kept.
  (cd "$sources" && apt-get "${aptOptions[@]}" source -qq --download-only "${packages[@]}") ||
    { echo "windows-libs: Debian's archive did not give every source package above" >&2 && exit 1; }
fi

src=$out/src
rm -rf "$src" && mkdir -p "$src"
unpack() { # package=version folder (dpkg-source's chatter is shown only when it fails)
  dpkg-source -q --no-copy -x "$sources/$(dscOf "$1")" "$src/$2" >"$out/unpack.log" 2>&1 ||
    { cat "$out/unpack.log" >&2 && exit 1; }
}
unpack "${packages[0]}" zlib
unpack "${packages[1]}" libpng
unpack "${packages[2]}" sdl
unpack "${packages[3]}" mixer

rm -rf "$out/obj" "$prefix"
mkdir -p "$out/obj" "$prefix/bin" "$prefix/include" "$prefix/lib/pkgconfig"
flags=(-O2 -DNDEBUG)
# libgcc and winpthread go inside each DLL; the static libraries' own symbols stay private.
# Stripped as linked, and with no time stamp: the same sources give the same DLLs.
dllFlags=(-shared -s -static-libgcc "-Wl,--exclude-libs=ALL" "-Wl,--no-insert-timestamp"
  "-Wl,-Bstatic" -lwinpthread "-Wl,-Bdynamic")

compile() { # object-folder source [flags...]: compiles one C file through ccache
  local folder=$1 file=$2
  shift 2
  ccache "$cc" "${flags[@]}" "$@" -c "$file" -o "$out/obj/$folder/$(basename "${file%.c}").o"
}

linkDll() { # name object-folder libraries...: links OUT/prefix/bin/name.dll and its import library
  local name=$1 folder=$2
  shift 2
  # Linked from its folder: the linker picks the DLL's base address from the name it is given.
  (cd "$prefix/bin" && "$cc" "${flags[@]}" -o "$name.dll" "$out"/obj/"$folder"/*.o -L"$prefix/lib" \
    "$@" "${dllFlags[@]}" -Wl,--out-implib,"$prefix/lib/lib$name.dll.a")
}

# Compiled file by file: all each needs is known, and configure would cost more than the build.
# ---- zlib and libpng, static.
cd "$src"
mkdir -p "$out/obj/z" "$out/obj/png"
for file in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
  inftrees trees uncompr zutil; do
  compile z "zlib/$file.c" -DHAVE_UNISTD_H
done
"$host-ar" rcs "$prefix/lib/libz.a" "$out"/obj/z/*.o
cp zlib/zlib.h zlib/zconf.h "$prefix/include/"

cp libpng/scripts/pnglibconf.h.prebuilt libpng/pnglibconf.h
for file in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset pngtrans \
  pngwio pngwrite pngwtran pngwutil; do
  compile png "libpng/$file.c" -I"$prefix/include"
done
"$host-ar" rcs "$prefix/lib/libpng16.a" "$out"/obj/png/*.o
mkdir -p "$prefix/include/libpng16"
cp libpng/png.h libpng/pngconf.h libpng/pnglibconf.h "$prefix/include/libpng16/"
cp libpng/png.h libpng/pngconf.h libpng/pnglibconf.h "$prefix/include/"

# ---- SDL 1.2. Its configure script picks the drivers and writes SDL_config.h, but takes half a
# minute; what it decides (that header, the sources it chose, its flags and system libraries)
# is kept beside the sources, for this SDL, these options and this compiler, and the build is
# ours. Standard output stays the console's (no stdout.txt); no OpenGL, no CD-ROM.
sdlOptions=(--disable-static --disable-stdio-redirect --disable-video-opengl --disable-cdrom
  --disable-rpath)
toolchain=$({ "$cc" --version && dpkg-query -W mingw-w64-x86-64-dev && echo "${sdlOptions[*]}"; } |
  md5sum | cut -c1-12)
answers=$sources/sdl-$sdlVersion-configured-$toolchain
cd "$src/sdl"
if [ ! -f "$answers/libs" ]; then
  ./configure --host="$host" CC="$cc" CFLAGS="${flags[*]}" "${sdlOptions[@]}" \
    >"$out/configure.log" 2>&1 || { cat "$out/configure.log" >&2 && exit 1; }
  rm -rf "$answers.new" && mkdir -p "$answers.new"
  cp include/SDL_config.h "$answers.new/"
  # Its build-deps file has a "name.lo: source \" rule for each source it chose.
  sed -n 's/^.*\.lo: \([^ ]*\) \\$/\1/p' build-deps >"$answers.new/sources"
  [ -s "$answers.new/sources" ] ||
    { echo "windows-libs: SDL's configure chose no sources" >&2 && exit 1; }
  sed -n 's/^EXTRA_CFLAGS *= *//p' Makefile | sed 's/ -Wall//' >"$answers.new/cflags"
  sed -n 's/^EXTRA_LDFLAGS *= *//p' Makefile >"$answers.new/libs"
  rm -rf "$answers" && mv "$answers.new" "$answers"
fi
cp "$answers/SDL_config.h" include/
read -ra sdlCflags <"$answers/cflags"
read -ra sdlLibs <"$answers/libs"
mkdir -p "$out/obj/sdl" "$out/obj/sdlmain"
while read -r file; do
  case $file in
  */main/win32/*.c) compile sdlmain "$file" "${sdlCflags[@]}" ;;
  *.rc) "$host-windres" "$file" -o "$out/obj/sdl/$(basename "${file%.rc}").o" ;;
  *) compile sdl "$file" "${sdlCflags[@]}" -w ;; # not our code: its warnings are not ours to fix
  esac
done <"$answers/sources"
linkDll SDL sdl "${sdlLibs[@]}"
"$host-ar" rcs "$prefix/lib/libSDLmain.a" "$out"/obj/sdlmain/*.o
# The public headers, as SDL's own install gives them: no other platform's configuration.
mkdir -p "$prefix/include/SDL"
for header in include/*.h; do
  case $header in
  */SDL_config_*.h | */SDL_copying.h) ;;
  *) cp "$header" "$prefix/include/SDL/" ;;
  esac
done
cd "$src"

# ---- SDL_mixer, WAV only (the game's sounds are all WAV).
mkdir -p "$out/obj/mixer"
for file in mixer music wavestream load_aiff load_voc effects_internal effect_position \
  effect_stereoreverse; do
  compile mixer "mixer/$file.c" -I"$prefix/include/SDL" -DWAV_MUSIC
done
linkDll SDL_mixer mixer -lSDL
cp mixer/SDL_mixer.h "$prefix/include/SDL/"

# ---- pkg-config files for the cross build, all relative to where the prefix lies.
pc() { # name description version libs cflags [requires]
  cat >"$prefix/lib/pkgconfig/$1.pc" <<PC
prefix=\${pcfiledir}/../..
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: $1
Description: $2
Version: $3
Requires: ${6:-}
Libs: -L\${libdir} $4
Cflags: $5
PC
}
upstream() { # package=version -> the upstream version, without Debian's repacking marks
  local version=${1#*=}
  version=${version#*:}
  version=${version%-*}
  echo "${version%%[+.]dfsg*}"
}
pc zlib "zlib compression library" "$(upstream "${packages[0]}")" "-lz" "-I\${includedir}"
pc libpng "libpng, static, with zlib" "$(upstream "${packages[1]}")" "-lpng16 -lz" \
  "-I\${includedir}/libpng16 -I\${includedir}"
pc sdl "Simple DirectMedia Layer 1.2" "$(upstream "${packages[2]}")" \
  "-lmingw32 -lSDLmain -lSDL -mwindows" "-I\${includedir}/SDL -D_GNU_SOURCE=1 -Dmain=SDL_main"
pc SDL_mixer "SDL_mixer, WAV only" "$(upstream "${packages[3]}")" "-lSDL_mixer" \
  "-I\${includedir}/SDL" "sdl >= 1.2.10"
touch "$stamp"
