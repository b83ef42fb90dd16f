# The built executable: its exit codes, what it reads and writes, and a plot
# that an XML parser reads, with one marker per break point.
calc=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}
printf '20-80 Hz +3 dB/oct\n80-350 Hz 0.04\n350-2000 Hz -3 dB/oct\n' >"$dir/p.txt"
"$calc" --help >/dev/null || fail "--help exits $?"
"$calc" sine A=5 >"$dir/out" 2>/dev/null
[ $? -eq 2 ] && [ ! -s "$dir/out" ] || fail "one parameter only: not exit 2 with nothing printed"
"$calc" random --shaker stroke=0.01in,velocity=70ips "$dir/p.txt" >/dev/null 2>&1
[ $? -eq 3 ] || fail "a stroke exceeded does not exit 3"
timeout 10 "$calc" random /dev/zero >"$dir/out" 2>"$dir/err"
[ $? -eq 2 ] && [ ! -s "$dir/out" ] && [ "$(wc -l <"$dir/err")" -eq 1 ] && grep -q '64 KiB' "$dir/err" ||
  fail "a file without end is not refused"
"$calc" sine A=5 F=80 >/dev/full 2>"$dir/err"
[ $? -eq 2 ] && grep -q 'cannot write to standard output' "$dir/err" || fail "a full standard output goes unsaid"
# Standard output carries the SVG alone, the report goes to standard error.
"$calc" random --plot - - <"$dir/p.txt" >"$dir/p.svg" 2>"$dir/err" || fail "--plot - exits $?"
grep -q '^Acceleration  *6.06 g rms' "$dir/err" || fail "--plot -: no report on standard error"
python3 - "$dir/p.svg" <<'PY' || fail "the plot is no SVG with 4 markers"
import sys, xml.etree.ElementTree as ET
svg = "{http://www.w3.org/2000/svg}"
root = ET.parse(sys.argv[1]).getroot()
sys.exit(root.tag != svg + "svg" or len(list(root.iter(svg + "circle"))) != 4)
PY
# A plot that cannot be written whole (here: past a file size limit, as on
# a full disk) leaves the file that was there, and nothing beside it.
echo old >"$dir/keep.svg"
(ulimit -f 1 && trap '' XFSZ && exec "$calc" random --plot "$dir/keep.svg" "$dir/p.txt") >/dev/null 2>"$dir/err"
[ $? -eq 2 ] && [ "$(cat "$dir/keep.svg")" = old ] && [ "$(ls "$dir" | grep -c keep)" -eq 1 ] &&
  grep -q 'cannot write the plot' "$dir/err" || fail "a failed plot write is not refused whole"
# A file name that is not UTF-8 (a stray byte, a surrogate, an overlong
# form, a code point past U+10FFFF) leaves the JSON valid: each byte that is
# no character reads as U+FFFD.
name=$dir/$(printf 'p\037\377\355\240\200\300\200\364\220\200\200.txt')
cp "$dir/p.txt" "$name"
"$calc" --json random "$name" 2>/dev/null | python3 -c 'import json, os, sys
sys.exit(json.load(sys.stdin)["profile"] != os.fsencode(sys.argv[1]).decode("utf-8", "replace"))' "$name" ||
  fail "a file name that is not UTF-8 breaks the JSON"
echo "PASS"
