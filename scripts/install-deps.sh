#!/usr/bin/env bash
# Installs with apt-get whatever a fresh Debian 12 machine lacks to build,
# test and run Swathkit. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format ccache
  qt6-base-dev qt6-l10n-tools qt6-translations-l10n libchm-dev fp-utils libpugixml-dev nlohmann-json3-dev libzip-dev
  libgeographiclib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales xvfb xauth dosfstools fusefat fuse3
  appstream desktop-file-utils xdotool help2man
  g++-mingw-w64-x86-64-posix googletest wine wine64 nsis ccache librsvg2-bin imagemagick
  gdal-bin nodejs poppler-utils
)
# npm comes with nodejs where Node is installed from its own makers'
# packages; Debian's npm would clash with those.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Debian builds GeographicLib for Linux only: the Windows build compiles it
# from Debian's source tarball, kept in a cache outside the tree (the path
# scripts/test.sh passes as SWATHKIT_GEOGRAPHICLIB_SOURCE).
cache="${XDG_CACHE_HOME:-$HOME/.cache}/swathkit"
if ! compgen -G "$cache/geographiclib_*.orig.tar.gz" >/dev/null; then
  mkdir -p "$cache"
  if ! (cd "$cache" && apt-get source -qq --download-only geographiclib); then
    # Only the source archive has it; Debian's own archive, already trusted.
    . /etc/os-release
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
      "Suites: $VERSION_CODENAME" "Components: main" \
      "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
      "${sudo[@]}" tee /etc/apt/sources.list.d/swathkit-src.sources >/dev/null
    "${sudo[@]}" apt-get update -qq
    (cd "$cache" && apt-get source -qq --download-only geographiclib)
  fi
fi
