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

# The media benchmarks open a generated clip: 10 s of 640x360 MJPEG video
# with PCM audio in an AVI.
clip=$build/media/bench-640x360.avi
if [ ! -f "$clip" ]; then
  mkdir -p "$(dirname "$clip")"
  ffmpeg -loglevel error -y -f lavfi -i testsrc=size=640x360:rate=30:duration=10 \
    -f lavfi -i sine=frequency=440:sample_rate=44100:duration=10 \
    -c:v mjpeg -q:v 4 -c:a pcm_s16le -ac 2 -shortest "$clip"
fi
export ZV_BENCH_CLIP="Z:${clip//\//\\}"

# Some benchmarks show windows and play sound: all run on the harness's
# display, which it starts (with its Wine prefix) and stops around them.
benches=("$build"/bin/bench_*.exe)
[ -e "${benches[0]}" ] || exit 0
ZV_BUILD=$build bash "$root/scripts/harness.sh" bench "${benches[@]}"
