#!/usr/bin/env bash
# Installs with apt-get whatever a fresh Debian 12 machine lacks to build,
# test and run Swathkit. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev libchm-dev fp-utils libpugixml-dev nlohmann-json3-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales xvfb xauth dosfstools fusefat fuse3
  appstream desktop-file-utils xdotool
  g++-mingw-w64-x86-64-posix googletest wine wine64
  gdal-bin nodejs
)
# npm comes with nodejs where Node is installed from its own makers'
# packages; Debian's npm would clash with those.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
