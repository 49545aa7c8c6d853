#!/usr/bin/env bash
# The game on an X display of its own (Xvfb), in two parts:
#
#   fills WIDE NARROW  the picture fills the window whatever size it is given,
#                      scaled with its aspect kept and centred on black: the
#                      narrow window resized by another client, then made full
#                      screen and maximised by a window manager (openbox) and
#                      given back its own size, never less; the wide one resized.
#                      Each copy ends with its display killed under it: exit
#                      1 with one line saying that the display was lost.
#   lost WIDE NARROW   the display killed at moments all through start-up:
#                      exit 1 with one line on standard error, never a signal.
#
# A shot of the window is compared with the title as first shown, unscaled:
# the box around its pixels that are not black, scaled and centred as the
# picture must be, is where the scaled shot's must be, and all else is black.
set -u
mode=$1 wide=$2 narrow=$3
source "$(dirname "$0")/isolate.sh"
source "$(dirname "$0")/private_x.sh"
dir=$(mktemp -d)
mkdir "$dir/run"  # a runtime folder with no Wayland display in it
xpid= wmpid= gpid=
trap '[ -n "$gpid" ] && kill -9 $gpid 2>/dev/null; [ -n "$wmpid" ] && kill $wmpid 2>/dev/null;
      [ -n "$xpid" ] && kill $xpid 2>/dev/null; wait; rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir/run SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY VELKOR_HEADLESS SDL_VIDEODRIVER VELKOR_KEYS
# Under the leak sanitizer the display's client leaves leaks it suppresses;
# the count of those would be lines of standard error the game did not say.
[ -n "${LSAN_OPTIONS:-}" ] && export LSAN_OPTIONS="$LSAN_OPTIONS:print_suppressions=0"
status=0
fail() { echo "FAIL: $*"; status=1; }

start_x() {  # a display of 1280x1024, named in DISPLAY once it takes clients
  start_xvfb "$dir/display" -screen 0 1280x1024x24
  xpid=$xvfb_pid
}

start_game() {  # EXE: in the background, its standard error in $dir/err
  timeout -k 5 120 "${isolate[@]}" "$1" >/dev/null 2>"$dir/err" &
  gpid=$!
}

# Kills the display under the game (it leaves no files behind when asked to
# end rather than killed outright, and its clients see the same) and waits for
# the game: exit 1, one line on standard error, a line that is WORDS (a
# pattern). Prints what happened.
display_lost() {  # WHAT WORDS
  kill $xpid
  wait $xpid 2>/dev/null
  xpid=
  [ -n "$wmpid" ] && wait $wmpid 2>/dev/null
  wmpid=
  wait $gpid
  local code=$? said
  gpid=
  said=$(cat "$dir/err")
  echo "$1: exit $code: $said"
  [ "$code" -eq 1 ] && [ "$(grep -c . <<<"$said")" -eq 1 ] && grep -q "^VELKOR: $2" <<<"$said" ||
    fail "$1: not one line of a lost display and exit 1"
}

