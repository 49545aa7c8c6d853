#!/usr/bin/env bash
# Plays half a minute of the first stage with every weapon firing and bombs
# falling, mixing on SDL's disk audio driver, and reads back the mixed
# stream: no sample may reach full scale. Then renders every song of the pack
# (the MIDI folder beside the game) once through, on its own, through SDL_mixer
# and the game's soundfont on the disk driver, since the ending song comes
# only at the end of a game: no sample at full scale either. The game's mix
# and each song must hold up on a mono speaker: left/right correlation above
# +0.3 and the mono sum (L+R)/2 no more than 3 dB below one channel.
# Usage: mix_headroom.sh GAME CAPTURE_LEVEL
set -u
exe=$1
level=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
in_phase=(0.3 3)

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
status=0
if [ "$code" -ne 0 ]; then
  status=1
else
  echo -n "game's mix: "
  "$level" "$dir/mix.raw" 25 "${in_phase[@]}" || status=1
fi

songs=("$(dirname "$exe")"/MIDI/*.MID)
[ -e "${songs[0]}" ] || { echo "no songs beside $exe"; exit 1; }
for song in "${songs[@]}"; do
  name=${song##*/}
  echo -n "$name: "
  if timeout -k 5 60 "$level" --render "$song" "$dir/$name.raw" 2>"$dir/render.err"; then
    "$level" "$dir/$name.raw" 30 "${in_phase[@]}" || status=1
  else
    echo "not rendered"
    grep -v 'disk i/o audio driver\|Writing to file' "$dir/render.err"
    status=1
  fi
done
exit $status
