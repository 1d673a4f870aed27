#!/usr/bin/env bash
# The program's command line: --help and --version answer and end, a wrong option is an
# error with exit code 2, and without a display the program says so in one line (exit 1).
# The season book's exports run without any display: the CSV files read back, the HTML
# report has its pages, the PDF book its pages.
#   check-command-line.sh <program> <quorvel-seasongen>
set -uo pipefail
program=$1
seasongen=$2
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

# The season export, with no display at all.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
headless() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$@"; }
"$seasongen" --games 40 --teams 6 --seed 3 "$work/season" || { echo "FAIL: seasongen"; status=1; }
echo '{"format": "quorvel-game"' > "$work/season/broken.quorvel"
expect 0 "skipped broken.quorvel" headless "$program" --season "$work/season" --export-csv "$work/out/csv" --type all
header() { head -n 1 "$work/out/csv/$1" | tr -d '\r'; }
[ "$(header standings.csv)" = "division,team,G,W,L,T,PCT,GB,homeW,homeL,roadW,roadL,L10W,L10L,STRK,RS,RA,DIFF,pythW,pythL" ] \
  || { echo "FAIL: standings.csv header: $(header standings.csv)"; status=1; }
for file in batting pitching games battinglog pitchinglog checks; do
  [ -s "$work/out/csv/$file.csv" ] || { echo "FAIL: no $file.csv"; status=1; }
done
# Every game of every kind is listed, and every team once, with a PCT of three places and GB of one.
[ "$(tail -n +2 "$work/out/csv/games.csv" | wc -l)" = 40 ] || { echo "FAIL: games.csv has not 40 games"; status=1; }
[ "$(tail -n +2 "$work/out/csv/standings.csv" | wc -l)" = 6 ] || { echo "FAIL: standings.csv has not 6 teams"; status=1; }
tail -n +2 "$work/out/csv/standings.csv" | tr -d '\r' | awk -F, '$7 !~ /^[01]\.[0-9][0-9][0-9]$/ || $8 !~ /^[0-9]+\.[05]$/ { bad = 1 } END { exit bad }' \
  || { echo "FAIL: PCT or GB badly written"; status=1; }
grep -q "^broken.quorvel,," "$work/out/csv/checks.csv" || { echo "FAIL: the broken file is not in checks.csv"; status=1; }
expect 1 "cannot be read" headless "$program" --season "$work/nowhere" --export-csv "$work/out2"
[ "$(headless "$program" --season "$work/nowhere" --export-csv "$work/out2" 2>&1 | wc -l)" = 1 ] \
  || { echo "FAIL: a missing season folder takes more than one line"; status=1; }
expect 1 "could not be made" headless "$program" --season "$work/season" --export-csv "$work/season/broken.quorvel/csv"
expect 2 "--type" headless "$program" --season "$work/season" --export-csv "$work/out3" --type spring
expect 2 "needs the season" headless "$program" --export-csv "$work/out4"
# Without anything to write, --season opens the season book: a window, so a display is needed.
expect 1 "no graphical display" headless "$program" --season "$work/season"
expect 2 "needs the season" headless "$program" --export-html "$work/out4"

# The report for the league and the printed book, both at once, with no display: the broken
# file is named once, every game has its page, and the book is a PDF of several pages.
out=$(headless "$program" --season "$work/season" --export-html "$work/report" --export-pdf "$work/book.pdf" --type all 2>&1)
got=$?
[ "$got" = 0 ] || { echo "FAIL: --export-html and --export-pdf gave exit $got: $out"; status=1; }
[ "$(grep -c "skipped broken.quorvel" <<<"$out")" = 1 ] || { echo "FAIL: the broken file is not named once: $out"; status=1; }
for file in index.html games.html style.css; do
  [ -s "$work/report/$file" ] || { echo "FAIL: the report has no $file"; status=1; }
done
[ "$(ls "$work/report/games" | wc -l)" = 40 ] || { echo "FAIL: the report has not 40 game pages"; status=1; }
[ "$(ls "$work/report/teams" | wc -l)" = 6 ] || { echo "FAIL: the report has not 6 team pages"; status=1; }
! grep -q "<script" "$work/report/index.html" || { echo "FAIL: index.html runs a script"; status=1; }
head -c 5 "$work/book.pdf" | grep -q "%PDF-" || { echo "FAIL: book.pdf is no PDF"; status=1; }
if command -v pdfinfo >/dev/null; then
  pages=$(pdfinfo "$work/book.pdf" | awk '/^Pages:/ { print $2 }')
  [ "${pages:-0}" -gt 8 ] || { echo "FAIL: book.pdf has ${pages:-no} pages"; status=1; }
fi
# A folder holding a page of the user's own is not written over; a report's own folder is.
mkdir -p "$work/mine" && echo "<p>my own page</p>" > "$work/mine/index.html"
expect 1 "no season report" headless "$program" --season "$work/season" --export-html "$work/mine"
grep -q "my own page" "$work/mine/index.html" || { echo "FAIL: the user's own index.html was replaced"; status=1; }
expect 0 "" headless "$program" --season "$work/season" --export-html "$work/report" --type all
# An output that cannot be written is one sentence and exit 1.
expect 1 "could not be made" headless "$program" --season "$work/season" --export-html "$work/season/broken.quorvel/html"
expect 1 "could not be written" headless "$program" --season "$work/season" --export-pdf "$work/nowhere/book.pdf"
[ "$(headless "$program" --season "$work/season" --export-pdf "$work/nowhere/book.pdf" 2>&1 | grep -vc "skipped")" = 1 ] \
  || { echo "FAIL: an unwritable PDF takes more than one line"; status=1; }
expect 1 "cannot be read" headless "$program" --season "$work/nowhere" --export-pdf "$work/book2.pdf"
exit $status
