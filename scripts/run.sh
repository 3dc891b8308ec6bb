#!/usr/bin/env bash
# Builds Quorva and runs the program from its program folder. Without a
# display the program says so and points at quorva-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/bin/quorva "$@"
