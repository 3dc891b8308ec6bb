#!/usr/bin/env bash
# Under a real X server: the crash reporter shows its apology in a window
# (not only on standard error), naming the folder the crash file is in;
# Return closes it.
# Usage: CrashReportWindowTest.sh PROGRAM_FOLDER
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"
x11_start "$1"

dump=$XDG_STATE_HOME/quorva/crash.dmp
"$X11_BIN/quorva-crash-report" apology "$dump" 2>"$X11_ROOT/report.log" &
reporter=$!
X11_PIDS+=($reporter)
box=$(x11_window "Product crash" 10) || x11_fail "the apology shows no window"
grep -q "in the folder $XDG_STATE_HOME/quorva named \"crash.dmp\"" "$X11_ROOT/report.log" ||
  x11_fail "the apology does not name the crash file's folder: $(cat "$X11_ROOT/report.log")"
x11_key "$box" Return
x11_wait_for 10 sh -c "! kill -0 $reporter" || x11_fail "Return did not close the apology"
echo "ok: the apology shows in a window and names the crash file's folder"
