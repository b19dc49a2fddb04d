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
# A slow or greedy input counts as a finding. Painting any one record takes
# under a second and any drawing peaks under 256 MB plus 8 times its file
# size; the largest input a run makes is max_len bytes. An input holds a few
# costly records at most, and the sanitizers make the code several times
# slower and add their own memory (shadow, a quarantine kept small here).
max_len=${FUZZ_MAX_LEN:-200000}
timeout=${FUZZ_TIMEOUT:-10}
sanitizer_mb=${FUZZ_SANITIZER_MB:-256}
rss_limit=$((256 + 8 * max_len / 1048576 + 1 + sanitizer_mb))
export ASAN_OPTIONS=$ASAN_OPTIONS:quarantine_size_mb=32
for target in "$here"/build-fuzz/fuzz/fuzz_*; do
  [[ -f $target && -x $target ]] || continue
  name=$(basename "$target")
  corpus="$here/build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="$here/fuzz/seeds/${name#fuzz_}"
  [[ -d $seeds ]] || seeds=""
  echo "Fuzzing $name for $seconds s (timeout $timeout s, $rss_limit MB)" >&2
  "$target" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb="$rss_limit" -max_len="$max_len" \
    "$corpus" $seeds
done
