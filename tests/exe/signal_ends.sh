#!/usr/bin/env bash
# SIGINT and SIGTERM end the game promptly whatever way it runs: headless,
# headless with the sound device open, in a window (on SDL's dummy video
# driver), where the game shuts down cleanly and exits with 0, and in a window
# while it loads a pack whose every picture is of the largest size, which it
# leaves within a second. The signal comes once the game has opened the last
# picture it loads (the first, while loading), which also shows that it ran.
# Each copy of the game runs beside a pack of its own, which no other test
# opens.
# Usage: signal_ends.sh RUNNER EXECUTABLE...
set -u
runner=$1
shift
source "$(dirname "$0")/isolate.sh"
source "$(dirname "$0")/pack_files.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
picture 4096 24 "$work/largest.bmp"
status=0

for exe in "$@"; do
  # A copy of the game beside its pack, and one beside a pack whose every
  # picture is the largest one.
  for copy in plain heavy; do copy_game "$exe" "$work/$copy"; done
  every_picture_as "$work/largest.bmp" "$work/heavy/IMAGE"
  for mode in headless sound window loading; do
    for sig in INT TERM; do
      settings=(SDL_AUDIODRIVER=dummy VELKOR_KEYS=60000:27)
      game=$work/plain/$(basename "$exe") watched=IMAGE/CONTINU1.BMP bound=2
      case $mode in
        headless) settings+=(VELKOR_HEADLESS=1) ;;
        sound) settings+=(VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1) ;;
        window) settings+=(SDL_VIDEODRIVER=dummy) ;;
        loading) settings+=(SDL_VIDEODRIVER=dummy) game=$work/heavy/$(basename "$exe") watched=IMAGE/COIN1.BMP bound=1 ;;
      esac
      number=$(kill -l "$sig")
      read -r code seconds peak opened since < <(env "${settings[@]}" "$runner" --signal "$number" 30 2048 \
        "$(dirname "$game")/$watched" "${isolate[@]}" "$game" 2>/dev/null </dev/null)
      verdict=ok
      if [ "$opened" != 1 ]; then verdict="never loaded the pack"
      elif awk "BEGIN { exit !($since > $bound) }"; then verdict="took longer than $bound s"
      elif [ "$mode" != headless ] && [ "$mode" != sound ] && [ "$code" -ne 0 ]; then verdict="not a clean shutdown"
      fi
      echo "$(basename "$exe") $mode SIG$sig: exit $code, $since s after the signal: $verdict"
      [ "$verdict" = ok ] || status=1
    done
  done
  rm -rf "$work/plain" "$work/heavy"
done
exit $status
