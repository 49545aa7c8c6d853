# Sourced by the executables' tests that need an X display. `start_xvfb FILE
# [Xvfb options]` starts a private X server on the first free display, which
# it names in FILE, keeps its pid in `xvfb_pid` and names it in DISPLAY once
# it takes clients; it says why and returns 1 when the server did not start.
start_xvfb() {
  local file=$1
  shift
  : >"$file"
  Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$file" 2>"$file.log" &
  xvfb_pid=$!
  for ((i = 0; i < 400; i++)); do
    [ -s "$file" ] && break
    sleep 0.05
  done
  [ -s "$file" ] || { echo "Xvfb did not start"; cat "$file.log"; return 1; }
  export DISPLAY=:$(head -1 "$file")
}
