#!/usr/bin/env bash
# Disc checker benchmark: "quorva-cli check" on a 14-video disc (two root-menu
# pages), folder and image, next to lsdvd reading the same disc's titles and
# chapters. The target for the checker is well under one second.
#
#   bench/discchecker/check_bench.sh [build-dir] [runs]
set -euo pipefail
BUILD=$(cd "${1:-$(dirname "$0")/../../build}" && pwd)
RUNS=${2:-5}
BIN="$BUILD/bin"
WORK=$(mktemp -d /tmp/quorva-check-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

echo "Making a 14-video disc ..."
ffmpeg -loglevel error -f lavfi -i "testsrc=size=320x240:rate=25:duration=1" \
  -f lavfi -i "sine=frequency=440:duration=1" -c:v mpeg4 -c:a libmp3lame a.avi
ffmpeg -loglevel error -f lavfi -i "testsrc2=size=320x240:rate=25:duration=1.5" \
  -c:v mpeg4 b.avi
videos=()
for i in $(seq 7); do videos+=(a.avi b.avi); done
"$BIN/quorva-cli" make --iso --yes --label BENCH --working-folder "$WORK/work" "${videos[@]}" \
  >make.log 2>&1 || { cat make.log; exit 1; }
IMAGE=$(tail -n 1 make.log)
FOLDER="$WORK/work/DVD_1"

# Best wall time of RUNS runs of a command, in milliseconds.
best_ms() {
  local best=""
  for _ in $(seq "$RUNS"); do
    local start end ms
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    ms=$(((end - start) / 1000000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

"$BIN/quorva-cli" check --label BENCH "$IMAGE" | tail -n 3
check_folder=$(best_ms "$BIN/quorva-cli" check "$FOLDER")
check_image=$(best_ms "$BIN/quorva-cli" check --label BENCH "$IMAGE")
lsdvd_image=$(best_ms lsdvd -x "$IMAGE")
echo "quorva-cli check, folder: ${check_folder} ms (best of $RUNS)"
echo "quorva-cli check, image:  ${check_image} ms (best of $RUNS)"
echo "lsdvd -x, image:          ${lsdvd_image} ms (best of $RUNS, titles and chapters only)"
