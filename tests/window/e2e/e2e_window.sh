#!/usr/bin/env bash
# The advisor installed as a user gets it, used with real X events: typed
# keys, mouse clicks, the menus by keyboard, the logo's link, the About
# window, then File > Exit; a second run ends by the window's close button.
# The state the program leaves (TABLEWISE_STATE_FILE) must be the state the
# command line's replay of the same session reaches.
#
#   e2e_window.sh <build dir> <close_window program> <screenshot dir>
set -euo pipefail
build=$1
close_window=$2
shots=$3
name=e2e
source "$(dirname "$0")/e2e_lib.sh"

# ---- Install into a prefix of its own: the program beside its help file.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "install failed"; }
program=$prefix/bin/brisvane-tablewise
for f in bin/brisvane-tablewise lib/brisvane-tablewise/brisvane-tablewise lib/brisvane-tablewise/BV_Tablewise.chm \
         bin/tablewise \
         share/applications/example.brisvane.Tablewise.desktop \
         share/metainfo/example.brisvane.Tablewise.metainfo.xml \
         share/icons/hicolor/64x64/apps/example.brisvane.Tablewise.png \
         share/icons/hicolor/16x16/apps/example.brisvane.Tablewise.png; do
  [[ -e $prefix/$f ]] || fail "not installed: $f"
done
[[ -L $program ]] || fail "bin/brisvane-tablewise is not a link"
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/example.brisvane.Tablewise.metainfo.xml" > "$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "the AppStream metadata does not validate"; }
fi
grep -q '^Exec=brisvane-tablewise$' "$prefix/share/applications/example.brisvane.Tablewise.desktop" \
  || fail "the desktop entry does not start the program"

# ---- First run: a whole advice, the link, About, then File > Exit.
step "typing the big blind and the hole cards"
start "$program" "$work/state1.txt"
((WIDTH == 377)) || fail "the window is $WIDTH pixels wide"
((menu > 10 && menu < 60)) || fail "no menu bar above the inner area ($HEIGHT high)"
typed 2
keys Tab
typed ak
step "clicking Suited, Late, Opened and the post-flop options"
click 232 36     # Suited: Yes
click 312 80     # Position: Late
click 56 124     # Pre-Flop: Opened
click 52 456     # Post-Flop position: In
click 304 472    # Pot: Raised
click 150 508    # the category field
keys Down Down Down Down
mkdir -p "$shots"
import -window root -crop "${WIDTH}x${HEIGHT}+0+0" "$shots/e2e-advice.png"

step "clicking the logo: no browser here, so the error box"
click 260 176
box=$(wait_window '^Tablewise$') || fail "no error box for the link"
keys Return
timeout 5 xdotool windowfocus --sync "$win"

step "Help > About and OK"
keys alt+h a
about=$(wait_window '^About Brisvane Tablewise$') || fail "no About window"
import -window "$about" "$shots/e2e-about.png"
keys Return

step "File > Exit"
timeout 5 xdotool windowfocus --sync "$win"
keys alt+f x
ended
cat > "$work/session1.txt" <<'SESSION'
type txtBB 2
focus txtHoleCard
type txtHoleCard ak
click chkSuited
click optLate
click optOpened
click optIn
click optRaisedPost
select cmbPostFlop 3
dump
SESSION
same_state "$prefix/bin/tablewise" "$work/state1.txt" "$work/session1.txt"
grep -q $'^lblGroup\t1$' "$work/state1.txt" || fail "no group 1 for AKs"

# ---- Second run: typing, the help, then the window's close button.
step "Help > Contents, then closing the window by its close button"
start "$program" "$work/state2.txt"
typed 5
keys alt+h Return   # the first item, Contents, has no access key
help=$(wait_window '^Brisvane Tablewise Help$') || fail "no help viewer"
import -window "$help" "$shots/e2e-help.png"
if command -v xprop > /dev/null; then
  # The viewer is the main window's owned window: the window manager keeps it
  # above the main window and minimises it with it.
  owner=$(xprop -id "$help" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*' || true)
  [[ -n $owner ]] && (( owner == win )) || fail "the help viewer is not owned by the main window ($owner, $win)"
fi
"$close_window" "$win"
ended
printf 'type txtBB 5\ndump\n' > "$work/session2.txt"
same_state "$prefix/bin/tablewise" "$work/state2.txt" "$work/session2.txt"
step "passed"
