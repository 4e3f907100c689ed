#!/usr/bin/env bash
# The PNG codec beside PIL's, in one run: opening and saving an 8192 x 16384
# texture package (bench/png_picture.py makes it from the test corpus), each
# step in a process of its own, alternately, best of ROUNDS; the memory is the
# whole process' peak (/usr/bin/time). Configure with -DTILESMITH_BUILD_BENCH=ON.
#   bench/png_vs_pil.sh [BUILD_DIR [WORK_DIR [ROUNDS]]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
work=${2:-$(mktemp -d)}
rounds=${3:-2}
run=$build/bench/png_run
python=/usr/bin/python3
width=8192 height=16384
picture=$work/picture.png
[ -f "$picture" ] || $python "$here/png_picture.py" "$here/../tests/corpus" $width $height "$picture"

pil_open='import sys, time
from PIL import Image
Image.MAX_IMAGE_PIXELS = None
t = time.perf_counter(); im = Image.open(sys.argv[1]); im.load(); print("%.3f" % (time.perf_counter() - t))'
pil_save='import sys
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

for ((i = 0; i < rounds; ++i)); do
  measure "$run" open "$picture" >> "$work/ours_open"
  measure $python -c "$pil_open" "$picture" >> "$work/pil_open"
  measure "$run" save "$picture" "$work/ours.png" >> "$work/ours_save"
  measure $python -c "$pil_save" "$picture" "$work/pil.png" >> "$work/pil_save"
done

read -r ours_open ours_rss < <(best < "$work/ours_open")
read -r pil_open pil_rss < <(best < "$work/pil_open")
read -r ours_save _ < <(best < "$work/ours_save")
read -r pil_save _ < <(best < "$work/pil_save")
package=$(( (width * 3 + 3) / 4 * 4 * height ))
ours_size=$(stat -c %s "$work/ours.png") pil_size=$(stat -c %s "$work/pil.png")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "picture: $picture, ${width} x ${height}, $(stat -L -c %s "$picture") bytes; package $package bytes; $(nproc) cores; best of $rounds"
echo "open:  ours ${ours_open} s, PIL ${pil_open} s: $(ratio "$ours_open" "$pil_open") x (goal <= 0.6)"
echo "       ours peak $((ours_rss * 1024)) bytes (PIL $((pil_rss * 1024))): $(ratio $((ours_rss * 1024)) $package) x the package (goal <= 1.1)"
echo "save:  ours ${ours_save} s, PIL ${pil_save} s: $(ratio "$ours_save" "$pil_save") x (goal <= 0.5)"
echo "       ours $ours_size bytes, PIL $pil_size bytes: $(ratio "$ours_size" "$pil_size") x (goal <= 1.02)"
"$run" stop "$picture" "$work/stopped.png"
