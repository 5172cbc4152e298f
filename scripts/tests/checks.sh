# Sourced by the script tests: a check counts as passed when its command
# succeeds; a failure prints the case, what was checked and the output of
# the run under test ($CASE and $OUT, set by the test), then whatever the
# test's check_details prints (none by default). checks_summary NAME ends the
# test: one line of counts, and the exit status.
passed=0 failed=0
check_details() { :; }

check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s: %s\n--- output ---\n%s\n%s\n' "$CASE" "$what" "$OUT" "$(check_details)"
  fi
}
out_has() { grep -qF -- "$1" <<< "$OUT"; }

checks_summary() {
  echo "$1: $passed passed, $failed failed"
  [ $failed -eq 0 ]
}
