#!/usr/bin/env bash
# Times our equity beside another calculator on the same cases, in one run on
# this machine, and prints one table: case, threads, ours, theirs, ratio, by
# the clock and by processor time (on a busy machine the clock moves more);
# a ratio above 1.0 means we are faster.
#
# Usage: bench/compare_equity.sh BUILD_DIR OTHER_DRIVER [RUNS [ROUNDS]]
#
# Each case is timed in ROUNDS rounds (default 5) of RUNS runs (default 5)
# per calculator, ours first in one round and theirs first in the next, and
# each column shows the median round: a virtual machine's speed drifts by a
# fifth within minutes, which one block of runs per calculator would read as
# a difference between them.
#
# BUILD_DIR holds our bench/equity_cases and cli/tablewise (configured with
# TABLEWISE_BENCH=ON). OTHER_DRIVER is a program of the same interface as
# equity_cases ("DRIVER CASE THREADS RUNS" prints "CASE SECONDS-PER-RUN
# DEALS-PER-RUN EQUITY CPU-SECONDS-PER-RUN") built on the other calculator;
# its case "cmd" counts AhAs against KdKc exactly, once per process. Its case
# "mc3" must test its standard error every few milliseconds: the row times
# when each calculator stops, and a driver that looks only now and then
# stops late.
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 BUILD_DIR OTHER_DRIVER [RUNS]" >&2
    exit 2
fi
build=$1
other=$2
runs=${3:-5}
rounds=${4:-5}
ours=$build/bench/equity_cases
tablewise=$build/cli/tablewise
for program in "$ours" "$tablewise" "$other"; do
    if [[ ! -x $program ]]; then
        echo "$0: $program is not an executable; build it first" >&2
        exit 1
    fi
done

# Seconds per process, start to answer, over `runs` * 4 processes: the
# clock's, then the processor's (user and system, the processes' own).
per_process() {
    local TIMEFORMAT='%3R %3U %3S'
    local n=$((runs * 4))
    { time (for ((i = 0; i < n; ++i)); do "$@" > /dev/null; done); } 2>&1 |
        awk -v n=$n '{ printf "%.6f %.6f\n", $1 / n, ($2 + $3) / n }'
}

