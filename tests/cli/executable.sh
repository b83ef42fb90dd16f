# The built executable: its exit codes, and a plot that an XML parser reads,
# with one marker per break point.
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
"$calc" random --shaker stroke=0.01in,velocity=70ips "$dir/p.txt" >/dev/null
[ $? -eq 3 ] || fail "a stroke exceeded does not exit 3"
"$calc" random --plot "$dir/p.svg" - <"$dir/p.txt" >/dev/null || fail "--plot exits $?"
python3 - "$dir/p.svg" <<'PY' || fail "the plot is no SVG with 4 markers"
import sys, xml.etree.ElementTree as ET
svg = "{http://www.w3.org/2000/svg}"
root = ET.parse(sys.argv[1]).getroot()
sys.exit(root.tag != svg + "svg" or len(list(root.iter(svg + "circle"))) != 4)
PY
echo "PASS"
