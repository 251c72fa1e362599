#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need; does
# nothing when every one is already there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libglfw3-dev libglew-dev libassimp-dev libglm-dev libstb-dev
  libsqlite3-dev libopenal-dev libsndfile1-dev libcli11-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri
  xdotool imagemagick sox desktop-file-utils dpkg-dev file
  lintian appstream bash-completion man-db groff-base
  clang libclang-rt-14-dev
  linux-perf heaptrack valgrind
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
