#!/usr/bin/env bash
# Under a real X server: the main window's class is the desktop entry's id
# and its StartupWMClass, so that docks put the window under its launcher.
# Usage: WindowClassTest.sh PROGRAM_FOLDER DESKTOP_ENTRY
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"
x11_start "$1"
entry=$2
id=$(basename "$entry" .desktop)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$startup_class" = "$id" ] || x11_fail "StartupWMClass is \"$startup_class\", not $id"

"$X11_BIN/quorva" >"$X11_ROOT/quorva.log" 2>&1 &
X11_PIDS+=($!)
main=$(x11_window Quorva 20) || x11_fail "the main window did not show"
class=$(xprop -id "$main" WM_CLASS)
[[ $class == *", \"$id\"" ]] || x11_fail "the main window's class: $class"
echo "ok: $class"
