#!/usr/bin/env bash
# Builds the setup program from the Windows build in build-win and checks it
# under Wine the way a farmer meets it: installed silently into a fresh Wine
# prefix, its files, Start-menu entry and Add or Remove Programs entry there,
# the installed program started (under Xvfb) and its window found, installed
# over again, then uninstalled; the work folder C:\Swathkit, with a backup
# in it, stays through all of it. Leaves a screenshot of the window in the
# build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build-win}" && pwd)

cmake --build "$build" --target setup >/dev/null
setup=$(ls "$build"/Swathkit-*-Setup.exe)
echo "Setup program: $setup ($(du -h "$setup" | cut -f1))"

export WINEPREFIX=$build/setup-wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
rm -rf "$WINEPREFIX"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
fail() { echo "Windows setup check failed: $*" >&2; exit 1; }

drive=$WINEPREFIX/drive_c
"$wine" wineboot -i >/dev/null 2>&1
wineserver -w
# The farmer's work folder, there before the program is installed.
mkdir -p "$drive/Swathkit/Backup/12062026/0"
echo "kept" >"$drive/Swathkit/Backup/12062026/0/ablines.dat"
kept() { [ "$(cat "$drive/Swathkit/Backup/12062026/0/ablines.dat" 2>/dev/null)" = kept ]; }

# A setup program that does not run under wine64 still exits 0: the files
# tell whether it installed.
program_dir="$drive/Program Files/Swathkit"
for round in install install-over; do
  "$wine" "$setup" /S
  wineserver -w
  for file in swathkit.exe swathkit-cli.exe AB_Help.chm Uninstall.exe Qt6Core.dll Qt6Widgets.dll \
              Qt6PrintSupport.dll \
              libstdc++-6.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
    [ -s "$program_dir/$file" ] || fail "$round: $file is not installed"
  done
  [ -f "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Swathkit.lnk" ] ||
    fail "$round: no Start-menu entry"
  grep -q 'Uninstall\\\\Swathkit\]' "$WINEPREFIX/system.reg" ||
    fail "$round: not in Add or Remove Programs"
  kept || fail "$round touched C:\\Swathkit"
  echo "$round: the files, the Start-menu entry and Add or Remove Programs are there"
done

# A GUI program (no console window beside it), with its icon and version.
exe="$program_dir/swathkit.exe"
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" ||
  fail "swathkit.exe is not a GUI program"
resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null)
grep -q '"IDI_ICON1" 14' <<<"$resources" || fail "swathkit.exe has no icon"
grep -q 'VALUE "ProductVersion", "3\.22"' <<<"$resources" || fail "swathkit.exe has no version"
# The command line is a console program, and runs as installed.
# (read whole first: grep -q leaving early would fail the pipe)
headers=$(x86_64-w64-mingw32-objdump -p "$program_dir/swathkit-cli.exe")
grep -q '^Subsystem.*(Windows CUI)' <<<"$headers" || fail "swathkit-cli.exe is not a console program"
version=$("$wine" "C:\\Program Files\\Swathkit\\swathkit-cli.exe" --version 2>/dev/null | tr -d '\r')
grep -qx 'swathkit-cli 3\.22' <<<"$version" || fail "the installed swathkit-cli.exe does not run"

# The installed program, started as the Start menu starts it: its window
# with the windows platform plugin, found by its title.
"$wine" "C:\\Program Files\\Swathkit\\swathkit.exe" >/dev/null 2>&1 &
window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Swathkit 3\.22$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "the installed program's window did not appear"
sleep 2
import -window root "$build/setup-window.png"
echo "The installed program's window is up; screenshot: $build/setup-window.png"
[ -d "$drive/Swathkit" ] || fail "the program made no work folder C:\\Swathkit"
# Help, from the "Help" menu (Alt, then Left wraps round to it), opens the
# help file beside the program in Windows' HTML Help viewer.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt
sleep 0.5
xdotool key Left Return
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Swathkit Help$' >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool search --onlyvisible --name '^Swathkit Help$' >/dev/null 2>&1 ||
  fail "Help did not open AB_Help.chm in the HTML Help viewer"
echo "Help opened AB_Help.chm beside the installed program"
wineserver -k
wineserver -w

# Uninstall.exe /S returns at once and goes on from a copy in Temp.
"$wine" "C:\\Program Files\\Swathkit\\Uninstall.exe" /S
wineserver -w
[ ! -e "$program_dir/swathkit.exe" ] || fail "the uninstaller left swathkit.exe"
[ ! -e "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Swathkit.lnk" ] ||
  fail "the uninstaller left the Start-menu entry"
! grep -q 'Uninstall\\\\Swathkit\]' "$WINEPREFIX/system.reg" ||
  fail "the uninstaller left the Add or Remove Programs entry"
kept || fail "the uninstaller touched C:\\Swathkit"
echo "Uninstalled; C:\\Swathkit and its backup are still there"
