#!/usr/bin/env bash
# Times our equity beside another calculator on the same cases, in one run on
# this machine, and prints one table: case, threads, ours, theirs, ratio (their
# time over ours: above 1.0 we are faster).
#
# Usage: bench/compare_equity.sh BUILD_DIR OTHER_DRIVER [RUNS]
#
# BUILD_DIR holds our bench/equity_cases and cli/tablewise (configured with
# TABLEWISE_BENCH=ON). OTHER_DRIVER is a program of the same interface as
# equity_cases ("DRIVER CASE THREADS RUNS" prints "CASE SECONDS-PER-RUN
# DEALS-PER-RUN EQUITY") built on the other calculator; its case "cmd" counts
# AhAs against KdKc exactly, once per process.
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 BUILD_DIR OTHER_DRIVER [RUNS]" >&2
    exit 2
fi
build=$1
other=$2
runs=${3:-5}
ours=$build/bench/equity_cases
tablewise=$build/cli/tablewise
for program in "$ours" "$tablewise" "$other"; do
    if [[ ! -x $program ]]; then
        echo "$0: $program is not an executable; build it first" >&2
        exit 1
    fi
done

# Wall-clock seconds per process, start to answer, over `runs` processes.
per_process() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs * 4; ++i)); do
        "$@" > /dev/null
    done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) -v n=$((runs * 4)) 'BEGIN { printf "%.6f", ns / 1e9 / n }'
}

row() { printf '%-44s %7s %14s %14s %7s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ms() { awk -v s="$1" 'BEGIN { printf "%.2f ms", s * 1000 }'; }

row case threads ours other ratio
for threads in 1 2; do
    for c in aa-kk flop mc3 mc6; do
        read -r _ ourTime ourDeals ourEquity < <("$ours" "$c" "$threads" "$runs")
        read -r _ otherTime otherDeals otherEquity < <("$other" "$c" "$threads" "$runs")
        case $c in
        aa-kk) row "exact pre-flop AA vs KK" "$threads" "$(ms "$ourTime")" "$(ms "$otherTime")" "$(ratio "$otherTime" "$ourTime")" ;;
        flop) row "exact flop Qh7s2d AhKh vs 2 ranges" "$threads" "$(ms "$ourTime")" "$(ms "$otherTime")" "$(ratio "$otherTime" "$ourTime")" ;;
        mc3)
            row "MC 3 players to SE 0.1% (time)" "$threads" "$(ms "$ourTime")" "$(ms "$otherTime")" "$(ratio "$otherTime" "$ourTime")"
            ourRate=$(awk -v d="$ourDeals" -v s="$ourTime" 'BEGIN { printf "%.2f", d / s / 1e6 }')
            otherRate=$(awk -v d="$otherDeals" -v s="$otherTime" 'BEGIN { printf "%.2f", d / s / 1e6 }')
            row "MC 3 players, deals per second (M)" "$threads" "$ourRate" "$otherRate" "$(ratio "$ourRate" "$otherRate")"
            row "  deals to reach SE 0.1%" "$threads" "$ourDeals" "$otherDeals" ""
            ;;
        mc6)
            ourRate=$(awk -v d="$ourDeals" -v s="$ourTime" 'BEGIN { printf "%.2f", d * 6 / s / 1e6 }')
            otherRate=$(awk -v d="$otherDeals" -v s="$otherTime" 'BEGIN { printf "%.2f", d * 6 / s / 1e6 }')
            row "MC 6 random, hands per second (M)" "$threads" "$ourRate" "$otherRate" "$(ratio "$ourRate" "$otherRate")"
            ;;
        esac
        if [[ $c != mc3 && $c != mc6 && $ourDeals != "$otherDeals" ]]; then
            echo "  note: $c counted $ourDeals deals here and $otherDeals there (equity $ourEquity, $otherEquity)"
        fi
    done
done
ourCommand=$(per_process "$tablewise" equity AhAs --vs KdKc --exact)
otherCommand=$(per_process "$other" cmd 0 1)
row "command AhAs vs KdKc exact, start to answer" "all" "$(ms "$ourCommand")" "$(ms "$otherCommand")" "$(ratio "$otherCommand" "$ourCommand")"
