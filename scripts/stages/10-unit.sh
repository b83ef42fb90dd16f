# The whole suite, GoogleTest and Qt Test, in an ordinary build.
set -euo pipefail
source scripts/stages/lib.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test
run_ctest unit build/test
