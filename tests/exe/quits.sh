#!/usr/bin/env bash
# Plays a little of the game headless, with its sound mixed into a file on
# SDL's disk audio driver, and quits with Esc: it must exit with 0 and write
# nothing to standard error (no error box), and the mix file shows that it
# really ran: a second copy of the game leaves before it opens the sound.
# With "lone", the executable is copied alone into an empty folder and played
# into Stage 1: every picture, sound and song must come from its resources.
# With "faces-elsewhere", the IPA faces are hidden from the folders they are
# installed in, and a copy of each lies only in the player's own fonts folder
# (XDG_DATA_HOME/fonts), which fontconfig knows and nothing else: the game must
# find and open them there, and so say nothing.
# With "nothing-installed", the faces and every soundfont are hidden (and
# fontconfig is shown no fonts at all): the game must name each package to
# install, each once, and still play and quit with 0.
# Hiding takes a mount namespace of the run's own, whose empty folders cover
# the real ones for that run alone; where none may be made the run is skipped
# (77), as no file could then be hidden without changing the machine's own.
# Usage: quits.sh EXECUTABLE [lone | faces-elsewhere | nothing-installed]
set -u
source "$(dirname "$0")/isolate.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
exe=$1 keys=300:27 mode=${2:-}
hide=()    # folders covered by empty ones for the run
expect=()  # the words each line of standard error must hold, one line each
ipa=(/usr/share/fonts/opentype/ipafont-mincho /usr/share/fonts/opentype/ipafont-gothic)
case $mode in
  lone)
    cp "$1" "$dir/game"
    exe=$dir/game keys=200:13,1500:112,3000:27
    ;;
  faces-elsewhere)
    mkdir -p "$dir/data/fonts" "$dir/cache"
    cp "${ipa[0]}/ipam.ttf" "${ipa[1]}/ipag.ttf" "$dir/data/fonts/" || { echo "the IPA faces are not installed"; exit 1; }
    export XDG_DATA_HOME=$dir/data XDG_CACHE_HOME=$dir/cache
    hide=("${ipa[@]}")
    ;;
  nothing-installed)
    mkdir "$dir/fonts"
    cat >"$dir/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>$dir/fonts</dir><cachedir>$dir/cache</cachedir></fontconfig>
CONF
    export FONTCONFIG_FILE=$dir/fonts.conf
    unset SDL_SOUNDFONTS
    hide=("${ipa[@]}")
    for d in /usr/share/sounds /usr/share/soundfonts; do [ -d "$d" ] && hide+=("$d"); done
    expect=("Mincho face.*install fonts-ipafont-mincho$" "Gothic face.*install fonts-ipafont-gothic$"
            "no soundfont found.*install timgm6mb-soundfont")
    ;;
esac
run=("${isolate[@]}")
if [ ${#hide[@]} -gt 0 ]; then
  private=
  for try in "unshare -m --propagation private" "unshare -rm --propagation private"; do
    if $try true 2>/dev/null; then private=$try; break; fi
  done
  if [ -z "$private" ]; then
    echo "SKIP: no mount namespace may be made here, so no file can be hidden from the game"
    exit 77
  fi
  read -ra words <<<"$private"
  # The system's font caches are made read-only for the run too: fontconfig
  # would otherwise store there what it finds in the hidden folders (nothing).
  # shellcheck disable=SC2016
  run+=("${words[@]}" sh -c 'exe=$1; shift
    for d; do mount -t tmpfs none "$d" || { echo "cannot hide $d" >&2; exit 1; }; done
    if [ -d /var/cache/fontconfig ]; then
      mount --bind -o ro /var/cache/fontconfig /var/cache/fontconfig || { echo "cannot keep the font caches" >&2; exit 1; }
    fi
    exec "$exe"' sh)
fi
VELKOR_HEADLESS=1 VELKOR_HEADLESS_SOUND=1 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/mix.raw" \
  VELKOR_KEYS=$keys timeout -k 5 30 "${run[@]}" "$exe" "${hide[@]}" 2>"$dir/err" </dev/null
code=$?
# The disk driver says on standard error where it writes; nothing else may
# but the lines expected, each once.
grep -v '^CRITICAL: \(You are using the SDL disk i/o audio driver!\| Writing to file \[\)' "$dir/err" >"$dir/said"
cat "$dir/said"
echo "exit $code; sound mixed: $(stat -c %s "$dir/mix.raw" 2>/dev/null || echo none) bytes"
said_right=1
[ "$(grep -c . "$dir/said")" -eq ${#expect[@]} ] || said_right=0
for line in "${expect[@]}"; do
  [ "$(grep -c "^VELKOR: .*$line" "$dir/said")" -eq 1 ] || { echo "not said once: $line"; said_right=0; }
done
[ "$code" -eq 0 ] && [ "$said_right" -eq 1 ] && [ -s "$dir/mix.raw" ]
