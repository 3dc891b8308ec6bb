#!/usr/bin/env bash
# Builds Quorva and runs the program from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): Quorva's window needs one."
  echo "Without a screen, use the command line: ./build/bin/quorva-cli --help"
  echo "(for example: ./build/bin/quorva-cli make --iso VIDEO...)."
  echo "Running the program's start-up and shutdown headless now."
fi
exec ./build/bin/quorva "$@"
