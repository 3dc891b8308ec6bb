#!/usr/bin/env bash
# Builds Quorva and its Debian package: build/quorva_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd build
cpack -G DEB
ls -1 "$PWD"/quorva_*.deb
