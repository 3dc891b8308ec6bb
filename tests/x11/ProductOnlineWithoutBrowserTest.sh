#!/usr/bin/env bash
# Under a real X server without a web browser: Help > Product Online (by
# keys) says that no browser could be opened instead of doing nothing,
# although xdg-open itself starts (it then finds nothing to open the page).
# Usage: ProductOnlineWithoutBrowserTest.sh PROGRAM_FOLDER
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"
command -v xdg-open >/dev/null || x11_fail "xdg-open is missing (scripts/install-deps.sh installs it)"
x11_start "$1"
export BROWSER=""

"$X11_BIN/quorva" >"$X11_ROOT/quorva.log" 2>&1 &
program=$!
X11_PIDS+=($program)
main=$(x11_window Quorva 20) || x11_fail "the main window did not show"

# Alt+H opens the Help menu; its last item is Product Online.
x11_key "$main" alt+h
sleep 0.5
xdotool key --clearmodifiers Up Return
two_windows() { [ "$(xdotool search --onlyvisible --name '^Quorva$' 2>/dev/null | wc -l)" -ge 2 ]; }
x11_wait_for 15 two_windows || x11_fail "Product Online failed without a word"
echo "ok: Product Online without a browser says so"
