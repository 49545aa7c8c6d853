#!/usr/bin/env bash
# Plays half a minute of the first stage with every weapon firing and bombs
# falling, mixing on SDL's disk audio driver, and reads back the mixed
# stream: no sample may reach full scale.
# Usage: mix_headroom.sh GAME CAPTURE_LEVEL
set -u
exe=$1
level=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Enter at the title; O (the ship survives hits) and F1 at ship select; then
# the wide shot held (a scripted key is held for 100 ms, so it is pressed
# again every 110 ms), a bomb fan every 400 ms and a sway left and right.
end=32000
keys="800:13,2000:79,2300:112"
for ((t = 3500; t < end; t += 110)); do keys+=",$t:67"; done
for ((t = 3500; t < end; t += 400)); do keys+=",$t:77"; done
for ((t = 3500; t < end; t += 1500)); do keys+=",$t:37,$((t + 700)):39"; done
keys+=",$end:27"

source "$(dirname "$0")/isolate.sh"
VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/mix.raw" \
  VELKOR_KEYS="$keys" timeout -k 5 60 "${isolate[@]}" "$exe" 2>/dev/null
code=$?
echo "game: exit $code"
[ "$code" -eq 0 ] && "$level" "$dir/mix.raw" 25
