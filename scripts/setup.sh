#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, and nothing when
# everything is already there. Runs apt-get through sudo when not root.
set -euo pipefail

packages=(
  # compilers and build tools
  build-essential cmake ninja-build pkg-config clang-14 libclang-rt-14-dev
  # test and benchmark libraries
  libgtest-dev libgmock-dev libbenchmark-dev valgrind
  # Qt 6 for the windows, the Designer plugin and the tests
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-qpa-plugins
  # help file: compiler and reader; an independent reader for the tests
  fp-utils libmspack-dev libchm-bin
  # sound
  libcanberra-dev
  # real-window tests and screenshots
  xvfb xauth xdotool imagemagick
  # fonts the window is laid out with
  fonts-dejavu-core fonts-liberation
  # localedef, for the money tests under other locales
  locales
  # hand histories: the PHH reader, the local store, the review's plots
  libtomlplusplus-dev libsqlite3-dev sqlite3 qt6-charts-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
