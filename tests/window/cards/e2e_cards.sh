#!/usr/bin/env bash
# The Cards and Board window in the real program with real X events: opened
# from the View menu by keyboard, the hand and the flop typed, a turn card
# picked from the card grid with the arrow keys and Space. The main window
# must end in the state that a player typing the same there reaches (the
# command line's replay), and the cards window must show the equity.
#
#   e2e_cards.sh <build dir> <screenshot dir>
set -euo pipefail
build=$1
shots=$2
program=$build/window/brisvane-tablewise
work=$(mktemp -d)
app_pid=
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "e2e-cards: $*" >&2
  [[ -f $work/cards.txt ]] && sed 's/^/  cards: /' "$work/cards.txt" >&2
  exit 1
}
step() { echo "e2e-cards: $*"; }

keys() { xdotool key --delay 60 "$@"; sleep 0.15; }
typed() { xdotool type --delay 60 "$1"; sleep 0.15; }
# A click at a point of the main window's inner area (under its menu bar).
click() { xdotool mousemove --window "$win" "$1" $(($2 + menu)) click 1; sleep 0.15; }
# Waits until the cards window's state file has a line matching $1.
cards_show() {
  for _ in $(seq 1 600); do
    grep -q "$1" "$work/cards.txt" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the cards window never showed: $1"
}

TABLEWISE_STATE_FILE=$work/state.txt TABLEWISE_CARDS_STATE_FILE=$work/cards.txt "$program" > "$work/program.log" 2>&1 &
app_pid=$!
win=$(timeout 10 xdotool search --sync --onlyvisible --name '^Brisvane Tablewise$' | head -1) \
  || fail "the main window did not appear"
timeout 5 xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
menu=$((HEIGHT - 757))
main_width=$WIDTH

step "the main window: big blind, Late, Opened, a raised pot"
typed 2
click 312 80     # Position: Late
click 56 124     # Pre-Flop: Opened
click 304 472    # Pot: Raised

step "View > Cards and Board"
keys alt+v c
cards=$(timeout 10 xdotool search --sync --onlyvisible --name '^Cards and Board - Brisvane Tablewise$' | head -1) \
  || fail "no cards window"
eval "$(xdotool getwindowgeometry --shell "$cards")"
((X >= main_width)) || fail "the cards window lies over the main window (x=$X)"
cards_right=$((X + WIDTH))
cards_bottom=$((Y + HEIGHT))
timeout 5 xdotool windowfocus --sync "$cards"

step "typing AhKh and the flop Qh Jh 2c"
typed AhKh
keys Tab
typed "Qh Jh 2c"
cards_show $'^flop\tQh Jh 2c$'
cards_show $'^category\tNut Flush Draw$'
cards_show $'^equity\tWin '
mkdir -p "$shots"
import -window root -crop "${cards_right}x$((cards_bottom > 790 ? cards_bottom : 790))+0+0" "$shots/e2e-cards-flop.png"

step "the turn picked from the grid: Tab to it, the arrows to the nine of hearts, Space"
keys Tab Tab Tab Tab Tab Tab
keys Down Right Right Right Right Right space
cards_show $'^turn\t9h$'
cards_show $'^category\tNut Flush$'
cards_show $'^method\texact'
import -window root -crop "${cards_right}x$((cards_bottom > 790 ? cards_bottom : 790))+0+0" "$shots/e2e-cards-turn.png"

step "File > Exit in the main window"
timeout 5 xdotool windowfocus --sync "$win"
keys alt+f x
timeout 10 tail --pid="$app_pid" -f /dev/null || fail "the program did not end"
status=0
wait "$app_pid" || status=$?
app_pid=
((status == 0)) || fail "the program ended with status $status"

cat > "$work/session.txt" <<'SESSION'
type txtBB 2
click optLate
click optOpened
click optRaisedPost
type txtHoleCard AK
click chkSuited
select cmbPostFlop 7
click optHeadsUp
select cmbPostFlop 6
dump
SESSION
"$build/cli/tablewise" replay "$work/session.txt" > "$work/expected.txt"
diff -u "$work/expected.txt" "$work/state.txt" || fail "the main window's state differs from the replay's"
grep -q $'^lblCardValue\tAKs$' "$work/state.txt" || fail "the main window does not hold AKs"
step "passed"
