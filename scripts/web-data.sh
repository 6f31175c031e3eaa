#!/usr/bin/env bash
# The art and sounds as the web page carries them: the pictures and effects as generated, the
# music as Ogg Vorbis (a tenth of the wave files' size). Usage: web-data.sh ASSETS OUT
set -euo pipefail
assets=$1
out=$2
# Made again only when the generator has written anything since.
if [ -f "$out/.stamp" ] && [ -z "$(find "$assets/art" "$assets/sounds" -newer "$out/.stamp" -print -quit)" ]; then
  exit 0
fi
rm -rf "$out.new" && mkdir -p "$out.new"
cp -r "$assets/art" "$out.new/art"
cp -r "$assets/sounds" "$out.new/sounds"
for wave in "$out.new"/sounds/music/*.wav; do
  oggenc --quiet --quality 2.5 -o "${wave%.wav}.ogg" "$wave"
  rm "$wave"
done
rm -rf "$out" && mv "$out.new" "$out"
touch "$out/.stamp"
