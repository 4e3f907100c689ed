#!/usr/bin/env bash
# Fuzzes one reader: builds the instrumented targets (clang, libFuzzer,
# AddressSanitizer, UBSan) into build-fuzz/, then runs TARGET for SECONDS.
#   scripts/fuzz.sh TARGET SECONDS      e.g. scripts/fuzz.sh png_fuzz 600
#   scripts/fuzz.sh list                the targets
# Seeds: the test corpus and fuzz/seeds, and the folder TILESMITH_FUZZ_SEEDS
# names, if any (real levels and pictures kept outside the tree). What the
# run finds grows build-fuzz/corpus/TARGET; a finding is written to
# build-fuzz/findings/TARGET/ and ends the run with a status other than 0.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTILESMITH_BUILD_FUZZ=ON -DTILESMITH_BUILD_GUI=OFF >/dev/null
targets=()
for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
if [ "${1:-}" = list ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi
target="${1:?usage: scripts/fuzz.sh TARGET SECONDS (scripts/fuzz.sh list names the targets)}"
seconds="${2:?usage: scripts/fuzz.sh TARGET SECONDS}"
[[ " ${targets[*]} " == *" $target "* ]] || { echo "no fuzz target $target; there are: ${targets[*]}" >&2; exit 2; }
cmake --build build-fuzz --target "$target"
corpus="build-fuzz/corpus/$target" findings="build-fuzz/findings/$target"
mkdir -p "$corpus" "$findings"
seeds=(tests/corpus fuzz/seeds)
[ -n "${TILESMITH_FUZZ_SEEDS:-}" ] && seeds+=("$TILESMITH_FUZZ_SEEDS")
# A picture or level may announce gigabytes; the readers refuse what cannot
# fit, so more than 2 GB of memory or 10 s for one input is a finding.
exec "build-fuzz/fuzz/$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" \
  -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$findings/" -print_final_stats=1
