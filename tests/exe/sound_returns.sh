#!/usr/bin/env bash
# The sound server goes away in the middle of a game and comes back. The
# game, headless with its sound on a PulseAudio server of the test's own,
# must say once that the sound was lost and play on; once the server is back
# it must open a new stream there, say so once, and the stage song must be
# heard on the server's sink again. The game's stream on the server before
# the loss shows that it really ran.
# Usage: sound_returns.sh GAME
set -u
source "$(dirname "$0")/isolate.sh"
exe=$1
dir=$(mktemp -d)
server='' game=''
finish() {
  [ -n "$game" ] && kill -9 "$game" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  wait
  rm -rf "$dir"
}
trap finish EXIT
export XDG_RUNTIME_DIR=$dir HOME=$dir PULSE_SERVER=unix:$dir/native

start_server() {
  timeout -k 5 110 pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit -L module-null-sink \
    -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" >>"$dir/server.log" 2>&1 &
  server=$!
}
# wait_for SECONDS COMMAND...: true as soon as COMMAND is, false once SECONDS have passed.
wait_for() {
  local until=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$until" ] || return 1
    sleep 0.2
  done
}
streams() { [ "$(pactl list short sink-inputs 2>/dev/null | wc -l)" -gt 0 ]; }
said() { grep -c "$1" "$dir/err"; }
saying() { [ "$(said "$1")" -gt 0 ]; }
# The loudest sample the server's sink plays in two seconds.
peak() {
  timeout 2 parec -d null.monitor --format=s16le --channels=1 --rate=22050 2>/dev/null | od -An -v -td2 |
    tr -s ' ' '\n' | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}
fail() {
  echo "FAIL: $1"
  echo "--- the game said:"
  cat "$dir/err"
  echo "--- the server said:"
  tail -5 "$dir/server.log"
  exit 1
}
lost='the sound device was lost'
back='the sound device is back'

start_server
wait_for 30 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
# Into Stage 1, whose song plays until the game is ended.
VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=pulseaudio VELKOR_KEYS=800:13,2000:79,2300:112 \
  timeout -k 5 110 "${isolate[@]}" "$exe" 2>"$dir/err" </dev/null &
game=$!
wait_for 60 streams || fail "the game opened no stream on the server"
echo "the game plays on the server"
sleep 3
kill "$server"
wait "$server"
wait_for 30 saying "$lost" || fail "the game did not say that the sound was lost"
echo "the server is gone: the game says so"
sleep 2
start_server
wait_for 30 streams || fail "the game opened no new stream once the server was back"
wait_for 30 saying "$back" || fail "the game did not say that the sound is back"
loudest=$(peak)
echo "the server is back: the game plays there again, its loudest sample $loudest"
[ "$loudest" -gt 1000 ] || fail "nothing is heard on the server once it is back"
kill -0 "$game" 2>/dev/null || fail "the game has ended"
kill "$game"
wait "$game"
game=''
[ "$(said "$lost")" -eq 1 ] && [ "$(said "$back")" -eq 1 ] || fail "the loss and the return are each to be said once"
cat "$dir/err"
