#!/usr/bin/env bash
# Installs what the web page's build and its test need: Debian's Emscripten, Chromium,
# dpkg-dev (apt-get source), vorbis-tools (the music as Ogg), Node where it is missing, and
# the test's puppeteer-core from npm into tests/web/node_modules, as package-lock.json pins it.
# Does nothing when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten chromium dpkg-dev vorbis-tools)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

bash scripts/install-deps.sh "${packages[@]}"

if [ ! -f tests/web/node_modules/.package-lock.json ] ||
  [ tests/web/package-lock.json -nt tests/web/node_modules/.package-lock.json ]; then
  npm ci --prefix tests/web --no-audit --no-fund
fi
