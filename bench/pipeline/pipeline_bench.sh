#!/usr/bin/env bash
# Whole-job benchmark: quorva-cli make on a few minutes of generated video,
# next to the same work done by the ffmpeg, spumux and dvdauthor programs.
#
#   bench/pipeline/pipeline_bench.sh [build-dir] [seconds-per-clip]
#
# Prints both wall times, their ratio and the peak memory of each side.
set -euo pipefail
BUILD=$(cd "${1:-$(dirname "$0")/../../build}" && pwd)
SECONDS_PER_CLIP=${2:-60}
BIN="$BUILD/bin"
WORK=$(mktemp -d /tmp/quorva-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

echo "Generating 3 clips of ${SECONDS_PER_CLIP}s ..."
ffmpeg -loglevel error -f lavfi -i "testsrc2=size=640x360:rate=25:duration=$SECONDS_PER_CLIP" \
  -f lavfi -i "sine=frequency=440:duration=$SECONDS_PER_CLIP" -c:v mpeg4 -q:v 4 -c:a libmp3lame a.avi
ffmpeg -loglevel error -f lavfi -i "life=size=480x270:rate=30000/1001:mold=10" \
  -f lavfi -i "sine=frequency=660:duration=$SECONDS_PER_CLIP" -t "$SECONDS_PER_CLIP" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac b.mp4
ffmpeg -loglevel error -f lavfi -i "smptehdbars=size=720x406:rate=24:duration=$SECONDS_PER_CLIP" \
  -c:v mpeg4 -q:v 4 c.mov

# Peak resident memory (kB) and wall seconds of a command, from GNU time's
# format if present, else bash's own timing.
run_timed() {
  local label=$1; shift
  local start end
  start=$(date +%s.%N)
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "%M" -o "$WORK/$label.mem" "$@" >"$WORK/$label.log" 2>&1
  else
    "$@" >"$WORK/$label.log" 2>&1
    echo "?" >"$WORK/$label.mem"
  fi
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l >"$WORK/$label.time"
}

echo "Quorva job (quorva-cli make) ..."
mkdir -p quorva-work
run_timed quorva "$BIN/quorva-cli" make --working-folder "$WORK/quorva-work" \
  "$WORK/a.avi" "$WORK/b.mp4" "$WORK/c.mov"

echo "Program pipeline (ffmpeg, spumux, dvdauthor) ..."
pipeline() {
  set -e
  local enc=(-c:v mpeg2video -s 720x480 -r 30000/1001 -aspect 16:9 -b:v 5000k -maxrate 5000k
             -bufsize 1835k -g 18 -c:a ac3 -b:a 192k -ar 48000 -ac 2 -f dvd -muxrate 10080000
             -packetsize 2048 -threads 2)
  for n in a b c; do
    local src; src=$(ls "$WORK"/$n.*)
    ffmpeg -loglevel error -y -i "$src" "${enc[@]}" "$WORK/p_$n.vob"
  done
  for m in title root; do
    ffmpeg -loglevel error -y -loop 1 -i "$BIN/Background.jpg" -f lavfi -i anullsrc=r=48000:cl=stereo \
      -frames:v 6 -t 0.2 -vf scale=720:480 "${enc[@]}" "$WORK/p_$m.m2v"
    cat >"$WORK/p_$m.xml" <<XML
<subpictures><stream><spu force="yes" start="00:00:00.00" image="$BIN/title_menu_normal.png"
 select="$BIN/title_menu_select.png" highlight="$BIN/title_menu_hover.png" autooutline="infer"
 outlinewidth="6" autoorder="rows"/></stream></subpictures>
XML
    spumux "$WORK/p_$m.xml" <"$WORK/p_$m.m2v" >"$WORK/p_$m.mpg" 2>/dev/null
  done
  cat >"$WORK/p_project.xml" <<XML
<dvdauthor dest="$WORK/p_DVD"><vmgm><menus><video format="ntsc"/><pgc entry="title">
<vob file="$WORK/p_title.mpg" pause="inf"/><button>jump title 1;</button>
<button>jump titleset 1 menu;</button></pgc></menus></vmgm>
<titleset><menus><video format="ntsc"/><pgc entry="root"><vob file="$WORK/p_root.mpg" pause="inf"/>
<button>jump title 1 chapter 1;</button><button>jump title 1 chapter 2;</button></pgc></menus>
<titles><pgc><vob file="$WORK/p_a.vob"/><vob file="$WORK/p_b.vob"/><vob file="$WORK/p_c.vob"/>
<post>call vmgm menu;</post></pgc></titles></titleset></dvdauthor>
XML
  dvdauthor -x "$WORK/p_project.xml" 2>/dev/null
}
export -f pipeline
export WORK BIN
run_timed programs bash -c pipeline

q=$(cat quorva.time); p=$(cat programs.time)
printf '\nquorva-cli make : %6.2f s  peak %s kB\n' "$q" "$(cat quorva.mem)"
printf 'program pipeline: %6.2f s  peak %s kB\n' "$p" "$(cat programs.mem)"
printf 'ratio (quorva / programs): %.2f  (target <= 1.10)\n' "$(echo "$q / $p" | bc -l)"
grep -q "DVD_1" quorva.log || { echo "quorva-cli failed:"; cat quorva.log; exit 1; }
