#!/usr/bin/env bash
# View > Review Hands in the real program with real X events: opened from the
# View menu by keyboard, a folder of hand histories imported through the
# folder dialog, the decision chosen in the list with the keyboard. The main
# window must end in the state a player typing that decision's situation
# there reaches (the command line's replay).
#
#   e2e_review.sh <build dir> <screenshot dir>
set -euo pipefail
build=$1
shots=$2
program=$build/window/brisvane-tablewise
name=e2e-review
source "$(dirname "$0")/../e2e/e2e_lib.sh"
command -v sqlite3 >/dev/null || fail "sqlite3 is needed to see the import end (scripts/setup.sh installs it)"

# One hand: Hero in the small blind with Ah Kd folds to the button's raise.
mkdir -p "$work/hands"
cat > "$work/hands/Alcyone IV.txt" <<'HANDS'
PokerStars Hand #208871235711:  Hold'em No Limit ($0.50/$1.00 USD) - 2020/10/14 10:33:59 ET
Table 'Alcyone IV' 6-max Seat #3 is the button
Seat 1: Hero ($100 in chips)
Seat 2: Villain One ($95.50 in chips)
Seat 3: Button Guy ($120 in chips)
Hero: posts small blind $0.50
Villain One: posts big blind $1
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Button Guy: raises $2 to $3
Hero: folds
Villain One: folds
Uncalled bet ($2) returned to Button Guy
Button Guy collected $2.50 from pot
*** SUMMARY ***
Total pot $2.50 | Rake $0
Seat 1: Hero (small blind) folded before Flop
Seat 2: Villain One (big blind) folded before Flop
Seat 3: Button Guy (button) collected ($2.50)

HANDS
export TABLEWISE_REVIEW_DB=$work/review.sqlite
start "$program" "$work/state.txt"

step "View > Review Hands"
keys alt+v h
review=$(wait_window '^Review Hands - Brisvane Tablewise$') || fail "no review window"
timeout 5 xdotool windowfocus --sync "$review"

step "Import Folder..., the folder typed into the dialog"
keys alt+o
dialog=$(wait_window '^Import a Folder of Hand Histories$') || fail "no folder dialog"
timeout 5 xdotool windowfocus --sync "$dialog"
# The trailing separator leaves the name completer nothing to offer.
typed "$work/hands/"
keys Return

decisions=0
for _ in $(seq 1 300); do
  decisions=$(sqlite3 -readonly "$TABLEWISE_REVIEW_DB" 'SELECT COUNT(*) FROM decisions' 2>/dev/null || echo 0)
  ((decisions > 0)) && break
  sleep 0.1
done
((decisions == 1)) || fail "the import stored $decisions decisions, not 1"
sleep 1 # the window reads the store again once the worker has reported

step "the decision chosen in the list"
timeout 5 xdotool windowfocus --sync "$review"
keys alt+d Down
mkdir -p "$shots"
eval "$(xdotool getwindowgeometry --shell "$review")"
import -window root -crop "$((X + WIDTH))x$((Y + HEIGHT))+0+0" "$shots/e2e-review.png"

step "File > Exit in the main window"
timeout 5 xdotool windowfocus --sync "$win"
keys alt+f x
ended

# Hero was in the blinds, facing one raise, with AK offsuit, big blind $1.
cat > "$work/session.txt" <<'SESSION'
type txtBB 1
type txtHoleCard AK
click optBlinds
click optRaised
dump
SESSION
same_state "$build/cli/tablewise" "$work/state.txt" "$work/session.txt"
step "passed"
