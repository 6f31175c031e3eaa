#!/usr/bin/env bash
# The art and sounds as the web page carries them: the pictures packed smaller by the asset
# generator (the same pixels, checked file by file), every sound as Ogg Vorbis (a tenth of the
# wave files'). Usage: web-data.sh ASSETS OUT ASSETGEN
set -euo pipefail
assets=$1
out=$2
assetgen=$3
# Made again only when the generator has written anything since.
if [ -f "$out/.stamp" ] && [ -z "$(find "$assets/art" "$assets/sounds" -newer "$out/.stamp" -print -quit)" ]; then
  exit 0
fi
rm -rf "$out.new" && mkdir -p "$out.new"
cp -r "$assets/art" "$out.new/art"
cp -r "$assets/sounds" "$out.new/sounds"
# The window's icon and the package's are the desktop's: the page makes its own.
rm "$out.new/art/icon.png" "$out.new/art/icon256.png"
"$assetgen" --repack-pictures "$out.new/art"
# The music at quality 2.5 (docs/sound.md); the effects at 4, which keeps their sharp attacks
# free of smearing before the hit.
for wave in "$out.new"/sounds/music/*.wav "$out.new"/sounds/sfx/*.wav "$out.new"/sounds/sfx/*/*.wav; do
  case $wave in
    */music/*) quality=2.5 ;;
    *) quality=4 ;;
  esac
  oggenc --quiet --quality $quality -o "${wave%.wav}.ogg" "$wave"
  rm "$wave"
done
rm -rf "$out" && mv "$out.new" "$out"
touch "$out/.stamp"
