#!/usr/bin/env bash
# Plays each executable headless into Stage 1 with one pack file replaced by
# something that is not a usable file: a folder, a named pipe, an endless
# device, a file far too large, and valid files too heavy to play: a sound too
# long to convert, songs whose notes come all at once or a tick apart, a song
# the synthesiser refuses, pictures of the largest size taken and far above
# it, and every picture of the pack at the largest size at once. Each run must
# end with 0 in time and within a memory bound, with no error box on standard
# error (the built-in copy was used), having loaded the pack (it reached the
# title) and opened the stage song (it reached Stage 1), and must take its Esc
# as promptly as a run of the plain pack, counted from the end of loading.
# With an address cap (KiB, 0 for none) every run is made under it.
# Usage: damaged_pack.sh RUNNER MEMORY_LIMIT_MIB ADDRESS_CAP_KIB EXECUTABLE...
set -u
runner=$1
memory_limit_mib=$2
address_cap_kib=$3
shift 3
capped=()
[ "$address_cap_kib" -gt 0 ] && capped=(prlimit --as=$((address_cap_kib * 1024)) --)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Enter at the title, F1 on the ship select, Esc a while into Stage 1. Each
# key comes more than once: on a loaded machine a frame may stall past a key's
# whole press, and a repeat is harmless where the key has done its work.
keys=500:13,1500:13,3000:112,3500:112,4000:112,9000:27
# The last picture the game loads at start-up: once it is opened, the first
# frame comes.
loaded=IMAGE/CONTINU1.BMP
time_limit=40

# Each run in a network namespace of its own keeps its single-instance lock
# apart from every other copy of the game; where that is not allowed the runs
# go one at a time.
source "$(dirname "$0")/isolate.sh"
source "$(dirname "$0")/pack_files.sh"
jobs_max=1
if [ ${#isolate[@]} -gt 0 ]; then
  jobs_max=$(nproc)
  [ "$jobs_max" -le 8 ] || jobs_max=8
else
  echo "no network namespace: runs one at a time"
fi

# 64 MiB of 8-bit mono samples at 1000 Hz: a valid sound whose conversion to
# the device's format would take gigabytes.
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

# Songs of one track, 480 ticks a beat: a note on, then a repeated unit of
# its end and the next note (running status), cut to a size; the whole song
# is valid.
song() {  # unit (printf escapes, 6 bytes), bytes of notes, file
  printf "$1" >"$work/unit"
  while [ "$(stat -c %s "$work/unit")" -lt "$2" ]; do cat "$work/unit" "$work/unit" >"$work/unit2"; mv "$work/unit2" "$work/unit"; done
  {
    printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk'; be32 $(($2 + 8))
    printf '\x00\x90\x3c\x64'; head -c "$2" "$work/unit"; printf '\x00\xff\x2f\x00'
  } >"$3"
}
song '\x00\x3c\x00\x00\x3c\x64' 999996 "$work/at_once.mid"        # about a megabyte of notes at time 0
song '\x00\x3c\x00\x00\x3c\x64' 9999996 "$work/at_once_large.mid" # ten megabytes of them
song '\x00\x3c\x00\x01\x3c\x64' 999996 "$work/tick_apart.mid"     # notes a tick apart, within every bound
song '\x00\x3c\x00\x01\x3c\x64' 15999996 "$work/tick_apart_large.mid"
# A header two bytes longer than the six a song's header has: well formed
# otherwise, but the synthesiser refuses it.
{
  printf 'MThd\x00\x00\x00\x08\x00\x00\x00\x01\x01\xe0\x00\x00MTrk'; be32 13
  printf '\x00\x90\x3c\x64\x83\x60\x80\x3c\x00\x00\xff\x2f\x00'
} >"$work/refused.mid"

# Pictures of alternating pixels: 1-bit ones of the largest size the game
# takes and of 16384 pixels square; and a 24-bit one of the largest size, the
# slowest to decode, for every picture at once.
picture 4096 1 "$work/large.bmp"
picture 16384 1 "$work/huge.bmp"
picture 4096 24 "$work/largest.bmp"
for f in at_once.mid at_once_large.mid tick_apart.mid tick_apart_large.mid refused.mid large.bmp huge.bmp largest.bmp; do
  [ -s "$work/$f" ] || { echo "$f was not made"; exit 1; }
done

damage() {  # kind, file
  if [ "$1" = every_picture ]; then
    every_picture_as "$work/largest.bmp" "$2"
    return
  fi
  rm -rf "$2"
  case $1 in
    folder) mkdir "$2" ;;
    pipe) mkfifo "$2" ;;
    zero) ln -s /dev/zero "$2" ;;
    urandom) ln -s /dev/urandom "$2" ;;
    oversize) truncate -s 1G "$2" ;;  # sparse, far above the game's bound
    long_sound) cp "$work/long.wav" "$2" ;;
    plain) ;;
    *) cp "$work/$1".* "$2" ;;
  esac
}

