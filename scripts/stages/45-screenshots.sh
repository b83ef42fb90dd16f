# The README's pictures against what the program draws now: every screen in
# docs/ is rendered again into a scratch directory and compared with its
# picture (scripts/screenshots --check).
set -uo pipefail
# The unit stage has built the program here already; this only catches up.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test --target tessomar || exit 1

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The session bus logs each service it starts; those lines are not results.
timeout 300 scripts/screenshots --check build/test/tessomar \
  2> >(grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon is running' >&2) | tee "$log"
rc=${PIPESTATUS[0]}
counts=$(sed -n 's/^checked: \([0-9]* [0-9]*\)$/\1/p' "$log")
if [ -z "$counts" ]; then
  counts="0 1" # the check ended before it could count
  [ "$rc" -eq 0 ] && rc=1
fi
echo "screenshots $counts" >> "$TESSOMAR_RESULTS"
if [ "$rc" -ne 0 ]; then
  echo "docs/ no longer shows the window as the program draws it. If the change is meant, refresh the" \
    "pictures with 'scripts/screenshots build/test/tessomar', look at docs/*.png and commit them." >&2
fi
exit "$rc"
