#!/usr/bin/env bash
# Under a real X server with a window manager: the pages opened from the main
# window (Options with Alt+O, the add-video page with Alt+C) close with
# Escape back into the main window, which shows again in the same place while
# the program keeps running; the close box then ends the program cleanly.
# Plain and skinned: the skin's captions carry the same mnemonics.
# Usage: PagesReturnToMainWindowTest.sh PROGRAM_FOLDER
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"
x11_start "$1"

# page KEY TITLE: opens the page with KEY, closes it with Escape, and checks
# the main window came back.
page() {
  local key=$1 title=$2 window
  x11_key "$main" "$key"
  window=$(x11_window "$title") || x11_fail "$key did not open \"$title\""
  x11_viewable "$main" && x11_fail "the main window stayed visible under \"$title\""
  x11_key "$window" Escape
  x11_wait_for 5 x11_viewable "$main" ||
    x11_fail "the main window did not come back after \"$title\" closed"
  kill -0 "$program" 2>/dev/null || x11_fail "the program ended when \"$title\" closed"
  [ "$(x11_place "$main")" = "$place" ] ||
    x11_fail "the main window moved from $place to $(x11_place "$main") after \"$title\""
  echo "ok: \"$title\" closed with Escape, main window back at $place"
}

for skin in no yes; do
  echo "LOAD_SKIN=$skin"
  sed -i "s/LOAD_SKIN=\"[^\"]*\"/LOAD_SKIN=\"$skin\"/" "$X11_BIN/p0.data"
  "$X11_BIN/quorva" >"$X11_ROOT/quorva.log" 2>&1 &
  program=$!
  X11_PIDS+=($program)

  main=$(x11_window Quorva 20) || x11_fail "the main window did not show"
  place=$(x11_place "$main")
  page alt+o Options
  page alt+c "Add video"
  page alt+o Options

  # The close box (Alt+F4 in openbox) ends the program with success.
  x11_key "$main" alt+F4
  x11_wait_for 10 sh -c "! kill -0 $program" || x11_fail "the program did not end on its close box"
  status=0
  wait "$program" || status=$?
  [ "$status" -eq 0 ] || x11_fail "the program ended with status $status: $(cat "$X11_ROOT/quorva.log")"
  echo "ok: the close box ended the program with status 0"
done

# A request to end the program (logout, kill) while the add page holds a
# video ends it cleanly: nobody is asked whether to discard the list.
clip=$X11_ROOT/clip.avi
ffmpeg -v error -f lavfi -i testsrc=size=160x120:duration=1 -c:v mpeg4 "$clip"
"$X11_BIN/quorva" "$clip" >"$X11_ROOT/quorva.log" 2>&1 &
program=$!
X11_PIDS+=($program)
add=$(x11_window "Add video" 20) || x11_fail "the add page did not open with the video"
sleep 2  # the video is probed and listed
kill -TERM "$program"
x11_wait_for 10 sh -c "! kill -0 $program" || x11_fail "SIGTERM did not end the program with a listed video"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || x11_fail "SIGTERM ended the program with status $status"
echo "ok: SIGTERM ended the program with a listed video, status 0"
