# The core's suites again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
source scripts/stages/lib.sh
CC=clang CXX=clang++ cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTESSOMAR_QT=OFF -DTESSOMAR_SANITIZE=ON -DTESSOMAR_FUZZ=ON >/dev/null
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_ctest sanitize build/sanitize -L core
