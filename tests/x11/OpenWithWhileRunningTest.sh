#!/usr/bin/env bash
# Under a real X server: "Open with" (the program started with a file) while
# the program already runs with its add-video page open hands the file to the
# running copy, which adds it to the page's list; the second start ends at
# at once without a message box. Saving the project (Ctrl+S, by keys) shows the list.
# Usage: OpenWithWhileRunningTest.sh PROGRAM_FOLDER
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"
x11_start "$1"

for name in first second; do
  ffmpeg -v error -f lavfi -i testsrc=size=160x120:duration=1 -c:v mpeg4 "$X11_ROOT/$name.avi"
done
"$X11_BIN/quorva" "$X11_ROOT/first.avi" >"$X11_ROOT/quorva.log" 2>&1 &
program=$!
X11_PIDS+=($program)
add=$(x11_window "Add video" 20) || x11_fail "the add page did not open with the first video"
sleep 2  # the first video is probed and listed

status=0
timeout 20 "$X11_BIN/quorva" "$X11_ROOT/second.avi" >"$X11_ROOT/second.log" 2>&1 || status=$?
[ "$status" -ne 124 ] || x11_fail "the second start did not end: $(cat "$X11_ROOT/second.log")"
x11_window "Info" 1 && x11_fail "the second start still says the program is running"
sleep 2  # the second video is probed and listed

project=$X11_ROOT/both.quorva
x11_key "$add" ctrl+s
save=$(x11_window "Save project" 10) || x11_fail "Ctrl+S did not open the save dialog"
xdotool type --delay 20 "$project"
x11_key "$save" Return
x11_wait_for 10 test -s "$project" || x11_fail "the project was not saved"
grep -q "first.avi" "$project" || x11_fail "the first video is not in the list: $(cat "$project")"
grep -q "second.avi" "$project" ||
  x11_fail "the handed-over video is not in the list: $(cat "$project")"
echo "ok: the video of the second start joined the open page's list"
