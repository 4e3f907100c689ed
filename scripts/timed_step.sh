# Sourced by the Windows scripts: `step NAME COMMAND...` runs the command
# between two lines naming it, the second with the time it took.
step() {
  local name="$1" start=$SECONDS
  shift
  echo "=== $name"
  "$@"
  echo "=== $name: $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
}
