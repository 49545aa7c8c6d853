#!/usr/bin/env bash
# Plays a little of the game headless, with its sound mixed into a file on
# SDL's disk audio driver, and quits with Esc: it must exit with 0 and write
# nothing to standard error (no error box), and the mix file shows that it
# really ran: a second copy of the game leaves before it opens the sound.
# With "lone", the executable is copied alone into an empty folder and played
# into Stage 1: every picture, sound and song must come from its resources.
# Usage: quits.sh EXECUTABLE [lone]
set -u
source "$(dirname "$0")/isolate.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
exe=$1 keys=300:27
if [ "${2:-}" = lone ]; then
  cp "$1" "$dir/game"
  exe=$dir/game keys=200:13,1500:112,3000:27
fi
VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/mix.raw" \
  VELKOR_KEYS=$keys timeout -k 5 30 "${isolate[@]}" "$exe" 2>"$dir/err" </dev/null
code=$?
# The disk driver says on standard error where it writes; nothing else may.
grep -v '^CRITICAL: \(You are using the SDL disk i/o audio driver!\| Writing to file \[\)' "$dir/err" >"$dir/said"
cat "$dir/said"
echo "exit $code; sound mixed: $(stat -c %s "$dir/mix.raw" 2>/dev/null || echo none) bytes"
[ "$code" -eq 0 ] && [ ! -s "$dir/said" ] && [ -s "$dir/mix.raw" ]
