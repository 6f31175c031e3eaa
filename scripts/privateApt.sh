# shellcheck shell=bash
# Sourced by the scripts that fetch Debian bookworm's source packages: an apt state of their own
# under the folder given, so the machine's apt configuration is never touched. Sets aptOptions,
# to pass to apt-get.
# Usage: source scripts/privateApt.sh FOLDER
apt=$1
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
cat >"$apt/sources.list" <<LIST
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
LIST
# shellcheck disable=SC2034 # read by the script that sources this one
aptOptions=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
  -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
