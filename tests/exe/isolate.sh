# Sourced by the executables' tests. `isolate` is the command that runs a copy
# of the game in a network namespace of its own, which keeps its
# single-instance lock apart from every other copy on this machine; it is
# empty where no namespace may be made.
isolate=()
for try in "unshare -n" "unshare -rn"; do
  if $try true 2>/dev/null; then
    read -ra isolate <<<"$try"
    break
  fi
done
