#!/usr/bin/env bash
# The web page's download, file by file: its bytes and what gzip sends of them (level 6, what
# web servers use). Usage: web-size.sh WEB_DIR
set -euo pipefail
dir=$1
total=0
totalGzipped=0
printf '%-12s %12s %12s\n' file bytes gzipped
for name in index.html index.js index.wasm index.data; do
  bytes=$(stat -c %s "$dir/$name")
  gzipped=$(gzip -6 -c "$dir/$name" | wc -c)
  printf '%-12s %12d %12d\n' "$name" "$bytes" "$gzipped"
  total=$((total + bytes))
  totalGzipped=$((totalGzipped + gzipped))
done
printf '%-12s %12d %12d\n' 'the page' "$total" "$totalGzipped"
