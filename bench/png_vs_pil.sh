#!/usr/bin/env bash
# The PNG codec beside PIL's, in one run, on four kinds of 8192 x 16384
# texture package (bench/png_picture.py makes them): photographs with grain,
# a flat synthetic pattern saved at zlib level 1 and at level 9, and the pages
# of real levels (converted from LEVEL_DIR, never kept). Opening and saving,
# each step in a process of its own, alternately, best of ROUNDS; the memory is
# the whole process' peak (/usr/bin/time). Configure with -DTILESMITH_BUILD_BENCH=ON.
#   bench/png_vs_pil.sh [BUILD_DIR [WORK_DIR [ROUNDS [LEVEL_DIR]]]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
work=${2:-$(mktemp -d)}
rounds=${3:-2}
levels=${4:-/work/cache/levels}
run=$build/bench/png_run
python=/usr/bin/python3
width=8192 height=16384
make_picture() {
  local kind=$1 out=$work/$1.png
  [ -f "$out" ] && return
  case $kind in
    photo) $python "$here/png_picture.py" photo "$here/../tests/corpus" $width $height "$out" ;;
    pattern1) $python "$here/png_picture.py" pattern 1 $width $height "$out" ;;
    pattern9) $python "$here/png_picture.py" pattern 9 $width $height "$out" ;;
    levels)
      mkdir -p "$work/pages"
      for level in "$levels"/*; do
        [ -s "$level" ] && "$build/src/tilesmith-cli" convert "$level" "$work/pages/$(basename "$level").png" || true
      done
      $python "$here/png_picture.py" levels "$work"/pages/*.png $width $height "$out" ;;
  esac
}

pil_open_code='import sys, time
from PIL import Image
Image.MAX_IMAGE_PIXELS = None
t = time.perf_counter(); im = Image.open(sys.argv[1]); im.load(); print("%.3f" % (time.perf_counter() - t))'
pil_save_code='import sys
from PIL import Image
Image.MAX_IMAGE_PIXELS = None
im = Image.open(sys.argv[1]); im.load()
import time
t = time.perf_counter(); im.save(sys.argv[2]); print("%.3f" % (time.perf_counter() - t))'

# Prints "seconds peak_kilobytes" of one command.
measure() {
  /usr/bin/time -f "%M" -o "$work/rss" "$@" > "$work/out"
  echo "$(cat "$work/out") $(cat "$work/rss")"
}
best() { sort -n | head -1; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
package=$(( (width * 3 + 3) / 4 * 4 * height ))
echo "${width} x ${height} pictures; package $package bytes; $(nproc) cores; best of $rounds"
echo "goals: open <= 0.6 x PIL, peak <= 1.1 x the package, save <= 0.5 x PIL, file <= 1.02 x PIL's"
printf "%-9s %10s %9s %8s %5s %9s %9s %8s %5s %10s %10s %5s\n" kind file_bytes open_ours PIL x peak/pkg \
  save_ours PIL x ours_bytes PIL_bytes x
for kind in photo pattern1 pattern9 levels; do
  make_picture $kind
  picture=$work/$kind.png
  rm -f "$work"/{ours,pil}_{open,save}
  # Opens beside opens, saves beside saves: on a virtual machine the kernel's
  # cost of fresh memory varies with what the process before gave back (the
  # same open took 0.1 to 1.1 s of system time here), for either program.
  for ((i = 0; i < rounds; ++i)); do
    measure "$run" open "$picture" >> "$work/ours_open"
    measure $python -c "$pil_open_code" "$picture" >> "$work/pil_open"
  done
  for ((i = 0; i < rounds; ++i)); do
    measure "$run" save "$picture" "$work/ours.png" >> "$work/ours_save"
    measure $python -c "$pil_save_code" "$picture" "$work/pil.png" >> "$work/pil_save"
  done
  read -r ours_open ours_rss < <(best < "$work/ours_open")
  read -r pil_open _ < <(best < "$work/pil_open")
  read -r ours_save _ < <(best < "$work/ours_save")
  read -r pil_save _ < <(best < "$work/pil_save")
  ours_size=$(stat -c %s "$work/ours.png") pil_size=$(stat -c %s "$work/pil.png")
  printf "%-9s %10s %9s %8s %5s %9s %9s %8s %5s %10s %10s %5s\n" $kind "$(stat -c %s "$picture")" \
    "$ours_open" "$pil_open" "$(ratio "$ours_open" "$pil_open")" "$(ratio $((ours_rss * 1024)) $package)" \
    "$ours_save" "$pil_save" "$(ratio "$ours_save" "$pil_save")" "$ours_size" "$pil_size" \
    "$(ratio "$ours_size" "$pil_size")"
done
"$run" stop "$work/photo.png" "$work/stopped.png"
