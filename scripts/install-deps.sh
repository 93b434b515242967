#!/usr/bin/env bash
# Installs the Debian packages Quillet needs to build, run and test, skipping
# those already present. Runs apt-get as root, or through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev fonts-dejavu-core
  libgtest-dev libbenchmark-dev libavutil-dev libsqlite3-dev
  clang libclang-rt-14-dev
  xdg-utils
  g++-mingw-w64-x86-64-posix wine64
  appstream dpkg-dev file groff-base
  xvfb xdotool dbus at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Missing packages: ${missing[*]}; run this script as root or install sudo." >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
