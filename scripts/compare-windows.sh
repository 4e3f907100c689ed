#!/usr/bin/env bash
# Runs the Windows tool (build-windows/, under wine) and the Linux tool (build/)
# on the same inputs and checks that they agree: the same exit status and
# byte-identical output files. The inputs: the images of tests/corpus, each
# converted alone and all collected from their folder with a manifest, and a
# file whose name is Polish. Then COLLECT_RUNS (default 200) collect runs
# writing PNG under wine, none of which may crash. A wine run whose output
# holds wine's "Unhandled" report fails even when its status is 0.
# Each step prints its time. Work files stay in build-windows/compare.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
linux="$root/build/src/tilesmith-cli"
windows="$root/build-windows/src/tilesmith-cli.exe"
work="$root/build-windows/compare"
runs="${COLLECT_RUNS:-200}"
for tool in "$linux" "$windows"; do
  [ -x "$tool" ] || { echo "missing $tool: build it first" >&2; exit 2; }
done
export WINEPREFIX="$root/build-windows/wine" WINEDEBUG=-all
wine="$root/scripts/wine.sh"
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"
# One wine server for all the runs, rather than one started per run.
wineserver -p
trap 'wineserver -k || true' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

source "$root/scripts/timed_step.sh"

# run_both NAME ARGS...: ARGS with @OUT@ standing for each side's own folder,
# run in that folder; the statuses must agree.
run_both() {
  local name="$1" side status_linux status_windows
  shift
  for side in linux windows; do
    local args=("${@//@OUT@/$work/$side}") log="$work/$side/$name.log" status=0
    if [ "$side" = linux ]; then
      (cd "$work/$side" && "$linux" "${args[@]}") >"$log" 2>&1 || status=$?
      status_linux=$status
    else
      (cd "$work/$side" && "$wine" "$windows" "${args[@]}") >"$log" 2>&1 || status=$?
      status_windows=$status
      grep -q "Unhandled" "$log" && fail "$name: wine reports an unhandled exception"
    fi
  done
  [ "$status_linux" = "$status_windows" ] ||
    fail "$name: status $status_linux on Linux, $status_windows on Windows"
}

same_files() {
  local file
  while IFS= read -r -d '' file; do
    file="${file#"$work/linux/"}"
    case "$file" in *.log) continue ;; esac
    if [ ! -f "$work/windows/$file" ]; then fail "$file: written on Linux only"
    elif ! cmp -s "$work/linux/$file" "$work/windows/$file"; then fail "$file: differs"
    fi
  done < <(find "$work/linux" -type f -print0)
  while IFS= read -r -d '' file; do
    file="${file#"$work/windows/"}"
    [ -f "$work/linux/$file" ] || fail "$file: written on Windows only"
  done < <(find "$work/windows" -type f ! -name '*.log' -print0)
}

convert_each() {
  local outputs=(tga bmp png jpg) n=0 input
  while IFS= read -r -d '' input; do
    local ext="${outputs[n % 4]}"
    run_both "convert-$n" convert "$input" "@OUT@/convert-$n.$ext"
    n=$((n + 1))
  done < <(find "$root/tests/corpus" -type f \( -iname '*.png' -o -iname '*.jpg' -o -iname '*.bmp' -o -iname '*.tga' \) -print0 | sort -z)
  echo "$n inputs converted"
}

collect_folder() {
  local ext
  run_both "collect-unique-jpeg" collect "@OUT@/unique-jpeg.png" ../../../tests/corpus/jpeg --unique
  for ext in png tga bmp jpg; do
    # A relative folder, so that the manifests name the same files.
    run_both "collect-$ext" collect "@OUT@/all.$ext" ../../../tests/corpus --manifest "@OUT@/all-$ext.csv"
    run_both "collect-unique-$ext" collect "@OUT@/unique.$ext" ../../../tests/corpus --unique --width 16
  done
  # Where a manifest names a file, '/' separates its folders on both systems.
  grep -q '\\' "$work/windows/all-png.csv" && fail "the Windows manifest has backslashes"
  return 0
}

polish_name() {
  cp "$root/tests/corpus/jpeg/hopper.jpg" "$work/source.jpg"
  run_both "polish-convert" convert ../source.jpg "ząb.tga"
  run_both "polish-back" convert "ząb.tga" "żółw.png"
  run_both "polish-info" info "żółw.png"
  cmp -s "$work/linux/polish-info.log" "$work/windows/polish-info.log" || fail "info of żółw.png says other things"
}

many_collects() {
  local i crashed=0 status
  mkdir -p "$work/runs"
  for ((i = 0; i < runs; i++)); do
    status=0
    rm -f "$work/runs/out.png"
    # The photographs: tiles to write (one of them cannot be read, so the status is 1).
    (cd "$work/runs" && "$wine" "$windows" collect out.png ../../../tests/corpus/jpeg --unique) \
      >"$work/runs/log" 2>&1 || status=$?
    if grep -q "Unhandled" "$work/runs/log" || [ "$status" -gt 1 ] || [ ! -s "$work/runs/out.png" ]; then
      crashed=$((crashed + 1))
      cp "$work/runs/log" "$work/runs/crash-$i.log"
    fi
  done
  cmp -s "$work/runs/out.png" "$work/linux/unique-jpeg.png" || fail "the last collect run wrote another PNG"
  [ "$crashed" -eq 0 ] || fail "$crashed of $runs collect runs under wine crashed"
  echo "$runs collect runs, $crashed crashed"
}

step "convert each corpus image" convert_each
step "collect the corpus" collect_folder
step "Polish file names" polish_name
step "compare the files" same_files
[ "$runs" -gt 0 ] && step "$runs collect runs under wine" many_collects
if [ "$failures" -gt 0 ]; then
  echo "$failures differences or failures"
  exit 1
fi
echo "the Windows and Linux tools agree"
