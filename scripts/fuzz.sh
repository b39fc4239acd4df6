#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them.
#   scripts/fuzz.sh build SRC BUILD          configure and build every fuzzer
#   scripts/fuzz.sh run SRC BUILD NAME SECS  run one fuzzer for SECS seconds
#   scripts/fuzz.sh all SRC BUILD SECS       build, then run each in turn
# With FUZZ_RUNS=N set, each run ends after N inputs (or SECS, if not 0,
# whichever comes first). `all` ends with one line per fuzzer: inputs run,
# inputs per second (of the clock and of processor time), coverage
# (libFuzzer's cov and ft), corpus size, findings.
# A fuzzer starts from its committed seeds (fuzz/corpus/<name>) and keeps what
# it finds in BUILD/corpus/<name>, so longer runs pick up where others ended.
# Its dictionary, when it has one, is fuzz/dict/<name>.dict or fuzz/<name>.dict;
# fuzz/options/<name>.options adds libFuzzer flags of its own, one a line.
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
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name" "$build/logs"
  local options=(-max_total_time="$secs")
  [[ -n ${FUZZ_RUNS:-} ]] && options+=(-runs="$FUZZ_RUNS")
  for dict in "$src/fuzz/dict/$name.dict" "$src/fuzz/$name.dict"; do
    [[ -f $dict ]] && { options+=(-dict="$dict"); break; }
  done
  local extra=$src/fuzz/options/$name.options
  [[ -f $extra ]] && mapfile -t -O "${#options[@]}" options < <(grep -v -e '^#' -e '^$' "$extra")
  local TIMEFORMAT='time: real %R user %U sys %S'
  { time ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1} \
    UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1} \
    "$build/fuzz/$name" "${options[@]}" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$name/" \
      "$build/corpus/$name" "$seeds" 2>&1; } 2>&1 | tee "$build/logs/$name.log"
}

# One line of figures from a run's log.
summary() {
  local name=$1 log=$build/logs/$1.log
  local runs rate cpurate cov ft corpus findings
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  # Per second of the clock, and per second of processor time: the machine
  # may be busy with other work.
  read -r rate cpurate < <(awk -v n="${runs:-0}" '/^time: real/ {
      printf "%.0f %.0f\n", n / ($3 > 0 ? $3 : 1), n / ($5 + $7 > 0 ? $5 + $7 : 1) }' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  corpus=$(grep -o 'corp: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  findings=$(find "$build/artifacts/$name" -type f | wc -l)
  printf '%-26s %10s %8s %8s %6s %7s %7s %4s\n' "$name" "${runs:-?}" "${rate:-?}" "${cpurate:-?}" "${cov:-?}" \
    "${ft:-?}" "${corpus:-?}" "$findings"
}

case $mode in
  build) build_all ;;
  run) run_one "$4" "$5" ;;
  all)
    build_all
    names=()
    status=0
    for exe in "$build"/fuzz/fuzz_*; do
      [[ -f $exe && -x $exe ]] || continue # not the *_autogen folders
      names+=("$(basename "$exe")")
      run_one "${names[-1]}" "$4" || status=1
    done
    printf '%-26s %10s %8s %8s %6s %7s %7s %4s\n' fuzzer inputs 'per s' 'per cpu' cov ft corpus finds
    for name in "${names[@]}"; do summary "$name"; done
    exit $status ;;
  *) echo "usage: $0 build|run|all SRC BUILD ..." >&2; exit 2 ;;
esac
