#!/usr/bin/env bash
# Builds Qt 6 (qtbase) for 64-bit Windows with MinGW-w64 from Debian's own
# source package, as DLLs laid out the way windeployqt lays them out, and
# installs it into a cache folder outside the tree. Debian ships no Qt for
# Windows; its source cross-builds with Debian's MinGW and Debian's own Qt
# host tools (moc, rcc, uic), which must be the same version.
#
# Prints the installed folder (for CMAKE_PREFIX_PATH) as its only output;
# the build's own output goes to a log beside it. Rebuilds only when the
# folder for this source version and these options is missing.
set -eEuo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Only what the program and its window tests need: Core, Gui, Widgets,
# Concurrent, PrintSupport, Test, and the windows and offscreen platforms.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
  -DFEATURE_concurrent=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON
  # The offscreen platform draws its text with FreeType, Qt's own copy.
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_fontconfig=OFF
  -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  # Debian's source leaves out the tablet library of the windows platform.
  # Qt 6.4 compiles its DirectWrite font engine only with Direct2D, yet
  # PrintSupport's Windows print engine calls it whenever DirectWrite is
  # on: the GDI font engine and no Direct2D.
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF
  -DFEATURE_directwrite3=OFF
)
. "$tree/scripts/windows-cache.sh"
cached_build_begin "qt6-mingw-${version//[^0-9A-Za-z.]/_}" "Qt $version" "$version" "${options[@]}"
apt-get source -qq --download-only "qt6-base=$version"
dpkg-source -x qt6-base_*.dsc src
cat >toolchain.cmake <<TOOLCHAIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
launcher=()
if command -v ccache >/dev/null; then
  # Qt's precompiled headers would otherwise miss the cache every time.
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S src -B build -G Ninja "${options[@]}" "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build build
cmake --install build
# The MinGW runtime the DLLs import, beside them as Windows looks for it.
for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
  cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$prefix/bin/"
done
cached_build_end
