#!/usr/bin/env bash
# Starts the advisor's window, or explains how to use the command instead.
set -euo pipefail
build=${1:-build}
gui=$build/window/brisvane-tablewise
if [[ -x $gui ]]; then
  if [[ -z ${DISPLAY-} && -z ${WAYLAND_DISPLAY-} ]]; then
    echo "No display here to show the window on; try the command instead: $build/cli/tablewise --help"
    exec "$build/cli/tablewise" --help
  fi
  exec "$gui"
fi
echo "The window is not built yet; the advisor works from the command line:"
exec "$build/cli/tablewise" --help
