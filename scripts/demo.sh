#!/usr/bin/env bash
# Builds Quorva, makes a short demonstration clip and turns it into a DVD disc
# image with quorva-cli; prints where the image is.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
DEMO="${DEMO_FOLDER:-$PWD/build/demo}"
mkdir -p "$DEMO"
ffmpeg -y -loglevel error -f lavfi -i "testsrc2=size=640x360:rate=25:duration=10" \
  -f lavfi -i "sine=frequency=440:duration=10" -c:v mpeg4 -q:v 3 -c:a libmp3lame "$DEMO/demo clip.avi"
image=$(./build/bin/quorva-cli make --iso --yes --label QUORVA_DEMO --working-folder "$DEMO/work" \
  "$DEMO/demo clip.avi" | tail -n 1)
echo
echo "Disc image: $image"
