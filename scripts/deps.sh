#!/usr/bin/env bash
# Makes sure the Debian packages the build and the tests need are there:
# installs the missing ones when run as root, else prints the apt-get line.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-serialport-dev
  libgtest-dev
  clang libclang-rt-14-dev
  xvfb xauth tmux ghostscript
  desktop-file-utils man-db dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages. Install them with:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
