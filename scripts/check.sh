#!/usr/bin/env bash
# The test suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of every fuzz target (FUZZ_SECONDS each, default 60).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TAVELLE_EXTRA_PACKAGES="clang libclang-rt-dev"
export TAVELLE_BUILD_TYPE=Debug
"$here/scripts/setup.sh" "$here/build-asan" -DTAVELLE_SANITIZE=ON -DTAVELLE_BENCH=OFF
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$here/build-asan" && ctest --output-on-failure -j "$(nproc)")

TAVELLE_BUILD_TARGETS=fuzz_all CC=clang CXX=clang++ "$here/scripts/setup.sh" "$here/build-fuzz" \
  -DCMAKE_CXX_COMPILER=clang++ -DTAVELLE_FUZZ=ON -DTAVELLE_BENCH=OFF
seconds=${FUZZ_SECONDS:-60}
for target in "$here"/build-fuzz/fuzz/fuzz_*; do
  [[ -f $target && -x $target ]] || continue
  name=$(basename "$target")
  corpus="$here/build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="$here/fuzz/seeds/${name#fuzz_}"
  [[ -d $seeds ]] || seeds=""
  echo "Fuzzing $name for $seconds s" >&2
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 "$corpus" $seeds
done
