#!/bin/sh
# swathkit-cli run as a script runs it: its exit codes, the shape of its
# JSON, a refusal that writes nothing, and lines carried through every
# format and back.
set -u
cli=$1 fields=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$cli" "$@" >"$work/out" 2>"$work/err"; echo $?; }
# node checks the JSON: $1 is a test on the object o.
json() { node -e "const o = JSON.parse(require('fs').readFileSync(0)); \
  if (!($1)) { console.log(JSON.stringify(o)); process.exit(1); }" <"$work/out" || fail "$2"; }

[ "$(run --help)" = 0 ] && grep -q '^Usage: swathkit-cli list FILE' "$work/out" || fail help
[ "$(run --version)" = 0 ] && grep -qx 'swathkit-cli [0-9][0-9.]*' "$work/out" || fail version
for args in "" list "convert a" "convert a b.kml --to nothing" "convert a b.kml --from kml" \
            "convert a b" "frob x"; do
  # shellcheck disable=SC2086
  [ "$(run $args)" = 2 ] || fail "usage: '$args'"
done

[ "$(run list "$fields/TrackField")" = 0 ] || fail "list: $(cat "$work/err")"
json 'o.format === "agopengps" && o.lines.length === 3 && o.left_out.length === 2 &&
  Object.keys(o).join() === "file,format,lines,left_out" &&
  Object.keys(o.lines[0]).join() === "name,kind,latitude,longitude,heading,field,ticked" &&
  Math.abs(o.lines[0].latitude - 52.013158874) < 1e-9 &&
  Math.abs(o.lines[0].heading - 79.98862239) < 1e-8 &&
  o.lines[0].field === 12 && o.lines[1].field === null && o.lines[2].kind === "circle" &&
  !("heading" in o.lines[2]) && o.left_out[0].reason === "a curve"' "list shape"

# A line at 0, 0 is one the card takes for an empty field: not ticked.
printf '{"type":"Feature","properties":{},"geometry":{"type":"Point","coordinates":[0,0]}}' \
  >"$work/nowhere.geojson"
[ "$(run list "$work/nowhere.geojson")" = 0 ] || fail "list nowhere"
json 'o.lines.length === 1 && o.lines[0].ticked === false' "not ticked"

# A refusal says why in one line and writes nothing.
printf 'not a line file' >"$work/bad.kml"
[ "$(run convert "$work/bad.kml" "$work/out.geojson")" = 1 ] || fail "refusal code"
[ "$(wc -l <"$work/err")" = 1 ] && [ ! -e "$work/out.geojson" ] || fail "refusal wrote"
[ "$(run list "$work/missing.kml")" = 1 ] || fail "missing file"

# Through every format, the card's included, and back: the same lines.
"$cli" list "$fields/TrackField" >"$work/first.json"
from=$fields/TrackField
for to in lines.geojson ablines.dat lines.kml lines.kmz:kmz TASKDATA.XML lines.zip \
          folder:agopengps; do
  name=${to%%:*} format=${to#*:}
  if [ "$format" = "$to" ]; then set -- ; else set -- --to "$format"; fi
  [ "$(run convert "$from" "$work/$name" "$@")" = 0 ] || fail "convert to $to: $(cat "$work/err")"
  [ "$format" = kmz ] || from=$work/$name
done
[ "$(run list "$from")" = 0 ] || fail "list back: $(cat "$work/err")"
json "(() => { const north = (l, m) => l.latitude - m.latitude;
  const a = JSON.parse(require('fs').readFileSync('$work/first.json')).lines
  .filter(l => l.kind === 'straight').sort(north), b = o.lines.sort(north);
  return b.length === a.length && a.every((l, i) =>
  Math.abs(l.latitude - b[i].latitude) < 1e-8 && Math.abs(l.longitude - b[i].longitude) < 1e-8 &&
  Math.abs(l.heading - b[i].heading) < 1e-6 && l.field === (b[i].field === 6 ? null : b[i].field));
  })()" "round trip"

# A damaged card line file still lists its good records, its damage left out.
mkdir "$work/cut"
head -c 2000 "$work/ablines.dat" >"$work/cut/ablines.dat"
[ "$(run list "$work/cut/ablines.dat")" = 0 ] || fail "damaged card"
json 'o.format === "card" && o.lines.length > 0 &&
  o.left_out.some(l => l.reason === "the record could not be read")' "card damage"
echo "swathkit-cli: all checks passed"
