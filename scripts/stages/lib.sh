# Shared by the stages: runs ctest and records its counts.
# usage: run_ctest NAME BUILD_DIR [ctest args...]
run_ctest() {
  local name=$1 dir=$2
  shift 2
  local log
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j2 "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line total failed
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  rm -f "$log"
  if [ -z "$line" ]; then total=0 failed=1; fi
  [ "$rc" -ne 0 ] && [ "${failed:-0}" -eq 0 ] && failed=1
  echo "$name $((total - failed)) $failed" >> "$TESSOMAR_RESULTS"
  return "$rc"
}
