#!/usr/bin/env bash
# Makes the built page installable and playable offline: the icons at 192 and 512 pixels from
# the generator's icon, the manifest, and the service worker with the list of the page's files
# and a version that is a hash of them, so that each new build replaces the one kept before.
# Usage: offlinePage.sh WEB_DIR ICON_PNG [ASSETGEN]; with the asset generator, the icons are
# packed again as the page's pictures are (the same pixels, a fifth fewer bytes).
set -euo pipefail
web_dir=$1
icon=$2
assetgen=${3:-}
here=$(dirname "$0")
icons=$(mktemp -d)
trap 'rm -rf "$icons"' EXIT

# The icon is drawn at 256 pixels: 512 is each of its pixels doubled (a quarter the bytes of a
# resampled one), 192 resampled. Without the dates ImageMagick would write, the same build
# keeps the same version.
make_icon() {
  convert "$icon" -filter "$2" -resize "${1}x$1" -strip -define png:exclude-chunks=date,time "$icons/icon$1.png"
}
make_icon 192 Lanczos
make_icon 512 point
if [ -n "$assetgen" ]; then
  "$assetgen" --repack-pictures "$icons" >/dev/null
fi
cp "$icons"/icon192.png "$icons"/icon512.png "$web_dir/"
cp "$here/manifest.webmanifest" "$web_dir/"

files=(index.html index.js index.wasm index.data touchControls.js touchControls.css gamepad.js
  manifest.webmanifest icon192.png icon512.png)
version=$(cd "$web_dir" && sha256sum "${files[@]}" | sha256sum | cut -c1-16)
list=$(printf "'%s', " "${files[@]}")
sed -e "s/{{{ VERSION }}}/$version/" -e "s/{{{ FILES }}}/${list%, }/" "$here/serviceWorker.js" \
  >"$web_dir/serviceWorker.js"
echo "the page's files are version $version"
