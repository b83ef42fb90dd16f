# --help, the manual page and the bash completion against the program: the
# same options and shaker ratings, each known to the program; and completion
# after options that carry a value.
calc=$1 src=$2
fail() {
  echo "FAIL: $*"
  exit 1
}
options() { grep -o -E -- '--[a-z]+' | sort -u | tr '\n' ' '; }
help=$("$calc" --help | options)
man=$(sed 's/\\-/-/g' "$src/data/tessomar-calc.1" | options)
source "$src/data/completion/tessomar-calc"
[ "$help" = "$man" ] && [ "$help" = "$(options <<<"$_tessomar_calc_options")" ] || fail "options: help $help; man $man"
for o in $help; do "$calc" "$o" 2>&1 | grep -q 'unknown option' && fail "$o is unknown to the program"; done
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
echo "PASS"
