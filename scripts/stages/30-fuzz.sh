# Fuzzing and random user actions under AddressSanitizer and
# UndefinedBehaviorSanitizer, bounded to about a minute: the number rules, the
# profile reader with the table's paste, and the whole window on fuzzer input,
# then seeded random actions with every invariant checked after each. Longer
# runs: scripts/soak.
set -uo pipefail
source scripts/stages/lib.sh
dir=build/sanitize
seconds=${TESSOMAR_FUZZ_SECONDS:-15}
actions=${TESSOMAR_RANDOM_ACTIONS:-8000}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

passed=0 failed=0
record() { echo "fuzz $passed $failed" >> "$TESSOMAR_RESULTS"; }

if ! CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTESSOMAR_QT=OFF -DTESSOMAR_SANITIZE=ON -DTESSOMAR_FUZZ=ON >/dev/null ||
  ! cmake --build "$dir" --target numbers_fuzz window_fuzz profile_fuzz reliability_tests; then
  failed=1
  record
  exit 1
fi

# Each fuzzer starts from the committed seeds and writes what it finds to a
# scratch corpus, so the committed one stays small.
fuzz() {
  local name=$1 corpus=$2 work log
  work=$(mktemp -d) log=$(mktemp)
  mkdir -p "$dir/fuzz/artifacts"
  "$dir/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$dir/fuzz/artifacts/$name-" "$work" "fuzz/corpus/$corpus" >"$log" 2>&1
  local rc=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $rc -eq 0 ]; then
    echo "$name: ${runs:-0} inputs executed in ${seconds} s, nothing found"
    passed=$((passed + 1))
  else
    echo "$name: FAILED after ${runs:-?} inputs; the input is in $dir/fuzz/artifacts/"
    # What broke and, for the window, the actions that led there.
    grep -E 'ERROR|runtime error|SUMMARY' "$log" | head -20
    sed -n '/^[a-z]*_fuzz: /,/^$/p' "$log" | head -80
    failed=$((failed + 1))
  fi
  rm -rf "$work" "$log"
}
fuzz numbers_fuzz numbers
fuzz window_fuzz window
fuzz profile_fuzz profile

log=$(mktemp)
TESSOMAR_RANDOM_ACTIONS=$actions "$dir/tests/reliability_tests" --gtest_filter='RandomActions.*' >"$log" 2>&1
rc=$?
grep '^random actions' "$log"
if [ $rc -eq 0 ]; then
  passed=$((passed + 1))
else
  echo "random actions: FAILED"
  grep -v '^\[\|^random actions\|^Running main\|^Note: ' "$log" | sed '/^$/d' | head -80
  failed=$((failed + 1))
fi
rm -f "$log"
record
[ "$failed" -eq 0 ]
