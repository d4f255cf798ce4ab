#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Every build below goes through ccache: a run after the first compiles
# only what changed, whichever folder the tree was cloned into.
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$PWD
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSWATHKIT_WERROR=ON \
  -DSWATHKIT_BUILD_BENCHMARKS=ON
cmake --build build --target format-check
cmake --build build
# The independent TaskData reader the tests compare with, exactly as locked.
(cd tests/isoxml && npm ci --no-audit --no-fund)
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600)
# Each benchmark once, briefly, so that none stops building or running
# unseen; no figure is judged here.
for bench in build/bin/*_bench; do
  QT_QPA_PLATFORM=offscreen "$bench" --benchmark_min_time=0.01
done

# The whole program and its tests again, built for Windows with MinGW-w64
# against Qt and the readers' libraries built from Debian's own source
# (cached outside the tree), and run under Wine; the README says what that
# run leaves out and why. A wineserver kept a few seconds between tests
# spares each its start.
qt_windows=$(scripts/build-qt-windows.sh)
libraries_windows=$(scripts/build-deps-windows.sh)
geographiclib=$(ls "${XDG_CACHE_HOME:-$HOME/.cache}"/swathkit/geographiclib_*.orig.tar.gz | tail -n1)
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DSWATHKIT_GEOGRAPHICLIB_SOURCE="$geographiclib" \
  -DCMAKE_PREFIX_PATH="$qt_windows;$libraries_windows" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build build-win
(cd build-win &&
 export WINEPREFIX=$PWD/wine WINEDEBUG=-all &&
 { wineserver -p10 </dev/null >/dev/null 2>&1 || true; } &&
 echo "Windows tests, under Wine:" &&
 ctest --output-on-failure --timeout 600)

# The setup program made from the Windows build, installed, started and
# uninstalled under Wine.
scripts/check-windows-setup.sh build-win

# The Debian package made from the Linux build, installed and started from its
# desktop entry.
scripts/check-package.sh build

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
# the first finding stops the test and fails this script. tests/lsan.supp
# says which system libraries' leaks are not ours.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSWATHKIT_SANITIZE=ON
cmake --build build-asan
(cd build-asan &&
 QT_QPA_PLATFORM=offscreen \
 ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1 \
 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
 LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
 ctest --output-on-failure --timeout 1200)
