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
name=e2e-cards
source "$(dirname "$0")/../e2e/e2e_lib.sh"

# Waits until the cards window's state file has a line matching $1.
cards_show() {
  for _ in $(seq 1 600); do
    grep -q "$1" "$work/cards.txt" 2>/dev/null && return 0
    sleep 0.1
  done
  sed 's/^/  cards: /' "$work/cards.txt" >&2 || true
  fail "the cards window never showed: $1"
}

export TABLEWISE_CARDS_STATE_FILE=$work/cards.txt
start "$program" "$work/state.txt"
main_width=$WIDTH

step "the main window: big blind, Late, Opened, a raised pot"
typed 2
click 312 80     # Position: Late
click 56 124     # Pre-Flop: Opened
click 304 472    # Pot: Raised

step "View > Cards and Board"
keys alt+v c
cards=$(wait_window '^Cards and Board - Brisvane Tablewise$') || fail "no cards window"
eval "$(xdotool getwindowgeometry --shell "$cards")"
((X >= main_width)) || fail "the cards window lies over the main window (x=$X)"
cards_right=$((X + WIDTH))
cards_bottom=$((Y + HEIGHT))
# Both windows, side by side.
shot() { import -window root -crop "${cards_right}x$((cards_bottom > 790 ? cards_bottom : 790))+0+0" "$shots/$1"; }
timeout 5 xdotool windowfocus --sync "$cards"

step "typing AhKh and the flop Qh Jh 2c"
typed AhKh
keys Tab
typed "Qh Jh 2c"
cards_show $'^flop\tQh Jh 2c$'
cards_show $'^category\tNut Flush Draw$'
cards_show $'^equity\tWin '
mkdir -p "$shots"
shot e2e-cards-flop.png

step "the turn picked from the grid: Tab to it (past the turn, river, dead cards, opponents, opponent 1's range and grid button, pot and bet), the arrows to the nine of hearts, Space"
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab
keys Down Right Right Right Right Right space
cards_show $'^turn\t9h$'
cards_show $'^category\tNut Flush$'
cards_show $'^method\texact'
shot e2e-cards-turn.png

step "a range for opponent 1 and a dead card, typed: each player's equity"
keys shift+Tab shift+Tab shift+Tab shift+Tab
typed "QQ+, AKs"
keys shift+Tab shift+Tab
typed 3c
cards_show $'^opponent 1 range\tQQ+, AKs$'
cards_show $'^dead\t3c$'
cards_show $'^player 2 equity\tWin '
shot e2e-cards-players.png

step "File > Exit in the main window"
timeout 5 xdotool windowfocus --sync "$win"
keys alt+f x
ended

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
same_state "$build/cli/tablewise" "$work/state.txt" "$work/session.txt"
grep -q $'^lblCardValue\tAKs$' "$work/state.txt" || fail "the main window does not hold AKs"
step "passed"
