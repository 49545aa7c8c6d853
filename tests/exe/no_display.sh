#!/usr/bin/env bash
# With no display to show the game on, the game says why on one line of
# standard error and fails at once. A video driver that shows nothing is
# taken only when it is asked for by name.
set -u
exe=$1
unset VELKOR_HEADLESS
source "$(dirname "$0")/isolate.sh"
status=0
run_dir=$(mktemp -d)  # a runtime folder with no display server in it
trap 'rm -rf "$run_dir"' EXIT

refused() {  # what, the words the message must hold, then env arguments
  local what=$1 words=$2 err code try
  shift 2
  # Where no namespace keeps its lock apart, a copy of the game running
  # elsewhere on this machine makes this one a second copy, which leaves
  # quietly with 0: try again a few times.
  for try in 1 2 3 4 5; do
    err=$(env "$@" XDG_RUNTIME_DIR="$run_dir" VELKOR_KEYS=2000:27 timeout -k 5 10 "${isolate[@]}" "$exe" 2>&1 >/dev/null)
    code=$?
    [ "$code" -ne 0 ] || [ -n "$err" ] && break
    sleep 1
  done
  echo "$what: exit $code"
  echo "$err"
  if [ "$code" -eq 0 ] || [ "$code" -eq 124 ] || [ "$(grep -c . <<<"$err")" -ne 1 ] ||
     ! grep -q "^VELKOR: .*$words" <<<"$err"; then
    status=1
  fi
}

refused "unknown video driver" "SDL_VIDEODRIVER" SDL_VIDEODRIVER=bogus
# A console with a graphics card could show the game through KMS/DRM.
if ! compgen -G '/dev/dri/card*' >/dev/null; then
  refused "no display" "no X or Wayland display found" -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER
fi
# Its sound mixed into a file shows that it ran, rather than leaving as a second copy.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$run_dir/mix.raw" VELKOR_KEYS=300:27 \
  timeout -k 5 10 "${isolate[@]}" "$exe" >/dev/null 2>&1
code=$?
echo "dummy driver asked for: exit $code"
[ "$code" -eq 0 ] && [ -s "$run_dir/mix.raw" ] || status=1
exit $status
