#!/usr/bin/env bash
# End to end: the real quilmo under xvfb-run, in a data folder, program folder, home and
# settings store of its own, driven with real keys and clicks from xdotool along three
# user roads:
#   creation  F5, a disc name, Enter: the catalogue of the folder mapped as drive E
#   GoTo      a catalogue line selected with three clicks, "GoTo", and a double click on
#             the file listed in FiL opens it with its associated program (a stub here)
#   search    words typed after F2, Enter, "Find Global", "Select ALL", "START": the
#             quick report holds a hit from each of two discs; "Saving..." answered NO
# Then the window is closed the way a session end closes it (SIGTERM, which the program
# turns into a normal close) and the files it left are checked.
#
# Controls are reached by the keys the program offers where it has them, else by their
# place in the window, which is fixed at this screen size with Qt's Fusion style. Waits poll for a file, the
# window's caption or a pixel's colour, each with a bound.
set -euo pipefail
quilmo=$1

if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "SKIP: xvfb-run is missing (Debian package xvfb), so the real window cannot be started"
  exit 77
fi
for tool in xdotool import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing (Debian packages xdotool, imagemagick), so the window cannot be driven"
    exit 77
  fi
done

unset DISPLAY XAUTHORITY  # never a display other than the virtual one
started=$SECONDS
here=$PWD
world=$(mktemp -d)
runner=""
road="start-up"
cleanup() {
  if [ -s "$world/pid" ] && kill -0 "$(cat "$world/pid")" 2>/dev/null; then kill -TERM "$(cat "$world/pid")"; fi
  if [ -n "$runner" ]; then wait "$runner" 2>/dev/null || true; fi
  rm -rf "$world"
}
trap cleanup EXIT

