#!/usr/bin/env bash
# Builds Quorva and runs the program from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/bin/quorva "$@"
