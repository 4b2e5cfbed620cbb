#!/usr/bin/env bash
# Makes sure the Debian packages are there: installs the missing ones when run
# as root, else prints the apt-get line.
#   scripts/deps.sh          what building and running the program needs
#   scripts/deps.sh --test   that and the test tools (scripts/test.sh)
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-serialport-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  xvfb xauth
)
if [ "${1:-}" = "--test" ]; then
  packages+=(
    libgtest-dev
    clang libclang-rt-14-dev llvm-14
    tmux ghostscript ser2net
    desktop-file-utils appstream lintian man-db dpkg-dev file
  )
fi

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
  apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages. Install them with:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
