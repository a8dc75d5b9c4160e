# Sourced by the golden checks.

# `golden_begin BUILD NAME` sets build (absolute), expected (the recordings in
# NAME/ next to this file) and work (a scratch directory removed on exit).
golden_begin() {
  build=$(cd "$1" && pwd)
  expected=$here/$2
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}

# `first_difference NAME EXPECTED ACTUAL` is
# silent when the two files are equal; otherwise it prints the first line that
# differs and the frame it belongs to ("frame N …" lines; any other line is
# the closing summary).
first_difference() {
  local name=$1 expected=$2 actual=$3 report line want got where
  report=$(cmp "$expected" "$actual" 2>&1) && return 0
  line=$(sed -n 's/.*line \([0-9]*\).*/\1/p' <<<"$report")
  # cmp names the last whole line both files share when one ends early.
  case $report in *EOF*) line=$((line + 1)) ;; esac
  want=$(sed -n "${line}p" "$expected")
  got=$(sed -n "${line}p" "$actual")
  where=$(printf '%s\n%s\n' "$want" "$got" | sed -n 's/^\(frame [0-9]*\).*/\1/p' | head -n 1)
  echo "$name: first difference at line $line, ${where:-the closing summary}"
  echo "  expected: ${want:-(nothing)}"
  echo "  actual:   ${got:-(nothing)}"
  return 1
}
