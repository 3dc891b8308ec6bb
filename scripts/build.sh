#!/usr/bin/env bash
# Installs the packages, configures and builds Quorva into build/ (program folder build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
