#!/usr/bin/env bash
# SIGINT and SIGTERM end the game promptly whatever way it runs: headless,
# headless with the sound device open, and in a window (on SDL's dummy video
# driver), where the game shuts down cleanly and exits with 0.
# Usage: signal_ends.sh EXECUTABLE...
# Job control on: a job started in the background of a script without it
# ignores SIGINT, as every program started from it would.
set -u -m
source "$(dirname "$0")/isolate.sh"
status=0

# The threads' names of a running process, on one line.
threads() { cat /proc/"$1"/task/*/comm 2>/dev/null | tr '\n' ' '; }

for exe in "$@"; do
  for mode in headless sound window; do
    for sig in INT TERM; do
      settings=(SDL_AUDIODRIVER=dummy VELKOR_KEYS=60000:27)
      case $mode in
        headless) settings+=(VELKOR_HEADLESS=1) ;;
        sound) settings+=(VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1) ;;
        window) settings+=(SDL_VIDEODRIVER=dummy) ;;
      esac
      env "${settings[@]}" "${isolate[@]}" "$exe" 2>/dev/null </dev/null &
      pid=$!
      # Where the sound device opens, the signal comes once it is open.
      for ((i = 0; i < 150; i++)); do
        [ "$mode" = headless ] && [ "$i" -ge 10 ] && break
        [[ $(threads "$pid") == *SDLAudio* ]] && break
        sleep 0.1
      done
      device=no
      [[ $(threads "$pid") == *SDLAudio* ]] && device=yes
      kill -"$sig" "$pid"
      start=$(date +%s%N)
      while kill -0 "$pid" 2>/dev/null && [ $(($(date +%s%N) - start)) -lt 5000000000 ]; do sleep 0.02; done
      took=$((($(date +%s%N) - start) / 1000000))
      verdict=ok
      if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        verdict="still running"
      fi
      wait "$pid"
      code=$?
      if [ "$verdict" = ok ]; then
        if [ "$mode" != headless ] && [ "$device" = no ]; then verdict="the sound device never opened"
        elif [ "$took" -gt 2000 ]; then verdict="too slow"
        elif [ "$mode" = window ] && [ "$code" -ne 0 ]; then verdict="not a clean shutdown"
        fi
      fi
      echo "$(basename "$exe") $mode SIG$sig: exit $code after $took ms: $verdict"
      [ "$verdict" = ok ] || status=1
    done
  done
done
exit $status
