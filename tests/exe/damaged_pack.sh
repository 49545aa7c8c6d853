#!/usr/bin/env bash
# Plays each executable headless into Stage 1 with one pack file replaced by
# something that is not a usable file: a folder, a named pipe, an endless
# device, a file far too large, and (for a sound) a valid sound too long to
# convert. Each run must end with 0 in time and within a memory bound, with no
# error box on standard error (the built-in copy was used), having opened the
# stage song (it reached Stage 1).
# Usage: damaged_pack.sh RUNNER MEMORY_LIMIT_MIB EXECUTABLE...
set -u
runner=$1
memory_limit_mib=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Enter at the title, F1 on the ship select, Esc a while into Stage 1. Each
# key comes more than once: on a loaded machine a frame may stall past a key's
# whole press, and a repeat is harmless where the key has done its work.
keys=500:13,1500:13,3000:112,3500:112,4000:112,9000:27
time_limit=40

# Each run in a network namespace of its own keeps its single-instance lock
# apart from every other copy of the game; where that is not allowed the runs
# go one at a time.
source "$(dirname "$0")/isolate.sh"
jobs_max=1
if [ ${#isolate[@]} -gt 0 ]; then
  jobs_max=$(nproc)
  [ "$jobs_max" -le 8 ] || jobs_max=8
else
  echo "no network namespace: runs one at a time"
fi

# 64 MiB of 8-bit mono samples at 1000 Hz: a valid sound whose conversion to
# the device's format would take gigabytes.
le32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"
}
samples=$((64 << 20))
{
  printf 'RIFF'; le32 $((36 + samples)); printf 'WAVEfmt '; le32 16
  printf '\x01\x00\x01\x00'; le32 1000; le32 1000; printf '\x01\x00\x08\x00'
  printf 'data'; le32 "$samples"
  head -c "$samples" /dev/zero | tr '\0' '\200'
} >"$work/long.wav"
if [ "$(stat -c %s "$work/long.wav")" -ne $((44 + samples)) ]; then
  echo "the long sound was not made"
  exit 1
fi

damage() {  # kind, file
  rm -rf "$2"
  case $1 in
    folder) mkdir "$2" ;;
    pipe) mkfifo "$2" ;;
    zero) ln -s /dev/zero "$2" ;;
    urandom) ln -s /dev/urandom "$2" ;;
    oversize) truncate -s 1G "$2" ;;  # sparse, far above the game's bound
    long_sound) cp "$work/long.wav" "$2" ;;
  esac
}

run_case() {  # number, executable, kind, file
  local dir="$work/$1"
  mkdir "$dir"
  cp "$2" "$dir/"
  cp -r "$(dirname "$2")"/{IMAGE,SOUND,MIDI} "$dir/"
  damage "$3" "$dir/$4"
  local line
  line=$(VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=dummy VELKOR_KEYS=$keys \
         "$runner" "$time_limit" "$memory_limit_mib" "$dir/MIDI/VKS1.MID" "${isolate[@]}" "$dir/$(basename "$2")" \
         2>"$dir/err" </dev/null)
  echo "$3 $4 $(basename "$2") $line" >"$work/result.$1"
  rm -rf "$dir/IMAGE" "$dir/SOUND" "$dir/MIDI" "$dir/$(basename "$2")"
}

cases=()
for exe in "$@"; do
  for kind in folder pipe zero urandom oversize; do
    for file in IMAGE/TITLEC.BMP SOUND/SHOT.WAV MIDI/VKS1.MID IMAGE/MAIN.BMP; do
      cases+=("$exe|$kind|$file")
    done
  done
  cases+=("$exe|long_sound|SOUND/SHOT.WAV")
done

n=0
for c in "${cases[@]}"; do
  IFS='|' read -r exe kind file <<<"$c"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs_max" ]; do wait -n; done
  n=$((n + 1))
  run_case "$n" "$exe" "$kind" "$file" &
done
wait

status=0
printf '%-10s %-16s %-14s %4s %7s %9s %s\n' case file executable exit seconds peak_kib
for i in $(seq 1 "$n"); do
  read -r kind file exe code seconds peak opened <"$work/result.$i"
  verdict=ok
  # A stage song that is a device is never opened as a file in its folder.
  song_seen=$opened
  [[ $file == MIDI/VKS1.MID && ($kind == zero || $kind == urandom) ]] && song_seen=1
  if [ "$code" = 124 ]; then verdict="still running after $time_limit s"
  elif [ "$code" = 137 ] || [ "$peak" -gt $((memory_limit_mib * 1024)) ]; then verdict="over $memory_limit_mib MiB"
  elif [ "$code" != 0 ]; then verdict="exit $code"
  elif [ -s "$work/$i/err" ]; then verdict="wrote: $(head -c 200 "$work/$i/err")"
  elif [ "$song_seen" != 1 ]; then verdict="never reached Stage 1"
  fi
  printf '%-10s %-16s %-14s %4s %7s %9s %s\n' "$kind" "$file" "$exe" "$code" "$seconds" "$peak" "$verdict"
  [ "$verdict" = ok ] || status=1
done
exit $status
