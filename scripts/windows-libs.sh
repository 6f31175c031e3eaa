#!/usr/bin/env bash
# Cross-builds the game's libraries for 64-bit Windows from Debian's source packages, with
# MinGW-w64's -posix compilers: zlib and libpng (static, linked into SDL_image and into the
# game), SDL2, sdl12-compat (SDL.dll, which loads SDL2.dll, and the static SDLmain),
# SDL_image (PNG only) and SDL_mixer (WAV only). The DLLs carry libgcc and winpthread inside,
# so they need nothing a plain Windows lacks.
# apt's state, the sources and the objects stay under OUT; the machine's apt configuration is
# not touched. The downloaded source files are kept in the user's cache, so a fresh clone
# fetches nothing, and every compile goes through ccache, so it rebuilds in seconds.
# Usage: windows-libs.sh OUT   (leaves OUT/prefix/{bin,include,lib})
set -euo pipefail

zlibVersion=1:1.2.13.dfsg-1
pngVersion=1.6.39-2+deb12u5
sdl2Version=2.26.5+dfsg-1
sdl12Version=1.2.60-1
imageVersion=1.2.12-13
mixerVersion=1.2.12-17

out=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$out/prefix
stamp=$prefix/.built-$zlibVersion-$pngVersion-$sdl2Version-$sdl12Version-$imageVersion-$mixerVersion
[ -f "$stamp" ] && exit 0

host=x86_64-w64-mingw32
cc="$host-gcc-posix"
export CCACHE_BASEDIR=$out # the objects' paths differ from one clone to the next
jobs=$(nproc)

# ---- The sources: downloaded once into the cache, unpacked (with Debian's patches) under OUT.
sources=${XDG_CACHE_HOME:-$HOME/.cache}/velmora/windows-sources
packages=("zlib=$zlibVersion" "libpng1.6=$pngVersion" "libsdl2=$sdl2Version"
  "sdl12-compat=$sdl12Version" "sdl-image1.2=$imageVersion" "sdl-mixer1.2=$mixerVersion")

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
  apt=$out/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$sources"
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  cat >"$apt/sources.list" <<LIST
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
LIST
  aptOptions=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
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
unpack "${packages[2]}" sdl2
unpack "${packages[3]}" sdl12
unpack "${packages[4]}" image
unpack "${packages[5]}" mixer

rm -rf "$out/obj" "$prefix"
mkdir -p "$out/obj" "$prefix/bin" "$prefix/include" "$prefix/lib/pkgconfig"
flags=(-O2 -DNDEBUG)
# libgcc and winpthread go inside each DLL; the static libraries' own symbols stay private.
dllFlags=(-shared -static-libgcc "-Wl,--exclude-libs=ALL" "-Wl,-Bstatic" -lwinpthread "-Wl,-Bdynamic")

compile() { # object-folder source [flags...]: compiles one C file through ccache
  local folder=$1 file=$2
  shift 2
  ccache "$cc" "${flags[@]}" "$@" -c "$file" -o "$out/obj/$folder/$(basename "${file%.c}").o"
}

# Compiled file by file: all each needs is known, and a configure run would cost more than the build.
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

