#!/usr/bin/env bash
# Installs the packages, configures and builds Quorva into build/ (program folder build/bin/).
# QUORVA_WERROR=ON in the environment makes every compiler warning an error (CI).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVA_WERROR="${QUORVA_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
