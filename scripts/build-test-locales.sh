#!/usr/bin/env bash
# Compiles the locales the money tests use into DIR (no root needed).
set -euo pipefail
dir=$1
mkdir -p "$dir"
for l in de_DE en_US fr_FR; do
  [[ -d $dir/$l.UTF-8 ]] || localedef -i "$l" -f UTF-8 "$dir/$l.UTF-8" 2>/dev/null || {
    # localedef exits 1 on warnings while still writing the locale
    [[ -d $dir/$l.UTF-8 ]] || { echo "could not build $l" >&2; exit 1; }
  }
done
