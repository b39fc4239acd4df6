#!/usr/bin/env bash
# View > Practice in the real program with real X events: opened from the
# View menu by keyboard on a fresh store (a home and data folder of its own),
# four questions answered by F, C, R and F with Enter to go on between them.
# The store must hold the four answers, and the window must be there again
# with them after the program is started anew.
#
#   e2e_practice.sh <build dir> <screenshot dir>
set -euo pipefail
build=$1
shots=$2
program=$build/window/brisvane-tablewise
name=e2e-practice
source "$(dirname "$0")/../e2e/e2e_lib.sh"
command -v sqlite3 >/dev/null || fail "sqlite3 is needed to read the store (scripts/setup.sh installs it)"

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
unset TABLEWISE_REVIEW_DB
store=$XDG_DATA_HOME/brisvane-tablewise/hands.sqlite
answers() { sqlite3 -readonly "$store" 'SELECT COUNT(*) FROM drill_answers' 2>/dev/null || echo 0; }

start "$program" "$work/state.txt"
step "View > Practice"
keys alt+v p
practice=$(wait_window '^Practice - Brisvane Tablewise$') || fail "no practice window"
timeout 5 xdotool windowfocus --sync "$practice"
[[ -f $store ]] || fail "the store was not made at $store"

step "F, C, R and F, Enter between them"
for key in f c r f; do
  keys "$key"
  keys Return
done
kept=$(answers)
((kept == 4)) || fail "the store holds $kept answers, not 4"

step "a question judged, in the picture"
keys c
mkdir -p "$shots"
eval "$(xdotool getwindowgeometry --shell "$practice")"
import -window root -crop "$((X + WIDTH))x$((Y + HEIGHT))+0+0" "$shots/e2e-practice.png"
kept=$(answers)
((kept == 5)) || fail "the store holds $kept answers, not 5"

step "File > Exit in the main window"
timeout 5 xdotool windowfocus --sync "$win"
keys alt+f x
ended

step "started anew, the answers are there"
start "$program" "$work/state.txt"
keys alt+v p
practice=$(wait_window '^Practice - Brisvane Tablewise$') || fail "no practice window the second time"
timeout 5 xdotool windowfocus --sync "$practice"
keys f
kept=$(answers)
((kept == 6)) || fail "the store holds $kept answers, not 6"
timeout 5 xdotool windowfocus --sync "$win"
keys alt+f x
ended
step "passed"
