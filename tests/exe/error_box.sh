#!/usr/bin/env bash
# The error box, in a window on an X server of the test's own: under a cap on
# address space a picture fails to load at start-up and the game shows its
# box, drawn in the game's window (the middle of the window is no longer one
# colour). Killed with SIGKILL while the box is up, the game leaves no process
# behind and no lock: a copy started right after loads the pack and quits
# with Esc. SIGTERM while the box is up ends the game with 0; so does Esc,
# after Enter has closed the first box and the game went on to the next.
# Usage: error_box.sh RUNNER EXECUTABLE...
set -u
here=$(dirname "$0")
source "$here/isolate.sh"
# Every run shares one network namespace, so that a lock one of them leaves
# is met by the next, and none meets another test's copy of the game.
if [ "${1:-}" != --inside ]; then exec "${isolate[@]}" "$0" --inside "$@"; fi
shift
runner=$1
shift
source "$here/pack_files.sh"
source "$here/private_x.sh"
work=$(mktemp -d)
xvfb=
game=
pid=

# The processes running the copy of the game under test.
game_pids() {
  local p
  for p in /proc/[0-9]*; do
    [ -n "$game" ] && [ "$(readlink "$p/exe" 2>/dev/null)" = "$game" ] && echo "${p#/proc/}"
  done
}
cleanup() {
  local p
  for p in $(game_pids); do kill -9 "$p"; done
  [ -n "$xvfb" ] && kill "$xvfb"
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work/display" -screen 0 1024x768x24 -fbdir "$work" || exit 1
xvfb=$xvfb_pid
unset SDL_VIDEODRIVER VELKOR_HEADLESS VELKOR_HEADLESS_SOUND VELKOR_KEYS
# Drawn in software: under the cap the GL driver cannot be loaded.
export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 SDL_AUDIODRIVER=dummy

boxes() { grep -c '^エラー発生: ' "$work/err"; }
# True when the middle of the game's window, where the box lies, shows more
# than a few colours: its frame, caption bar, face and the text's edges.
box_drawn() {
  local geometry WINDOW X Y WIDTH HEIGHT SCREEN colours
  geometry=$(xdotool search --name '^VELKOR$' getwindowgeometry --shell 2>/dev/null) || return 1
  eval "$geometry"
  colours=$(convert "xwd:$work/Xvfb_screen0" -crop "$((WIDTH / 2))x$((HEIGHT / 10))+$((X + WIDTH / 4))+$((Y + HEIGHT * 9 / 20))" \
    +repage -format %k info: 2>/dev/null)
  [ "${colours:-0}" -ge 8 ]
}
start() {  # address cap in KiB
  : >"$work/err"
  prlimit --as=$(($1 * 1024)) -- "$game" 2>"$work/err" </dev/null &
  pid=$!
}
# True once that many boxes were told on standard error and one is drawn.
wait_for_box() {  # count, seconds
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do
    [ "$(boxes)" -ge "$1" ] && box_drawn && return 0
    sleep 0.2
  done
  return 1
}
# Ends the game with SIGKILL and waits for it.
end() { kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
# Sets `code` to the game's exit status once it has ended, or to "none" when
# it is still running after that many seconds (it is then killed).
wait_exit() {  # seconds
  local deadline=$((SECONDS + $1))
  while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    end
    code=none
  else
    wait "$pid" 2>/dev/null
    code=$?
  fi
}
key() { xdotool search --name '^VELKOR$' windowfocus --sync key "$1"; }

status=0
report() {  # what, verdict[, what the game said, shown on failure]
  echo "$(basename "$game") $1: $2"
  [ "$2" = ok ] && return
  status=1
  [ -n "${3:-}" ] && cat "$3"
}
for exe in "$@"; do
  copy_game "$exe" "$work/game"
  game=$work/game/$(basename "$exe")
  # The cap at which a picture fails: the first of these at which a box comes.
  cap=
  for try in 100000 90000 110000 120000 80000; do
    start "$try"
    if wait_for_box 1 20; then cap=$try; break; fi
    end
  done
  if [ -z "$cap" ]; then
    report "a box under a cap on address space" "never drawn" "$work/err"
  else
    report "a box under a cap of $cap KiB" ok
    end
    sleep 0.5
    left=$(game_pids)
    [ -z "$left" ] && verdict=ok || verdict="left processes $left"
    report "SIGKILL while the box is up leaves nothing behind" "$verdict"
    # A copy that found the lock taken would leave at once, opening nothing.
    read -r code _ _ opened _ < <(VELKOR_KEYS=300:27 "$runner" 30 2048 "$work/game/IMAGE/CONTINU1.BMP" "$game" \
      2>"$work/fresh" </dev/null)
    [ "$code" = 0 ] && [ "$opened" = 1 ] && verdict=ok || verdict="exit $code, pack opened $opened"
    report "a copy started right after runs" "$verdict" "$work/fresh"

    start "$cap"
    if wait_for_box 1 20; then
      kill -TERM "$pid"
      wait_exit 5
      [ "$code" = 0 ] && verdict=ok || verdict="exit $code"
    else
      verdict="no box"
      end
    fi
    report "SIGTERM while the box is up ends the game" "$verdict" "$work/err"

    start "$cap"
    if ! wait_for_box 1 20; then
      verdict="no box"
    else
      key Return
      if ! wait_for_box 2 20; then
        verdict="Enter did not go on to the next box"
      else
        key Escape
        wait_exit 5
        [ "$code" = 0 ] && verdict=ok || verdict="exit $code"
      fi
    fi
    end
    report "Enter goes on, Esc while the box is up ends the game" "$verdict" "$work/err"
  fi
  for p in $(game_pids); do kill -9 "$p"; done
  rm -rf "$work/game"
done
exit $status
