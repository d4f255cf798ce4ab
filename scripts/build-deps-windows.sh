#!/usr/bin/env bash
# Builds the libraries the line readers and exports use (pugixml, libzip with
# zlib, nlohmann-json) for 64-bit Windows with MinGW-w64, from Debian's own
# source packages of the versions installed for Linux, as static libraries
# with their CMake packages, into a cache folder outside the tree.
#
# Prints the installed folder (for CMAKE_PREFIX_PATH) as its only output;
# the build's own output goes to a log beside it. Rebuilds only when the
# folder for these source versions and these options is missing.
set -eEuo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)

# Source package and version of each, from the Linux packages installed.
sources=()
for dev in zlib1g-dev libzip-dev libpugixml-dev nlohmann-json3-dev; do
  sources+=("$(dpkg-query -W -f='${source:Package}=${source:Version}' "$dev")")
done
common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
        -DCMAKE_TOOLCHAIN_FILE="$tree/cmake/mingw-w64.cmake")
# Only zip's own deflate: no encryption, bzip2 or xz, no tools or tests.
zip_options=(-DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF
             -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF
             -DENABLE_LZMA=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF
             -DBUILD_DOC=OFF)
. "$tree/scripts/windows-cache.sh"
# The key names the toolchain by its text, not by where this clone lies, so
# every clone on the machine shares one build.
cached_build_begin mingw-deps "${sources[*]}" "${sources[@]}" "${common[@]//"$tree"/TREE}" \
  "${zip_options[@]}" \
  "$(sha256sum <"$tree/cmake/mingw-w64.cmake")"
for source in "${sources[@]}"; do
  apt-get source -qq --download-only "$source"
  dpkg-source -x "${source%%=*}"_*.dsc "${source%%=*}"
done
configure() {  # folder, then its own options
  local folder=$1
  shift
  cmake -S "$folder" -B "build-$folder" "${common[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" "$@"
}
# zlib's own install wants the DLL, whose resource Debian's source leaves
# out: its static library alone, under the name every finder looks for.
configure zlib
cmake --build build-zlib --target zlibstatic
mkdir -p "$prefix/lib" "$prefix/include"
cp build-zlib/libzlibstatic.a "$prefix/lib/libz.a"
cp zlib/zlib.h build-zlib/zconf.h "$prefix/include/"
for folder in libzip pugixml nlohmann-json3; do
  options=()
  [ "$folder" = libzip ] && options=("${zip_options[@]}")
  [ "$folder" = nlohmann-json3 ] && options=(-DJSON_BuildTests=OFF)
  configure "$folder" "${options[@]}"
  cmake --build "build-$folder"
  cmake --install "build-$folder"
done
cached_build_end
