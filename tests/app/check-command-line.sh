#!/usr/bin/env bash
# The program's command line: --help and --version answer and end, a wrong option is an
# error with exit code 2, and without a display the program says so in one line (exit 1).
#   check-command-line.sh <program>
set -uo pipefail
program=$1
status=0
expect() { # expect <exit code> <what the output must hold> <command...>
  local code=$1 holds=$2
  shift 2
  local out
  out=$("$@" 2>&1)
  local got=$?
  if [ "$got" != "$code" ] || ! grep -q -- "$holds" <<<"$out"; then
    echo "FAIL: $* gave exit $got (wanted $code) and said: $out"
    status=1
  fi
}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
expect 0 "Usage:" "$program" --help
expect 0 "quorvel" "$program" --version
expect 2 "Unknown option" "$program" --frobnicate
expect 2 "one game" "$program" a.quorvel b.quorvel
expect 1 "no graphical display" "$program"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1 | wc -l)" = 1 ] || { echo "FAIL: more than one line"; status=1; }
# A display that cannot be reached is named in one line, with no advice to reinstall.
expect 1 'cannot open the display ":4711" (DISPLAY)' env DISPLAY=:4711 "$program"
[ "$(DISPLAY=:4711 "$program" 2>&1 | wc -l)" = 1 ] || { echo "FAIL: more than one line for an unreachable display"; status=1; }
# Where the sheets are kept is where the README says.
expect 0 "kept sheets: .*/Quorvel/Quorvel/autosave" env HOME=/nonexistent-home XDG_DATA_HOME= "$program" --data-paths
exit $status
