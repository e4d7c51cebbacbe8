#!/usr/bin/env bash
# Runs a Windows test program under Wine, in the prefix that the test run
# made, and prints its results, which it writes to a file: under Wine its
# standard output does not reach the terminal. The exit status is the
# program's.
export WINEPREFIX=${KALEIDRA_WINEPREFIX:?run through ctest, which makes the prefix} WINEDEBUG=-all
results=$(mktemp --suffix=.txt)
trap 'rm -f "$results"' EXIT
wine "$@" -o "$(wine winepath -w "$results" 2>/dev/null),txt" 2>/dev/null
status=$?
cat "$results"
exit $status
