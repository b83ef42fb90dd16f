# The shaker ratings the program knows against the bash completion, --help and
# the manual page, and what bash completes (the options, commands and
# parameters are checked against the table of commands in table_test.cpp).
calc=$1 src=$2
fail() {
  echo "FAIL: $*"
  exit 1
}
source "$src/data/completion/tessomar-calc"
ratings=$("$calc" --shaker x=1 random - 2>&1 | sed -n 's/.*(\(.*\))$/\1/p' | tr -d ,)
[ "$ratings" = "$_tessomar_calc_ratings" ] || fail "ratings: program $ratings; completion $_tessomar_calc_ratings"
for r in $ratings; do
  "$calc" --help | grep -q -- "$r=" && sed 's/\\-/-/g' "$src/data/tessomar-calc.1" | grep -q -- "$r=" || fail "$r= undocumented"
done
completes() { # completes LINE WORDS...: what bash offers at the end of LINE
  COMP_LINE=$1 COMP_POINT=${#1}
  _tessomar_calc
  [ "${COMPREPLY[*]}" = "${*:2}" ] || fail "'$1' completes to '${COMPREPLY[*]}', not '${*:2}'"
}
completes 'tessomar-calc --sigma=2 ra' random
completes 'tessomar-calc --shaker stroke=2in,velocity=70ips r' random
completes 'tessomar-calc --shaker ' $(printf '%s= ' $ratings)
completes 'tessomar-calc --shaker=stroke=2in,sine' 2in,sine-force=
completes 'tessomar-calc --exact shock half-sine ' A= V= D= T=
completes 'tessomar-calc sweep 10-1000 r' rate=
completes 'tessomar-calc random --response ' fn=
completes 'tessomar-calc random --response fn=150' 150,Q=
completes 'tessomar-calc --scale-db -3 --tolerance 3,6 r' random
echo "PASS"
