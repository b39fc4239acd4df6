#!/usr/bin/env bash
# Runs a command under a private Xvfb server and stops the server afterwards.
set -euo pipefail
display=${XVFB_DISPLAY:-:97}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; wait $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
  [[ -e /tmp/.X11-unix/X${display#:} ]] && break
  sleep 0.05
done
unset QT_QPA_PLATFORM
DISPLAY=$display "$@"
