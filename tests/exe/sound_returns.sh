#!/usr/bin/env bash
# The game, headless with its sound on a sound server of the test's own,
# meets the states a desktop's sound server may be in. It must never crash
# or freeze; it says what is missing once, in one line of its own (and no
# line of the sound libraries'), and is heard within a couple of seconds of
# an output being there. Sound heard on the server's sink shows that the
# game really ran.
#
#   returns    a PulseAudio server goes away in mid-game and comes back: the
#              loss and the return are said once each, and the stage song is
#              heard again.
#   no-output  a PulseAudio server with no output at all (no sink) at the
#              start: said; a sink is added: heard; the only sink is taken
#              away in play: said; added again: heard.
#   late       no server and no sound card at the start (and SDL's drivers
#              left to choose): said in one line; the server starts three
#              seconds later: heard within about two seconds.
#   stalled    PipeWire's PulseAudio server with no session manager, which
#              never readies a stream: said, and the game, in a window, still
#              loads, and Esc ends it with 0 within a couple of seconds.
# Usage: sound_returns.sh MODE GAME [RUNNER]
set -u
source "$(dirname "$0")/isolate.sh"
source "$(dirname "$0")/pack_files.sh"
mode=$1 exe=$2 runner=${3:-}
dir=$(mktemp -d)
servers=() game=''
finish() {
  [ -n "$game" ] && kill -9 "$game" 2>/dev/null
  [ ${#servers[@]} -gt 0 ] && kill "${servers[@]}" 2>/dev/null
  wait
  rm -rf "$dir"
}
trap finish EXIT
export XDG_RUNTIME_DIR=$dir HOME=$dir PULSE_SERVER=unix:$dir/pulse/native
driver=pulseaudio  # SDL's audio driver for the game
mkdir -p "$dir/pulse"

# A PulseAudio server: with a sink (the null sink, named "null"), or with none.
start_pulse() {  # [sink | no-sink]
  local sink=(-L module-null-sink)
  [ "${1:-sink}" = no-sink ] && sink=()
  timeout -k 5 110 pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit "${sink[@]}" \
    -L "module-native-protocol-unix socket=$dir/pulse/native auth-anonymous=1" >>"$dir/server.log" 2>&1 &
  servers+=($!)
  wait_for 30 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
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
heard() {  # WHAT
  local loudest
  loudest=$(peak)
  echo "$1: the game's loudest sample is $loudest"
  [ "$loudest" -gt 1000 ] || fail "$1: nothing is heard on the server"
}
fail() {
  echo "FAIL: $1"
  echo "--- the game said:"
  cat "$dir/err"
  echo "--- the server said:"
  tail -5 "$dir/server.log"
  exit 1
}
alive() { kill -0 "$game" 2>/dev/null || fail "the game has ended"; }
# Into Stage 1, whose song plays until the game is ended.
play() {
  VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 VELKOR_KEYS=800:13,2000:79,2300:112 SDL_AUDIODRIVER=$driver \
    timeout -k 5 110 "${isolate[@]}" "$exe" 2>"$dir/err" </dev/null &
  game=$!
}
# Ends the game; what it said must be these lines, each once, in this order.
end_saying() {  # LINE...
  alive
  kill "$game"
  wait "$game"
  game=''
  local expected
  expected=$(printf 'VELKOR: %s\n' "$@")
  [ "$(cat "$dir/err")" = "$expected" ] || fail "the game was to say just these lines:
$expected"
  cat "$dir/err"
}
lost='the sound device was lost; the game plays on silently until it is back'
back='the sound device is back'
appeared='a sound device is there now; the game is heard from here on'

case $mode in
  returns)
    start_pulse
    play
    wait_for 60 streams || fail "the game opened no stream on the server"
    echo "the game plays on the server"
    sleep 3
    kill "${servers[@]}"
    wait "${servers[@]}"
    servers=()
    wait_for 30 saying "$lost" || fail "the game did not say that the sound was lost"
    echo "the server is gone: the game says so"
    sleep 2
    start_pulse
    wait_for 30 streams || fail "the game opened no new stream once the server was back"
    wait_for 30 saying "$back" || fail "the game did not say that the sound is back"
    heard "the server is back"
    end_saying "$lost" "$back"
    ;;
  no-output)
    start_pulse no-sink
    play
    wait_for 30 saying "has no output" || fail "the game did not say that the server has no output"
    sleep 2
    alive
    echo "a server with no output: the game says so and plays on"
    sink=$(pactl load-module module-null-sink)
    wait_for 5 saying "$appeared" || fail "the game did not take the output added"
    heard "an output is added"
    sleep 1
    pactl unload-module "$sink"
    wait_for 10 saying "$lost" || fail "the game did not say that its only output went"
    sleep 2
    alive
    echo "the only output is taken away: the game says so and plays on"
    pactl load-module module-null-sink >/dev/null
    wait_for 5 saying "$back" || fail "the game did not take the output added again"
    heard "the output is back"
    end_saying "the sound server has no output (no sound card, and no sink); the game plays on silently until it has one" \
      "$appeared" "$lost" "$back"
    ;;
  late)
    # SDL tries its drivers in turn; ALSA, on a configuration with no card,
    # would write lines of its own.
    : >"$dir/alsa.conf"
    driver=''
    export ALSA_CONFIG_PATH=$dir/alsa.conf
    play
    sleep 3
    alive
    start_pulse
    started=$SECONDS
    wait_for 10 streams || fail "the game opened no stream on the server that came late"
    echo "the server started late: the game's stream is there after $((SECONDS - started)) s"
    [ $((SECONDS - started)) -le 3 ] || fail "the game took too long to find the server"
    heard "the server started late"
    end_saying "no sound device was found (no sound server, and no sound card that opens); the game plays on silently until one appears" \
      "$appeared"
    ;;
  stalled)
    pipewire >>"$dir/server.log" 2>&1 &
    servers+=($!)
    wait_for 30 test -S "$dir/pipewire-0" || fail "PipeWire did not start"
    pipewire-pulse >>"$dir/server.log" 2>&1 &
    servers+=($!)
    wait_for 30 pactl info >/dev/null 2>&1 || fail "PipeWire's PulseAudio server did not start"
    copy_game "$exe" "$dir/game"
    # In a window (on SDL's dummy video driver), Esc three seconds after the
    # start; the last picture loaded shows that the game got past its sound.
    last=$dir/game/IMAGE/CONTINU1.BMP
    read -r code seconds _ opened since < <(SDL_VIDEODRIVER=dummy VELKOR_KEYS=3000:27 SDL_AUDIODRIVER=pulseaudio \
      "$runner" 30 1024 "$last" "${isolate[@]}" "$dir/game/$(basename "$exe")" 2>"$dir/err" </dev/null)
    echo "a server that never readies a stream: exit $code after $seconds s, $since s after the pack was loaded"
    [ "$opened" = 1 ] || fail "the game never loaded its pack"
    [ "$code" = 0 ] || fail "the game did not end with 0"
    # Esc comes three seconds after the start of play, at most.
    awk "BEGIN { exit !($since < 5) }" || fail "Esc did not end the game within a couple of seconds"
    [ "$(cat "$dir/err")" = "VELKOR: the sound server has not readied a stream in a second; the game plays on silently until it does" ] ||
      fail "the game was to say once that the server readies no stream"
    cat "$dir/err"
    ;;
  *) echo "unknown mode $mode"; exit 2 ;;
esac
