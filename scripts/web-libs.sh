#!/usr/bin/env bash
# Builds zlib and libpng for the web page from Debian's source packages, so the page decodes
# the art with the same libpng as the native game. Everything (apt's state, the sources, the
# objects, the libraries) stays under OUT; the machine's apt configuration is not touched.
# Usage: web-libs.sh OUT   (leaves OUT/prefix/{include,lib})
set -euo pipefail

zlibVersion=1:1.2.13.dfsg-1
pngVersion=1.6.39-2+deb12u5

out=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$out/prefix
stamp=$prefix/.built-$zlibVersion-$pngVersion
[ -f "$stamp" ] && exit 0

mkdir -p "$out/src"
# shellcheck source=scripts/privateApt.sh
source "$(dirname "$0")/privateApt.sh" "$out/apt"

cd "$out/src"
if [ ! -d zlib ] || [ ! -d libpng ]; then
  apt-get "${aptOptions[@]}" update -qq
  rm -rf zlib libpng ./*.dsc ./*.tar.* ./*.diff.*
  apt-get "${aptOptions[@]}" source -qq "zlib=$zlibVersion" "libpng1.6=$pngVersion"
  mv zlib-*/ zlib
  mv libpng1.6-*/ libpng
fi

# Compiled file by file: the libraries' own configure scripts ask the host, not the web.
flags=(-O2 -DNDEBUG)
rm -rf "$out/obj" && mkdir -p "$out/obj/z" "$out/obj/png" "$prefix/include" "$prefix/lib"
for file in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
  inftrees trees uncompr zutil; do
  emcc "${flags[@]}" -DHAVE_UNISTD_H -c "zlib/$file.c" -o "$out/obj/z/$file.o"
done
emar rcs "$prefix/lib/libz.a" "$out"/obj/z/*.o
cp zlib/zlib.h zlib/zconf.h "$prefix/include/"

cp libpng/scripts/pnglibconf.h.prebuilt libpng/pnglibconf.h
for file in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset pngtrans \
  pngwio pngwrite pngwtran pngwutil; do
  emcc "${flags[@]}" -I"$prefix/include" -c "libpng/$file.c" -o "$out/obj/png/$file.o"
done
emar rcs "$prefix/lib/libpng.a" "$out"/obj/png/*.o
cp libpng/png.h libpng/pngconf.h libpng/pnglibconf.h "$prefix/include/"
touch "$stamp"