row() { printf '%-44s %7s %11s %11s %6s %11s %11s %6s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ms() { awk -v s="$1" 'BEGIN { printf "%.2f ms", s * 1000 }'; }
rate() { awk -v d="$1" -v s="$2" -v k="$3" 'BEGIN { printf "%.2f M/s", d * k / s / 1e6 }'; }

# The median of each field over `rounds` rounds of "PROGRAM CASE THREADS
# RUNS", the two programs taking turns at going first: prints "OURS-LINE"
# then "OTHER-LINE", each "CASE SECONDS DEALS EQUITY CPU-SECONDS".
median_rounds() {
    local c=$1 threads=$2 r ourLines="" otherLines=""
    for ((r = 0; r < rounds; ++r)); do
        if ((r % 2 == 0)); then
            ourLines+="$("$ours" "$c" "$threads" "$runs")"$'\n'
            otherLines+="$("$other" "$c" "$threads" "$runs")"$'\n'
        else
            otherLines+="$("$other" "$c" "$threads" "$runs")"$'\n'
            ourLines+="$("$ours" "$c" "$threads" "$runs")"$'\n'
        fi
    done
    median_fields <<< "${ourLines%$'\n'}"
    median_fields <<< "${otherLines%$'\n'}"
}

# Reads lines "NAME N N ..." and prints the name and each field's median.
median_fields() {
    awk '
        { for (f = 2; f <= NF; ++f) v[f, NR] = $f; name = $1; fields = NF }
        END {
            printf "%s", name
            for (f = 2; f <= fields; ++f) {
                for (i = 1; i <= NR; ++i) a[i] = v[f, i]
                for (i = 2; i <= NR; ++i)
                    for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
                printf " %s", (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
            }
            printf "\n"
        }'
}

# Times: the ratio is theirs over ours. Rates: ours over theirs. Above 1.0 we are faster.
row case threads ours other ratio "ours cpu" "other cpu" ratio
for threads in 1 2; do
    for c in aa-kk flop mc3 mc6; do
        {
            read -r _ ourTime ourDeals ourEquity ourCpu
            read -r _ otherTime otherDeals otherEquity otherCpu
        } < <(median_rounds "$c" "$threads")
        case $c in
        aa-kk | flop)
            name="exact pre-flop AA vs KK"
            [[ $c == flop ]] && name="exact flop Qh7s2d AhKh vs 2 ranges"
            row "$name" "$threads" "$(ms "$ourTime")" "$(ms "$otherTime")" "$(ratio "$otherTime" "$ourTime")" \
                "$(ms "$ourCpu")" "$(ms "$otherCpu")" "$(ratio "$otherCpu" "$ourCpu")"
            if [[ $ourDeals != "$otherDeals" ]]; then
                echo "  note: $c counted $ourDeals deals here and $otherDeals there (equity $ourEquity, $otherEquity)"
            fi
            ;;
        mc3)
            row "MC 3 players to SE 0.1% (time)" "$threads" "$(ms "$ourTime")" "$(ms "$otherTime")" \
                "$(ratio "$otherTime" "$ourTime")" "$(ms "$ourCpu")" "$(ms "$otherCpu")" "$(ratio "$otherCpu" "$ourCpu")"
            row "MC 3 players, deals per second" "$threads" "$(rate "$ourDeals" "$ourTime" 1)" \
                "$(rate "$otherDeals" "$otherTime" 1)" \
                "$(awk -v a="$ourDeals" -v b="$ourTime" -v c="$otherDeals" -v d="$otherTime" 'BEGIN { printf "%.2f", (a / b) / (c / d) }')" \
                "$(rate "$ourDeals" "$ourCpu" 1)" "$(rate "$otherDeals" "$otherCpu" 1)" \
                "$(awk -v a="$ourDeals" -v b="$ourCpu" -v c="$otherDeals" -v d="$otherCpu" 'BEGIN { printf "%.2f", (a / b) / (c / d) }')"
            echo "  deals to reach the target: ours $ourDeals, other $otherDeals (each by its own standard error)"
            ;;
        mc6)
            row "MC 6 random, hands per second" "$threads" "$(rate "$ourDeals" "$ourTime" 6)" \
                "$(rate "$otherDeals" "$otherTime" 6)" \
                "$(awk -v a="$ourDeals" -v b="$ourTime" -v c="$otherDeals" -v d="$otherTime" 'BEGIN { printf "%.2f", (a / b) / (c / d) }')" \
                "$(rate "$ourDeals" "$ourCpu" 6)" "$(rate "$otherDeals" "$otherCpu" 6)" \
                "$(awk -v a="$ourDeals" -v b="$ourCpu" -v c="$otherDeals" -v d="$otherCpu" 'BEGIN { printf "%.2f", (a / b) / (c / d) }')"
            ;;
        esac
    done
done
ourLines=""
otherLines=""
for ((r = 0; r < rounds; ++r)); do
    if ((r % 2 == 1)); then
        otherLines+="other $(per_process "$other" cmd 0 1)"$'\n'
    fi
    ourLines+="ours $(per_process "$tablewise" equity AhAs --vs KdKc --exact)"$'\n'
    if ((r % 2 == 0)); then
        otherLines+="other $(per_process "$other" cmd 0 1)"$'\n'
    fi
done
read -r _ ourWall ourCpu < <(median_fields <<< "${ourLines%$'\n'}")
read -r _ otherWall otherCpu < <(median_fields <<< "${otherLines%$'\n'}")
row "command AhAs vs KdKc exact, start to answer" "all" "$(ms "$ourWall")" "$(ms "$otherWall")" \
    "$(ratio "$otherWall" "$ourWall")" "$(ms "$ourCpu")" "$(ms "$otherCpu")" "$(ratio "$otherCpu" "$ourCpu")"
