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
work=$(mktemp -d)
app_pid=
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e-locale: $*" >&2; exit 1; }

TABLEWISE_STATE_FILE=$work/state.txt "$build/window/brisvane-tablewise" > "$work/program.log" 2>&1 &
app_pid=$!
win=$(timeout 10 xdotool search --sync --onlyvisible --name '^Brisvane Tablewise$' | head -1) \
  || fail "the window did not appear"
timeout 5 xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
menu=$((HEIGHT - 757))
click() { xdotool mousemove --window "$win" "$1" $(($2 + menu)) click 1; sleep 0.15; }

xdotool type --delay 60 "0,50"; sleep 0.15
xdotool key --delay 60 Tab; sleep 0.15
xdotool type --delay 60 "ak"; sleep 0.15
click 232 36    # Suited: Yes
click 312 48    # Position: Early
click 56 124    # Pre-Flop: Opened
mkdir -p "$shots"
import -window root -crop "${WIDTH}x${HEIGHT}+0+0" "$shots/e2e-de_DE.png"
xdotool key --delay 60 alt+f x
timeout 10 tail --pid="$app_pid" -f /dev/null || fail "the program did not end"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=

euro=$'\xe2\x82\xac'
grep -qx $'txtBB\t0,50 '"$euro" "$work/state.txt" || { cat "$work/state.txt"; fail "the big blind is not 0,50 $euro"; }
grep -qx $'lblBetAmount\t2,00 '"$euro"' to 3,00 '"$euro" "$work/state.txt" \
  || { grep lblBetAmount "$work/state.txt"; fail "the bet is not 2,00 $euro to 3,00 $euro"; }
printf 'type txtBB 0,50\nfocus txtHoleCard\ntype txtHoleCard ak\nclick chkSuited\nclick optEarly\nclick optOpened\ndump\n' \
  > "$work/session.txt"
"$build/cli/tablewise" replay "$work/session.txt" > "$work/expected.txt"
diff -u "$work/expected.txt" "$work/state.txt" || fail "the window's state differs from the replay's"
echo "e2e-locale: passed"
