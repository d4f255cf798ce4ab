#!/usr/bin/env bash
# Makes the Debian package from the build in build/ and checks it the way an
# operator meets it: its desktop entry and AppStream data valid, installed,
# started from the desktop entry's Exec line under Xvfb with a fresh home,
# its help file found beside the program (the help window opens from the
# "Help" menu), and its work folder made in that home.
# As root (CI's throwaway machine) the package is installed with apt-get,
# which also proves its Depends; otherwise it is unpacked into a folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app=org.swathkit.Swathkit

rm -f "$build"/swathkit_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/swathkit_*.deb)
echo "Package: $deb"
dpkg-deb -f "$deb" Depends

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$PWD/$deb" >/dev/null
  root=/
else
  dpkg-deb -x "$deb" "$scratch/root"
  root=$scratch/root
  export PATH=$root/usr/bin:$PATH
fi
share=$root/usr/share
desktop-file-validate "$share/applications/$app.desktop"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >/dev/null
test -s "$share/icons/hicolor/scalable/apps/$app.svg"
program=$(readlink -f "$root/usr/bin/swathkit")
test -s "$(dirname "$program")/AB_Help.chm"
# The command line, on the PATH, with its manual page.
"$root/usr/bin/swathkit-cli" --version | grep -qx 'swathkit-cli 3\.22'
zcat "$share/man/man1/swathkit-cli.1.gz" | grep -q 'read and convert the guidance lines'

# The window and its help window, found by their titles; the menu is
# reached by keyboard (Alt, then Left wraps round to "Help").
cat >"$scratch/start.sh" <<'SCRIPT'
#!/usr/bin/env bash
set -u
command=$(sed -n 's/^Exec=//p' "$1")
$command &
pid=$!
found() { xdotool search --name "$1" >/dev/null 2>&1; }
wait_for() { for _ in $(seq 100); do found "$1" && return 0; sleep 0.1; done; return 1; }
status=1
if wait_for '^Swathkit 3\.22$'; then
  sleep 0.5
  xdotool search --name '^Swathkit 3\.22$' windowfocus --sync
  xdotool key alt
  sleep 0.3
  xdotool key Left Return
  wait_for '^Swathkit Help$' && ! found '^No Help$' && status=0
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
SCRIPT
chmod +x "$scratch/start.sh"
mkdir "$scratch/home"
if ! HOME=$scratch/home xvfb-run -a -s "-screen 0 1024x768x24" \
    "$scratch/start.sh" "$share/applications/$app.desktop" >/dev/null 2>&1; then
  echo "The installed program did not start from its desktop entry, or its Help did not open" >&2
  exit 1
fi
test -d "$scratch/home/Swathkit"
echo "Package: installed, started from its desktop entry, help file found, work folder ~/Swathkit"
