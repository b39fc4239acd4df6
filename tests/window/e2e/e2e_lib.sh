# What the end-to-end scripts share: a work folder removed on exit, and the
# advisor's window driven with xdotool. Sourced after `set -euo pipefail`;
# the script sets `name` (for its messages) first.
work=$(mktemp -d)
app_pid=
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$name: $*" >&2; exit 1; }
step() { echo "$name: $*"; }

# start <program> <state file>: the window shown and focused; sets win, WIDTH,
# HEIGHT and menu (the height of the menu bar above the inner area, which is
# 757 pixels high).
start() {
  TABLEWISE_STATE_FILE=$2 "$1" > "$work/program.log" 2>&1 &
  app_pid=$!
  win=$(timeout 10 xdotool search --sync --onlyvisible --name '^Brisvane Tablewise$' | head -1) \
    || fail "the window did not appear"
  timeout 5 xdotool windowfocus --sync "$win"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  menu=$((HEIGHT - 757))
}
# A click at a point of the inner area.
click() { xdotool mousemove --window "$win" "$1" $(($2 + menu)) click 1; sleep 0.15; }
keys() { xdotool key --delay 60 "$@"; sleep 0.15; }
typed() { xdotool type --delay 60 "$1"; sleep 0.15; }
wait_window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }
ended() {
  local status=0
  timeout 10 tail --pid="$app_pid" -f /dev/null || fail "the program did not end"
  wait "$app_pid" || status=$?
  app_pid=
  ((status == 0)) || fail "the program ended with status $status"
}
# same_state <tablewise> <state file> <replay session>
same_state() {
  "$1" replay "$3" > "$work/expected.txt"
  diff -u "$work/expected.txt" "$2" || fail "the window's state differs from the replay's"
}
