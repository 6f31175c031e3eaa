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

installed=" $({ dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' "${packages[@]}" 2>/dev/null || true; } |
  sed -n 's/^ii *//p' | tr '\n' ' ') "
missing=()
for pkg in "${packages[@]}"; do
  [[ "$installed" == *" $pkg "* ]] || missing+=("$pkg")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f tests/web/node_modules/.package-lock.json ] ||
  [ tests/web/package-lock.json -nt tests/web/node_modules/.package-lock.json ]; then
  npm ci --prefix tests/web --no-audit --no-fund
fi