# ---- SDL2, with its own build: it picks its Windows drivers itself.
cmakeCross=(-G "Unix Makefiles" -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$host-g++-posix" -DCMAKE_RC_COMPILER="$host-windres"
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_C_FLAGS_RELEASE="${flags[*]}"
  -DCMAKE_SHARED_LINKER_FLAGS="-static-libgcc -Wl,-Bstatic -lwinpthread -Wl,-Bdynamic"
  -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix")
# Its configure step asks the compiler some 180 questions, which take a minute; the answers
# are kept beside the sources, for this SDL2 and this compiler, and given to the next run.
toolchain=$({ "$cc" --version && dpkg-query -W mingw-w64-x86-64-dev; } | md5sum | cut -c1-12)
checks=$sources/sdl2-$sdl2Version-checks-$toolchain.cmake
seed=()
[ -f "$checks" ] && seed=(-C "$checks")
cmake -S sdl2 -B "$out/obj/sdl2" "${seed[@]}" "${cmakeCross[@]}" -DSDL_SHARED=ON -DSDL_STATIC=OFF \
  -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON -DSDL_CCACHE=OFF -Wno-dev >/dev/null
if [ ! -f "$checks" ]; then # each answer is cached under a "//Have ..." or "//Test ..." line
  sed -n '/^\/\/\(Have\|Test\|Result of\) /{n;s/^\([A-Za-z0-9_]*\):INTERNAL=\(.*\)$/set(\1 "\2" CACHE INTERNAL "")/p}' \
    "$out/obj/sdl2/CMakeCache.txt" >"$checks.new" && mv "$checks.new" "$checks"
fi
cmake --build "$out/obj/sdl2" -j "$jobs" >/dev/null
cmake --install "$out/obj/sdl2" >/dev/null

# ---- sdl12-compat: SDL.dll, its headers and the static SDLmain the game starts from.
cmake -S sdl12 -B "$out/obj/sdl12" "${cmakeCross[@]}" -DSDL12TESTS=OFF -DSDL12DEVEL=ON \
  -DSTATICDEVEL=OFF -DSDL2_INCLUDE_DIR="$prefix/include/SDL2" -Wno-dev >/dev/null
cmake --build "$out/obj/sdl12" -j "$jobs" --target SDL SDLmain >/dev/null
# Taken from the build by hand: its install rules have not always known where a DLL goes.
copyBuilt() { # file folder
  local built
  built=$(find "$out/obj/sdl12" -name "$1" -print -quit)
  [ -n "$built" ] || { echo "windows-libs: sdl12-compat made no $1" >&2 && exit 1; }
  cp "$built" "$2/"
}
copyBuilt SDL.dll "$prefix/bin"
copyBuilt libSDL.dll.a "$prefix/lib"
copyBuilt libSDLmain.a "$prefix/lib"
mkdir -p "$prefix/include/SDL"
cp sdl12/include/SDL/*.h "$prefix/include/SDL/"

linkDll() { # name object-folder libraries...: links OUT/prefix/bin/name.dll and its import library
  local name=$1 folder=$2
  shift 2
  "$cc" "${flags[@]}" -o "$prefix/bin/$name.dll" "$out"/obj/"$folder"/*.o -L"$prefix/lib" "$@" \
    "${dllFlags[@]}" -Wl,--out-implib,"$prefix/lib/lib$name.dll.a"
}

# ---- SDL_image, PNG only and linked in (no libpng loaded at run time). The other formats'
# files are compiled too: without their LOAD_ macro they only say "not this format".
sdlFlags=(-I"$prefix/include/SDL" -I"$prefix/include" -DDLL_EXPORT)
mkdir -p "$out/obj/image"
for file in image/IMG*.c; do
  compile image "$file" "${sdlFlags[@]}" -DLOAD_PNG
done
linkDll SDL_image image -lpng16 -lz -lSDL
cp image/SDL_image.h "$prefix/include/SDL/"

# ---- SDL_mixer, WAV only (the game's sounds are all WAV).
mkdir -p "$out/obj/mixer"
for file in mixer music wavestream load_aiff load_voc effects_internal effect_position \
  effect_stereoreverse; do
  compile mixer "mixer/$file.c" "${sdlFlags[@]}" -DWAV_MUSIC
done
linkDll SDL_mixer mixer -lSDL
cp mixer/SDL_mixer.h "$prefix/include/SDL/"

"$host-strip" --strip-unneeded "$prefix"/bin/*.dll

# ---- pkg-config files for the cross build, all relative to where the prefix lies.
pc() { # name description version libs cflags
  cat >"$prefix/lib/pkgconfig/$1.pc" <<PC
prefix=\${pcfiledir}/../..
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: $1
Description: $2
Version: $3
Libs: -L\${libdir} $4
Cflags: -I\${includedir} $5
PC
}
upstream() { # package=version -> the upstream version
  local version=${1#*=}
  version=${version#*:}
  echo "${version%-*}"
}
rm -f "$prefix"/lib/pkgconfig/*.pc
pc zlib "zlib compression library" "$(upstream "${packages[0]}")" "-lz" ""
pc libpng "libpng, static, with zlib" "$(upstream "${packages[1]}")" "-lpng16 -lz" \
  "-I\${includedir}/libpng16"
pc sdl2 "Simple DirectMedia Layer 2" "$(upstream "${packages[2]}")" "-lSDL2" "-I\${includedir}/SDL2"
pc sdl "SDL 1.2 on SDL2 (sdl12-compat)" "$(upstream "${packages[3]}")" \
  "-lmingw32 -lSDLmain -lSDL -mwindows" "-I\${includedir}/SDL -D_GNU_SOURCE=1"
pc SDL_image "SDL_image, PNG only" "$(upstream "${packages[4]}")" "-lSDL_image" "-I\${includedir}/SDL"
pc SDL_mixer "SDL_mixer, WAV only" "$(upstream "${packages[5]}")" "-lSDL_mixer" "-I\${includedir}/SDL"
rm -rf "$prefix/lib/cmake" "$prefix/bin/sdl2-config" "$prefix/bin/sdl-config"
touch "$stamp"
