# Sourced by the executables' tests: copies of the game beside its pack,
# writers of the little-endian and big-endian numbers of a pack file's
# header, and of pictures.
le32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"
}
be32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) $(($1 >> 8 & 255)) $(($1 & 255)))"
}
# A bottom-up picture of alternating pixels, 1-bit (black and white) or 24-bit.
picture() {  # side, bits (1 or 24), file
  local stride=$((($1 * $2 + 31) / 32 * 4)) palette=8
  [ "$2" = 1 ] || palette=0
  {
    printf 'BM'; le32 $((54 + palette + stride * $1)); le32 0; le32 $((54 + palette)); le32 40; le32 "$1"; le32 "$1"
    printf '\x01\x00'; printf "\\x$(printf %02x "$2")\\x00"; le32 0; le32 $((stride * $1)); le32 2835; le32 2835
    if [ "$2" = 1 ]; then le32 2; le32 0; printf '\x00\x00\x00\x00\xff\xff\xff\x00'; else le32 0; le32 0; fi
    head -c $((stride * $1)) /dev/zero | tr '\0' '\125'
  } >"$3"
}
# Every picture of a pack's IMAGE folder made one picture (by hard links, so
# that a large one costs its size once).
every_picture_as() {  # picture, IMAGE folder
  local f
  for f in "$2"/*.BMP; do ln -f "$1" "$f"; done
}
# A copy of an executable beside a copy of its pack, in a new folder.
copy_game() {  # executable, folder
  mkdir "$2"
  cp "$1" "$2/"
  cp -r "$(dirname "$1")"/{IMAGE,SOUND,MIDI} "$2/"
}