# A failure names its road and leaves a picture of the screen beside the test.
fail() {
  echo "FAIL ($road road): $*" >&2
  if [ -n "${DISPLAY:-}" ] && import -window root "$here/window_e2e_failure.png" 2>/dev/null; then
    echo "The screen at that moment: $here/window_e2e_failure.png" >&2
  fi
  exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds.
wait_until() {
  local tenths=$(($1 * 10))
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

mkdir -p "$world"/data "$world"/app "$world"/home "$world"/config/quilmo "$world"/disc
printf 'kamera,snap\r\n' > "$world/data/FTex.Lys"
# Drive E is the folder "disc", and E is the default disc drive.
printf '[Drives]\nE=%s\n' "$world/disc" > "$world/config/quilmo/quilmo-2016.conf"
printf 'E\r\n' > "$world/app/SSc.ini"
# Files of type txt open with a stub that records what it was given.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/opened.part" && mv "%s/opened.part" "%s/opened"\n' \
  "$world" "$world" "$world" > "$world/stub.sh"
chmod +x "$world/stub.sh"
printf 'txt %s\r\n' "$world/stub.sh" > "$world/data/QM.soc"

cd "$world/data"
export HOME="$world/home" XDG_CONFIG_HOME="$world/config" QUILMO_APP_FOLDER="$world/app"
# Qt's own style and colours, whatever the desktop around the test prefers: the places and
# colours below are theirs.
export QT_STYLE_OVERRIDE=Fusion
unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
xvfb-run -a -s "-screen 0 1366x768x24" \
  sh -c 'printf "%s\n%s\n" "$DISPLAY" "$XAUTHORITY" > "$2.part" && mv "$2.part" "$2"; "$0" & echo $! > "$1"; wait $!' \
  "$quilmo" "$world/pid" "$world/display" &
runner=$!

# Start-up has written QM.tmp on drive C (the home folder) by the time the window shows.
started_up() { [ -s "$world/pid" ] && [ -s "$world/display" ] && [ -f "$world/home/QM.tmp" ]; }
wait_until 10 started_up || fail "the window did not start (no QM.tmp in the home folder)"
DISPLAY=$(sed -n 1p "$world/display")
XAUTHORITY=$(sed -n 2p "$world/display")
export DISPLAY XAUTHORITY
window=""
find_window() { window=$(xdotool search --onlyvisible --name '^Quilmo 2016' 2>/dev/null | head -n 1) && [ -n "$window" ]; }
wait_until 5 find_window || fail "no window titled \"Quilmo 2016 []\" showed"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X and Y: where the window is on the screen

caption_is() { [ "$(xdotool getwindowname "$window")" = "$1" ]; }
# click_at X Y [CLICKS]: left clicks at a place of the window, quick enough to count as one
# double or triple click.
click_at() { xdotool mousemove --window "$window" "$1" "$2" click --repeat "${3:-1}" --delay 80 1; }
# The colour of one pixel of the window as RRGGBB.
colour_at() {
  import -window root -depth 8 -crop "1x1+$((X + $1))+$((Y + $2))" -format '%[hex:p{0,0}]' info: 2>/dev/null
}
colour_is() { [ "$(colour_at "$1" "$2")" = "$3" ]; }
# strip_has X Y WIDTH RRGGBB: some pixel of the row from (X,Y), WIDTH wide, has the colour.
# A highlight is found this way whichever font draws the letters over it.
# The pixels are read whole before grep: a grep that stopped at the first match would cut
# import off, and pipefail would take that for a failure.
strip_has() {
  local pixels
  pixels=$(import -window root -depth 8 -crop "${3}x1+$((X + $1))+$((Y + $2))" txt:- 2>/dev/null) &&
    grep -qi "#$4" <<<"$pixels"
}
colour_is_not() { [ "$(colour_at "$1" "$2")" != "$3" ]; }
same_bytes() { [ -f "$1" ] && cmp -s "$1" "$2"; }

# Colours are read above a line's text and right of a row's name; a selection is looked for
# along a strip of pixels, as letters may reach into any single one.
readonly SELECTED=308CC6  # the highlight of selected text and rows
readonly HEADING=000080   # the heading bar of the message panel MsG
readonly PANEL=ECECEC     # the face of a raised panel

# F5 puts the focus on the disc list TeX; a name and Enter build the disc in drive E.
create_disc() {
  local name=$1 expected=$2
  xdotool key F5
  xdotool type --delay 20 "$name"
  xdotool key Return
  wait_until 10 caption_is "Quilmo [$name.rtf ]" ||
    fail "the window did not show the new catalogue (caption: $(xdotool getwindowname "$window"))"
  same_bytes "$world/data/$name.rtf" "$expected" ||
    fail "$name.rtf does not hold the catalogue of drive E:"$'\n'"$(od -c "$world/data/$name.rtf" 2>&1 | head -20)"
  grep -qx "$name"$'\r' "$world/data/QM.tex" || fail "QM.tex does not list $name: $(od -c "$world/data/QM.tex")"
  [ ! -e "$world/app/File.List.Zub" ] || fail "the scan list File.List.Zub was left in the program folder"
}

creation_road() {
  road="creation"
  mkdir -p "$world/disc/DOCS/DEEP"
  echo hello > "$world/disc/a.txt"
  echo notes > "$world/disc/DOCS/notes.txt"
  echo deep > "$world/disc/DOCS/DEEP/deep.txt"
  printf '"E:\\","a.txt"\r\n"E:\\DOCS\\","notes.txt"\r\n"E:\\DOCS\\DEEP\\","deep.txt"\r\n3 files : 2 folders\r\n' \
    > "$world/Disc1.expected"
  create_disc Disc1 "$world/Disc1.expected"
}

# The view RtB shows Disc1's catalogue: its second line is "E:\DOCS\","notes.txt".
goto_road() {
  road="GoTo"
  click_at 300 142 3
  wait_until 3 strip_has 270 134 150 "$SELECTED" || fail "three clicks on the second catalogue line did not select it"
  click_at 131 674  # GoTo
  # FiL now lists E:\DOCS\: its only file is the first entry, "txt notes.txt".
  click_at 60 367 2
  wait_until 5 test -f "$world/opened" ||
    fail "a double click on FiL's first entry after \"GoTo\" started no program (is E:\\DOCS\\ listed?)"
  [ "$(cat "$world/opened")" = "$world/disc/DOCS/notes.txt" ] ||
    fail "the associated program was given \"$(cat "$world/opened")\", not $world/disc/DOCS/notes.txt"
  [ "$(cat "$world/app/ttt.ttt")" = "$world/stub.sh \"$world/disc/DOCS/notes.txt\""$'\r' ] ||
    fail "ttt.ttt holds \"$(cat "$world/app/ttt.ttt")\""
}

# A second disc in the same drive, then words that hit one file of each disc.
search_road() {
  road="search"
  rm -rf "${world:?}/disc/"*
  mkdir -p "$world/disc/PHOTOS"
  echo jpg > "$world/disc/PHOTOS/beach.jpg"
  printf '"E:\\PHOTOS\\","beach.jpg"\r\n1 files : 1 folders\r\n' > "$world/Disc2.expected"
  create_disc Disc2 "$world/Disc2.expected"

  xdotool key F2
  xdotool type --delay 20 'notes|beach'
  # With a catalogue in the view, Enter opens the find menu on "Find-F3"; two Tabs reach
  # "Find Global", which opens the search panel.
  xdotool key Return Tab Tab space
  wait_until 5 colour_is 900 400 "$PANEL" || fail "\"Find Global\" in the find menu did not open the search panel"
  click_at 345 598  # Select ALL
  wait_until 3 strip_has 350 172 200 "$SELECTED" || fail "\"Select ALL\" did not select the second disc"
  click_at 903 628  # START
  wait_until 10 colour_is 880 284 "$HEADING" || fail "the search did not end with the \"Saving Search Report\" question"
  printf '*Disc1* "E:\\DOCS\\","notes.txt"\r\n*Disc2* "E:\\PHOTOS\\","beach.jpg"\r\n' > "$world/QReport.expected"
  same_bytes "$world/app/QReport.rtf" "$world/QReport.expected" ||
    fail "the quick report holds:"$'\n'"$(cat "$world/app/QReport.rtf" 2>&1)"
  click_at 699 510  # NO (MsgC(1))
  wait_until 3 colour_is_not 880 284 "$HEADING" || fail "NO did not close the \"Saving Search Report\" question"
  [ -z "$(ls -A "$world/data/QReport" 2>/dev/null)" ] || fail "NO saved a report: $(ls "$world/data/QReport")"
}

creation_road
goto_road
search_road

road="close"
kill -TERM "$(cat "$world/pid")"
ended() { ! kill -0 "$(cat "$world/pid")" 2>/dev/null; }
wait_until 10 ended || fail "quilmo did not close within 10 s of SIGTERM"
status=0
wait "$runner" || status=$?
runner=""
[ "$status" -eq 0 ] || fail "quilmo ended with status $status"

# Data-folder names are matched without regard to case (QM.soc was written before start).
for name in QM.tex QM.mmd QM.SoC QM.EXL FTex.Lys; do
  ls "$world/data" | grep -qix "$name" || fail "$name is missing from the data folder"
done
[ -f "$world/app/SSc.ini" ] || fail "SSc.ini is missing from the program folder"
[ ! -e "$world/home/QM.tmp" ] || fail "QM.tmp was left in the home folder"
[ "$(od -An -c "$world/data/QM.tex" | tr -d ' \n')" = 'Disc1\r\nDisc2\r\n' ] ||
  fail "QM.tex holds $(od -An -c "$world/data/QM.tex")"
# The search words joined the history, which is kept sorted.
[ "$(od -An -c "$world/data/FTex.Lys" | tr -d ' \n')" = 'kamera\r\nnotes|beach\r\nsnap\r\n' ] ||
  fail "FTex.Lys holds $(od -An -c "$world/data/FTex.Lys")"
echo "PASS: creation, GoTo and search roads, then the window closed and left its file set ($((SECONDS - started)) s)"
