#!/usr/bin/env bash
# A second copy started while one runs must leave at once with 0, without
# opening anything: the first copy's sound, mixed into a file, shows that it
# ran, and the second's never starts. Both run in one network namespace of
# their own, apart from any other copy of the game on this machine.
# Usage: second_copy.sh EXECUTABLE
set -u
source "$(dirname "$0")/isolate.sh"
if [ ${#isolate[@]} -gt 0 ] && [ -z "${SECOND_COPY_APART:-}" ]; then
  SECOND_COPY_APART=1 exec "${isolate[@]}" "$0" "$@"
fi
exe=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=disk
SDL_DISKAUDIOFILE="$dir/first.raw" VELKOR_KEYS=4000:27 timeout -k 2 30 "$exe" 2>/dev/null &
first=$!
# The first copy holds the lock before it opens its sound.
for ((i = 0; i < 300; i++)); do
  [ -s "$dir/first.raw" ] && break
  sleep 0.05
done
start=$(date +%s%N)
SDL_DISKAUDIOFILE="$dir/second.raw" VELKOR_KEYS=10000:27 timeout -k 2 5 "$exe" 2>/dev/null
code=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
wait "$first"
firstcode=$?
echo "second copy: exit $code after ${took} ms, sound $([ -e "$dir/second.raw" ] && echo opened || echo never opened);" \
     "first copy: exit $firstcode, sound $([ -s "$dir/first.raw" ] && echo mixed || echo never mixed)"
[ "$code" -eq 0 ] && [ "$took" -lt 2000 ] && [ ! -e "$dir/second.raw" ] && [ "$firstcode" -eq 0 ] && [ -s "$dir/first.raw" ]
