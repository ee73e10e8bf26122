#!/usr/bin/env bash
# Builds the benchmarks in Release and runs each one under Wine; each prints
# one line per benchmark with its ratio against a baseline of the same run.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-bench

cmake -S "$root" -B "$build" -DZV_BUILD_BENCH=ON -DZV_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" -- --no-print-directory >"$build/bench-build.log" 2>&1 || {
  cat "$build/bench-build.log" >&2
  exit 1
}

# The first run under a new prefix would otherwise make it noisily.
if [ ! -d "$build/wineprefix" ]; then
  ZV_BUILD=$build bash "$root/scripts/harness.sh" exec wineboot -i >/dev/null 2>&1 || true
fi

status=0
for exe in "$build"/bin/bench_*.exe; do
  [ -e "$exe" ] || continue
  ZV_BUILD=$build bash "$root/scripts/harness.sh" exec "$exe" || status=1
done
exit $status
