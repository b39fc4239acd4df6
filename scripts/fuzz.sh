#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them.
#   scripts/fuzz.sh build SRC BUILD          configure and build every fuzzer
#   scripts/fuzz.sh run SRC BUILD NAME SECS  run one fuzzer for SECS seconds
#   scripts/fuzz.sh all SRC BUILD SECS       build, then run each in turn
# A fuzzer starts from its committed seeds (fuzz/corpus/<name>) and keeps what
# it finds in BUILD/corpus/<name>, so longer runs pick up where others ended.
set -euo pipefail
mode=$1 src=$(cd "$2" && pwd) build=$3

build_all() {
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DTABLEWISE_FUZZ=ON -DTABLEWISE_BENCH=OFF >/dev/null
  cmake --build "$build" --target fuzzers
}

run_one() {
  local name=$1 secs=$2 seeds
  seeds=$src/fuzz/corpus/${name#fuzz_}
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
  local dict=()
  [[ -f $src/fuzz/$name.dict ]] && dict=(-dict="$src/fuzz/$name.dict")
  ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1} \
    "$build/fuzz/$name" -max_total_time="$secs" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$name/" "${dict[@]}" \
      "$build/corpus/$name" "$seeds"
}

case $mode in
  build) build_all ;;
  run) run_one "$4" "$5" ;;
  all)
    build_all
    for exe in "$build"/fuzz/fuzz_*; do
      [[ -x $exe ]] && run_one "$(basename "$exe")" "$4"
    done ;;
  *) echo "usage: $0 build|run|all SRC BUILD ..." >&2; exit 2 ;;
esac
