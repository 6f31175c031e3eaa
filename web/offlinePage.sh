#!/usr/bin/env bash
# Makes the built page installable and playable offline: the icons at 192 and 512 pixels from
# the generator's icon, the manifest, and the service worker with the list of the page's files
# and a version that is a hash of them, so that each new build replaces the one kept before.
# Usage: offlinePage.sh WEB_DIR ICON_PNG
set -euo pipefail
web_dir=$1
icon=$2
here=$(dirname "$0")

# The icon is drawn at 256 pixels; both sizes are resampled from it, without the dates
# ImageMagick would write, so that the same build has the same version.
for size in 192 512; do
  convert "$icon" -filter Lanczos -resize "${size}x$size" -strip -define png:exclude-chunks=date,time \
    "$web_dir/icon$size.png"
done
cp "$here/manifest.webmanifest" "$web_dir/"

files=(index.html index.js index.wasm index.data touchControls.js touchControls.css gamepad.js
  manifest.webmanifest icon192.png icon512.png)
version=$(cd "$web_dir" && sha256sum "${files[@]}" | sha256sum | cut -c1-16)
list=$(printf "'%s', " "${files[@]}")
sed -e "s/{{{ VERSION }}}/$version/" -e "s/{{{ FILES }}}/${list%, }/" "$here/serviceWorker.js" \
  >"$web_dir/serviceWorker.js"
echo "the page's files are version $version"
