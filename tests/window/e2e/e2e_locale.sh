#!/usr/bin/env bash
# The advisor in the German locale, with real X events: the big blind typed
# with the locale's decimal comma, and the bet shown in euros. The state the
# program leaves must be the state the command line's replay of the same
# session reaches in the same locale.
#
#   e2e_locale.sh <build dir> <locale folder> <screenshot dir>
set -euo pipefail
build=$1
export LOCPATH=$2
shots=$3
export LC_ALL=de_DE.UTF-8
name=e2e-locale
source "$(dirname "$0")/e2e_lib.sh"

start "$build/window/brisvane-tablewise" "$work/state.txt"
typed "0,50"
keys Tab
typed ak
click 232 36    # Suited: Yes
click 312 48    # Position: Early
click 56 124    # Pre-Flop: Opened
mkdir -p "$shots"
import -window root -crop "${WIDTH}x${HEIGHT}+0+0" "$shots/e2e-de_DE.png"
keys alt+f x
ended

euro=$'\xe2\x82\xac'
grep -qx $'txtBB\t0,50 '"$euro" "$work/state.txt" || { cat "$work/state.txt"; fail "the big blind is not 0,50 $euro"; }
grep -qx $'lblBetAmount\t2,00 '"$euro"' to 3,00 '"$euro" "$work/state.txt" \
  || { grep lblBetAmount "$work/state.txt"; fail "the bet is not 2,00 $euro to 3,00 $euro"; }
printf 'type txtBB 0,50\nfocus txtHoleCard\ntype txtHoleCard ak\nclick chkSuited\nclick optEarly\nclick optOpened\ndump\n' \
  > "$work/session.txt"
same_state "$build/cli/tablewise" "$work/state.txt" "$work/session.txt"
step passed
