#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; with package names
# as arguments, installs those instead (the web page's build uses it so).
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libpng-dev libgtest-dev libbenchmark-dev
  libdeflate-dev          # the asset generator packs the web page's pictures with it
  xvfb xdotool imagemagick x11-utils
  python3
  dpkg-dev file           # make package: CPack reads the game's libraries with dpkg-shlibdeps
  lintian appstream       # the package test checks the package and its AppStream metadata
  clang libclang-rt-dev   # the fuzzing harnesses: clang with libFuzzer and the sanitizers
  python3-numpy sox vorbis-tools  # make sound-report: the analysis, the spectrogram, the Ogg sizes
)

[ $# -gt 0 ] && packages=("$@")

# One query for the whole list: the packages installed, then those not among them.
# (dpkg-query fails when it has never heard of one of them: not an error here.)
installed=" $({ dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' "${packages[@]}" 2>/dev/null || true; } |
  sed -n 's/^ii *//p' | tr '\n' ' ') "
missing=()
for pkg in "${packages[@]}"; do
  [[ "$installed" == *" $pkg "* ]] || missing+=("$pkg")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
