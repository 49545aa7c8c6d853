#!/usr/bin/env bash
# A second copy started while one runs must leave at once with 0.
set -u
exe=$1
export VELKOR_HEADLESS=1
VELKOR_KEYS=4000:27 timeout -k 2 20 "$exe" &
first=$!
sleep 1
start=$(date +%s%N)
VELKOR_KEYS=10000:27 timeout -k 2 5 "$exe"
code=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
wait "$first"
firstcode=$?
echo "second copy: exit $code after ${took} ms; first copy: exit $firstcode"
[ "$code" -eq 0 ] && [ "$took" -lt 2000 ] && [ "$firstcode" -eq 0 ]
