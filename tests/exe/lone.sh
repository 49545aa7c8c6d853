#!/usr/bin/env bash
# Copies the executable into an empty folder and plays a little of it headless:
# every picture, sound and song must come from its resources, with no error box.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$1" "$dir/game"
VELKOR_HEADLESS=1 VELKOR_KEYS=200:13,1500:112,3000:27 timeout -k 5 30 "$dir/game" 2> "$dir/err"
code=$?
cat "$dir/err"
[ "$code" -eq 0 ] && ! grep -q . "$dir/err"
