# Each library's files see the headers of their own layer and of the layers
# below it, and no other: a header of a higher layer, or Qt's outside the
# view, does not compile with the include directories the build gives them.
#   layers.sh CXX LAYER=DIRS...   (DIRS: the library's include directories, ";" between)
cxx=$1
shift
failed=0
check() { # check LAYER HEADER yes|no
  local dirs flags=() d
  dirs=$(printf '%s\n' "$layers" | sed -n "s/^$1=//p")
  IFS=';'
  for d in $dirs; do flags+=("-I$d"); done
  unset IFS
  if printf '#include %s\n' "$2" | "$cxx" -std=c++20 -fsyntax-only "${flags[@]}" -x c++ - 2>/dev/null; then
    got=yes
  else
    got=no
  fi
  [ "$got" = "$3" ] && return
  echo "FAIL: $1 including $2: compiles $got, should $3"
  failed=1
}
layers=$(printf '%s\n' "$@")
for layer in calc window cli; do
  printf '%s\n' "$layers" | grep -q "^$layer=" || { echo "FAIL: no include directories for $layer"; exit 1; }
done
check calc '"calc/report.h"' yes
check calc '"frame/tessomar.h"' no
check calc '"toolkit/window.h"' no
check calc '"cli/run.h"' no
check calc '"qt/main_window.h"' no
check calc '<QWidget>' no
check window '"frame/tessomar.h"' yes
check window '"calc/table.h"' yes
check window '"cli/run.h"' no
check window '"qt/main_window.h"' no
check window '<QWidget>' no
check cli '"cli/run.h"' yes
check cli '"calc/report.h"' yes
check cli '"frame/tessomar.h"' no
check cli '"toolkit/window.h"' no
check cli '"qt/main_window.h"' no
[ "$failed" -eq 0 ] && echo "PASS"
exit "$failed"