box() {  # the box around the window's pixels that are not black: W H X Y
  import -window "$wid" "$dir/shot.png" 2>/dev/null &&
    convert "$dir/shot.png" -format '%@' info: 2>/dev/null | tr 'x+' '  '
}
size() { xwininfo -id "$wid" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# The title as first shown, once two shots half a second apart agree: ref_*.
reference() {  # CLIENT_W CLIENT_H
  local last= now i
  for ((i = 0; i < 60; i++)); do
    now=$(box)
    [ "$(size)" = "$1x$2" ] && [ -n "$now" ] && [ "$now" = "$last" ] && break
    last=$now
    sleep 0.5
  done
  read -r ref_w ref_h ref_x ref_y <<<"$now"
  client_w=$1 client_h=$2
  echo "title at ${1}x$2: picture box ${ref_w}x$ref_h+$ref_x+$ref_y"
  # The title's picture, 360x480, shows: a black window would fill any box.
  [ "${ref_w:-0}" -ge 300 ] && [ "${ref_h:-0}" -ge 400 ] || fail "the title is not shown"
}

# Waits for the window to be WxH and its picture to be the title scaled into
# it, aspect kept and centred (within a pixel or three of rounding).
fills() {  # WHAT W H
  local want got i
  want=$(awk -v cw=$client_w -v ch=$client_h -v w=$2 -v h=$3 -v bw=$ref_w -v bh=$ref_h -v bx=$ref_x -v by=$ref_y '
    BEGIN { s = w / cw < h / ch ? w / cw : h / ch
            printf "%d %d %d %d", bw * s, bh * s, (w - cw * s) / 2 + bx * s, (h - ch * s) / 2 + by * s }')
  for ((i = 0; i < 80; i++)); do
    got=$(box)
    [ "$(size)" = "$2x$3" ] && awk -v a="$want" -v b="$got" 'BEGIN {
      n = split(a, x, " "); if (split(b, y, " ") != 4) exit 1
      for (i = 1; i <= n; i++) if (x[i] - y[i] > 3 || y[i] - x[i] > 3) exit 1 }' && break
    sleep 0.25
  done
  echo "$1: window $(size), picture box $got, wanted $want"
  [ $i -lt 80 ] || fail "$1: the picture does not fill the window"
}

resize() { xdotool windowmove "$wid" 0 0 windowsize "$wid" "$1" "$2"; }

find_window() {
  wid=$(timeout 60 xdotool search --sync --name '^VELKOR$' 2>/dev/null | head -1)
  [ -n "$wid" ] || fail "no game window"
}

if [ "$mode" = fills ]; then
  start_x
  start_game "$narrow"
  find_window
  if [ -n "$wid" ]; then
    reference 360 600
    resize 720 1000 && fills "narrow sized 720x1000" 720 1000
    resize 1000 700 && fills "narrow sized 1000x700" 1000 700
    resize 360 600 && fills "narrow sized back" 360 600
    openbox >/dev/null 2>&1 &
    wmpid=$!
    # Once it manages the window, it lists it.
    for ((i = 0; i < 300; i++)); do
      wmctrl -l 2>/dev/null | grep -q "^$(printf '0x%08x' "$wid") " && break
      sleep 0.1
    done
    wmctrl -i -r "$wid" -b add,fullscreen && fills "narrow made full screen" 1280 1024
    wmctrl -i -r "$wid" -b remove,fullscreen && fills "narrow full screen no more" 360 600
    # Maximised (openbox offers it, as its button does), it takes the screen
    # but for the frame's title bar.
    wmctrl -i -r "$wid" -b add,maximized_vert,maximized_horz
    for ((i = 0; i < 40; i++)); do
      read -r max_w max_h <<<"$(size | tr x ' ')"
      [ "$max_w" -eq 1280 ] && [ "$max_h" -gt 900 ] && break
      sleep 0.25
    done
    fills "narrow maximised" "$max_w" "$max_h"
    wmctrl -i -r "$wid" -b remove,maximized_vert,maximized_horz && fills "narrow maximised no more" 360 600
    grep -q "minimum size: 360 by 600" <<<"$(xprop -id "$wid" WM_NORMAL_HINTS)" ||
      fail "the narrow window may be made smaller than its picture"
  fi
  display_lost "narrow, display killed in play" "the connection to the display was lost$"

  start_x
  start_game "$wide"
  find_window
  if [ -n "$wid" ]; then
    resize 800 600 && reference 800 600
    resize 1000 700 && fills "wide sized 1000x700" 1000 700
    resize 1280 1024 && fills "wide sized 1280x1024" 1280 1024
  fi
  display_lost "wide, display killed in play" "the connection to the display was lost$"
fi

if [ "$mode" = lost ]; then
  # Before the game reaches the display it finds none (or, on a machine with a
  # graphics card, may try the console); after, it has lost it.
  for exe in "$wide" "$narrow"; do
    for ((ms = 0; ms <= 200; ms += 5)); do
      start_x
      start_game "$exe"
      sleep "$(awk -v ms=$ms 'BEGIN { print ms / 1000 }')"
      display_lost "${exe##*/}, display killed ${ms} ms after start" ""
    done
  done
fi
exit $status