run_case() {  # number, executable, kind, file
  local dir="$work/$1"
  copy_game "$2" "$dir"
  damage "$3" "$dir/$4"
  local line
  line=$(VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=dummy VELKOR_KEYS=$keys \
         "$runner" "$time_limit" "$memory_limit_mib" "$dir/$loaded,$dir/MIDI/VKS1.MID" "${isolate[@]}" \
         "${capped[@]}" "$dir/$(basename "$2")" 2>"$dir/err" </dev/null)
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
  cases+=("$exe|long_sound|SOUND/SHOT.WAV" "$exe|plain|-" "$exe|every_picture|IMAGE")
  for kind in at_once at_once_large tick_apart tick_apart_large refused; do cases+=("$exe|$kind|MIDI/VKS1.MID"); done
  for kind in large huge; do cases+=("$exe|$kind|IMAGE/TITLEC.BMP"); done
done

n=0
for c in "${cases[@]}"; do
  IFS='|' read -r exe kind file <<<"$c"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs_max" ]; do wait -n; done
  n=$((n + 1))
  run_case "$n" "$exe" "$kind" "$file" &
done
wait

# Esc comes 9 s after the first frame: a run takes it promptly when it ends
# within a second and a half of when the plain pack's run ended, both counted
# from the opening of the last picture the game loads at start-up, a moment
# every run reaches just before its first frame, so that start-up, which
# varies by seconds on a loaded machine, does not count.
declare -A base_since
for i in $(seq 1 "$n"); do
  read -r kind file exe code seconds peak loaded_seen since song_seen song_since <"$work/result.$i"
  [ "$kind" = plain ] && base_since[$exe]=$since
done
late() {  # exe, since: prints how late, fails when too late
  local lag
  lag=$(awk "BEGIN { print $2 - ${base_since[$1]} }")
  echo "$lag"
  awk "BEGIN { exit !($lag <= 1.5) }"
}

status=0
printf '%-17s %-16s %-14s %4s %7s %9s %5s %s\n' case file executable exit seconds peak_kib late verdict
for i in $(seq 1 "$n"); do
  read -r kind file exe code seconds peak loaded_seen since song_seen song_since <"$work/result.$i"
  verdict=ok
  # A stage song that is a device is never opened as a file in its folder.
  [[ $file == MIDI/VKS1.MID && ($kind == zero || $kind == urandom) ]] && song_seen=1
  lag=$(late "$exe" "$since")
  prompt=$?
  if [ "$code" = 124 ]; then verdict="still running after $time_limit s"
  elif [ "$code" = 137 ] || [ "$peak" -gt $((memory_limit_mib * 1024)) ]; then verdict="over $memory_limit_mib MiB"
  elif [ "$code" != 0 ]; then verdict="exit $code"
  elif [ -s "$work/$i/err" ]; then verdict="wrote: $(head -c 200 "$work/$i/err" | tr "\n" " ")"
  elif [ "$loaded_seen" != 1 ]; then verdict="never loaded the pack"
  elif [ "$song_seen" != 1 ]; then verdict="never reached Stage 1"
  elif [ "$prompt" != 0 ]; then verdict="Esc taken late"
  fi
  printf '%-17s %-16s %-14s %4s %7s %9s %5s %s\n' "$kind" "$file" "$exe" "$code" "$seconds" "$peak" "$lag" "$verdict"
  [ "$verdict" = ok ] || status=1
done
exit $status
