#!/usr/bin/env bash
# Whole-job benchmark: quorva-cli make against the shell pipeline of the
# ffmpeg, spumux and dvdauthor programs doing the same work at the same
# settings, on generated clips of the formats users bring (one long H.264
# clip and three short ones: xvid avi, wmv2 asf, msmpeg4 avi at 10 fps).
# The two sides run alternately, so that a change of load hits both.
#
#   bench/job/job_bench.sh [options]
#     --build DIR     build folder (default: the one beside this script)
#     --runs N        alternating runs of each side (default 3)
#     --long S        length of the long clip in seconds (default 80)
#     --short S       length of each short clip (default 16)
#     --only-long     just the long clip (one video alone)
#     --clip FILE     just this video instead of generated ones
#     --jobs N        passed on to quorva-cli make
#     --no-floor      skip the engine's encode of raw frames
#
# For each run it prints wall time, CPU use ((user + sys) / wall) and CPU
# seconds over the whole job and during the conversions, and peak memory (the
# largest process); then the ratio of the two sides. CPU seconds compare the
# work of the two sides even while other programs load the machine. The floor is the engine encoding
# raw 720x480 frames (no decoding or scaling), scaled to the job's frames.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
BUILD="$HERE/../../build"
RUNS=3
LONG=80
SHORT=16
ONLY_LONG=0
GIVEN=""
JOBS=()
FLOOR=1
while [ $# -gt 0 ]; do
  case $1 in
    --build) BUILD=$2; shift 2 ;;
    --runs) RUNS=$2; shift 2 ;;
    --long) LONG=$2; shift 2 ;;
    --short) SHORT=$2; shift 2 ;;
    --only-long) ONLY_LONG=1; shift ;;
    --clip) GIVEN=$(realpath "$2"); shift 2 ;;
    --jobs) JOBS=(--jobs "$2"); shift 2 ;;
    --no-floor) FLOOR=0; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
BUILD=$(cd "$BUILD" && pwd)
BIN="$BUILD/bin"
TICK=$(getconf CLK_TCK)
WORK=$(mktemp -d /tmp/quorva-job-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
# quorva-cli keeps its options per user: this run gets a home of its own.
export XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state"

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
if [ -n "$GIVEN" ]; then
  CLIPS=("$GIVEN")
else
echo "Generating clips ..."
gen() { ffmpeg -nostdin -loglevel error -y "$@"; }
# Detail and motion close to camera footage: a moving pattern with light grain.
src() { echo "testsrc2=size=$1:rate=$2:duration=$3,noise=alls=4:allf=t"; }
gen -f lavfi -i "$(src 960x540 25 "$LONG")" -f lavfi -i "sine=frequency=440:duration=$LONG" \
  -c:v libx264 -preset veryfast -crf 23 -pix_fmt yuv420p -c:a aac -b:a 128k long.mp4
CLIPS=("$WORK/long.mp4")
if [ "$ONLY_LONG" = 0 ]; then
  gen -f lavfi -i "$(src 640x480 25 "$SHORT")" -f lavfi -i "sine=frequency=550:duration=$SHORT" \
    -c:v libxvid -q:v 4 -vtag XVID -c:a libmp3lame -b:a 128k xvid.avi
  gen -f lavfi -i "$(src 480x360 25 "$SHORT")" -f lavfi -i "sine=frequency=660:duration=$SHORT" \
    -c:v wmv2 -b:v 1200k -c:a wmav2 -b:a 128k wmv2.wmv
  gen -f lavfi -i "$(src 352x288 10 "$SHORT")" -f lavfi -i "sine=frequency=770:duration=$SHORT" \
    -c:v msmpeg4 -b:v 800k -c:a libmp3lame -b:a 96k msmpeg4.avi
  CLIPS+=("$WORK/xvid.avi" "$WORK/wmv2.wmv" "$WORK/msmpeg4.avi")
fi
fi
PLAY=$(for c in "${CLIPS[@]}"; do
  ffprobe -v error -show_entries format=duration -of csv=p=0 "$c"
done | awk '{s += $1} END {printf "%.1f", s}')
echo "${#CLIPS[@]} clips, ${PLAY} s of video"

# The settings of the job: NTSC 16:9, quality level 1 (5000 kbit/s).
RATE=5000
ENC=(-c:v mpeg2video -b:v ${RATE}k -maxrate ${RATE}k -bufsize 1835k -g 18 -bf 2
  -non_linear_quant 1 -qmax 28 -c:a ac3 -b:a 192k -ar 48000 -ac 2
  -f dvd -muxrate 10080000 -packetsize 2048)
FIT="scale=720:480:force_original_aspect_ratio=decrease:flags=bicubic,pad=720:480:(ow-iw)/2:(oh-ih)/2"
FIT+=",setsar=32/27,fps=30000/1001,format=yuv420p"

# CPU ticks (user + sys) of a process and its waited-for children, into
# TICKS. Builtins only: the polling below must not itself take CPU time from
# what it measures.
cpu_of() {
  local stat
  TICKS=0
  { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 0
  set -- ${stat##*) }
  TICKS=$(( ${12} + ${13} + ${14} + ${15} ))
}
# A pause without starting a program: a read that times out on a pipe no one
# writes to.
mkfifo "$WORK/pause"
exec {PAUSE}<>"$WORK/pause"
pause() { read -r -t "$1" -u "$PAUSE" _ || true; }

# Runs a command under GNU time; sets T_WALL, T_CPU (percent), T_SEC (CPU
# seconds), T_MB and, when a conversion-end test is given, C_WALL, C_CPU and
# C_SEC for the time before it. With a conversion-start test as well, S_CPU is
# the CPU use from the moment it holds to the end of the conversions (the
# conversion stage alone, without reading the videos first).
timed() {
  local label=$1 done_test=$2 start_test=$3; shift 3
  local start now="" pid ticks=0 stage_start="" stage_ticks=0
  C_WALL=""; C_CPU=""; C_SEC=""; S_CPU=""
  start=$EPOCHREALTIME
  /usr/bin/time -f "%e %U %S %M" -o "$WORK/$label.rusage" "$@" >"$WORK/$label.log" 2>&1 &
  pid=$!
  if [ -n "$done_test" ]; then
    # The conversions end when the test holds; their CPU is read from the
    # running process tree just then.
    local child
    while kill -0 "$pid" 2>/dev/null; do
      child=""
      { read -r child _ <"/proc/$pid/task/$pid/children"; } 2>/dev/null || true
      [ -n "$child" ] && cpu_of "$child" && ticks=$TICKS
      if [ -n "$start_test" ] && [ -z "$stage_start" ] && $start_test; then
        stage_start=$EPOCHREALTIME; stage_ticks=$ticks
      fi
      if $done_test; then
        now=$EPOCHREALTIME
        break
      fi
      pause 0.05
    done
    if [ -n "$now" ]; then
      C_WALL=$(echo "$now - $start" | bc -l)
      C_SEC=$(echo "$ticks / $TICK" | bc -l)
      C_CPU=$(echo "100 * $C_SEC / $C_WALL" | bc -l)
      [ -n "$stage_start" ] &&
        S_CPU=$(echo "100 * ($ticks - $stage_ticks) / $TICK / ($now - $stage_start)" | bc -l)
    fi
  fi
  wait "$pid" || { echo "$label failed:"; tail -20 "$WORK/$label.log"; exit 1; }
  read -r T_WALL user sys kb <"$WORK/$label.rusage"
  T_SEC=$(echo "$user + $sys" | bc -l)
  T_CPU=$(echo "100 * $T_SEC / $T_WALL" | bc -l)
  T_MB=$(echo "$kb / 1024" | bc -l)
}

# The streams in the working folder, whole and partial, into VOBS and PARTS.
streams() {
  shopt -s nullglob
  VOBS=("$WORK"/qwork/*.vob); PARTS=("$WORK"/qwork/*.part)
  shopt -u nullglob
}

quorva_converting() {
  # The conversion stage has begun when the first stream is being written.
  streams
  [ $((${#VOBS[@]} + ${#PARTS[@]})) -gt 0 ]
}

quorva_converted() {
  # Every clip's stream is whole (renamed from its partial name).
  streams
  [ "${#VOBS[@]}" -ge "${#CLIPS[@]}" ] && [ "${#PARTS[@]}" = 0 ]
}

run_quorva() {
  rm -rf "$WORK/qwork" "$WORK/config" "$WORK/state"
  mkdir -p "$WORK/qwork"
  timed quorva quorva_converted quorva_converting "$BIN/quorva-cli" make --quality 1 --aspect 16:9 --ntsc \
    --working-folder "$WORK/qwork" --yes "${JOBS[@]}" "${CLIPS[@]}"
  grep -q "DVD_1" "$WORK/quorva.log" || { echo "no DVD folder:"; cat "$WORK/quorva.log"; exit 1; }
}

pipeline() {
  set -e
  local n=0 vobs="" buttons=""
  for clip in "${CLIPS[@]}"; do
    n=$((n + 1))
    ffmpeg -nostdin -loglevel error -y -i "$clip" -vf "$FIT" -aspect 16:9 "${ENC[@]}" \
      "$WORK/pwork/p$n.vob"
    vobs+="<vob file=\"$WORK/pwork/p$n.vob\"/>"
    buttons+="<button>jump title 1 chapter $n;</button>"
  done
  touch "$WORK/pwork/converted"
  # The menu picture has two buttons; dvdauthor wants a command for each.
  [ $n -ge 2 ] || buttons+="<button>jump title 1;</button>"
  for m in title root; do
    ffmpeg -nostdin -loglevel error -y -loop 1 -framerate 30000/1001 -i "$BIN/Background.jpg" \
      -f lavfi -i anullsrc=r=48000:cl=stereo -frames:v 8 -t 0.27 -vf "$FIT" -aspect 16:9 \
      "${ENC[@]}" "$WORK/pwork/$m.mpg"
    cat >"$WORK/pwork/$m.xml" <<XML
<subpictures><stream><spu force="yes" start="00:00:00.00" image="$BIN/title_menu_normal.png"
 select="$BIN/title_menu_select.png" highlight="$BIN/title_menu_hover.png" autooutline="infer"
 outlinewidth="6" autoorder="rows"/></stream></subpictures>
XML
    spumux "$WORK/pwork/$m.xml" <"$WORK/pwork/$m.mpg" >"$WORK/pwork/$m-sp.mpg" 2>/dev/null
  done
  cat >"$WORK/pwork/project.xml" <<XML
<dvdauthor dest="$WORK/pwork/DVD"><vmgm><menus><video format="ntsc" aspect="16:9"/>
<pgc entry="title"><vob file="$WORK/pwork/title-sp.mpg" pause="inf"/>
<button>jump title 1;</button><button>jump titleset 1 menu;</button></pgc></menus></vmgm>
<titleset><menus><video format="ntsc" aspect="16:9"/><pgc entry="root">
<vob file="$WORK/pwork/root-sp.mpg" pause="inf"/>$buttons</pgc></menus>
<titles><video format="ntsc" aspect="16:9"/><pgc>$vobs<post>call vmgm menu;</post></pgc></titles>
</titleset></dvdauthor>
XML
  dvdauthor -x "$WORK/pwork/project.xml" 2>"$WORK/pwork/dvdauthor.log" || { tail -5 "$WORK/pwork/dvdauthor.log"; exit 1; }
}
export -f pipeline
export WORK BIN FIT
pipeline_converted() { [ -e "$WORK/pwork/converted" ]; }

run_pipeline() {
  rm -rf "$WORK/pwork"
  mkdir -p "$WORK/pwork"
  # Arrays do not pass through the environment: the pipeline gets them as text.
  timed programs pipeline_converted "" bash -c "CLIPS=($(printf '%q ' "${CLIPS[@]}"));
    ENC=($(printf '%q ' "${ENC[@]}")); pipeline"
}

printf '\n%-9s %4s %8s %8s %8s %8s %8s %9s %8s\n' side run "wall s" "CPU %" "CPU s" \
  "conv s" "conv CPU" "conv CPU s" "peak MB"
declare -a QW PW QM PM QC PC PCW QS PS QX
for ((r = 1; r <= RUNS; r++)); do
  for side in quorva programs; do
    if [ $side = quorva ]; then run_quorva; else run_pipeline; fi
    printf '%-9s %4d %8.2f %8.0f %8.2f %8.2f %8.0f %9.2f %8.0f\n' $side $r "$T_WALL" "$T_CPU" \
      "$T_SEC" "${C_WALL:-0}" "${C_CPU:-0}" "${C_SEC:-0}" "$T_MB"
    if [ $side = quorva ]; then
      QW+=("$T_WALL"); QM+=("$T_MB"); QC+=("${C_CPU:-0}"); QS+=("$T_SEC")
      QX+=("${S_CPU:-0}")
    else
      PW+=("$T_WALL"); PM+=("$T_MB"); PC+=("${C_CPU:-0}"); PCW+=("${C_WALL:-0}"); PS+=("$T_SEC")
    fi
  done
  printf '  run %d: ratio quorva/programs %.2f (to the ffmpeg conversions alone %.2f),' \
    "$r" "$(echo "${QW[-1]} / ${PW[-1]}" | bc -l)" "$(echo "${QW[-1]} / ${PCW[-1]}" | bc -l)"
  printf ' quorva CPU during conversion %.0f %% (conversion stage alone %.0f %%), peak %.0f MB,' \
    "${QC[-1]}" "${QX[-1]}" "${QM[-1]}"
  printf ' CPU seconds quorva/programs %.2f\n' "$(echo "${QS[-1]} / ${PS[-1]}" | bc -l)"
done
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
QMED=$(median "${QW[@]}"); PMED=$(median "${PW[@]}")
printf '\nmedian wall: quorva %.2f s, programs %.2f s, ratio %.2f\n' "$QMED" "$PMED" \
  "$(echo "$QMED / $PMED" | bc -l)"

if [ "$FLOOR" = 1 ]; then
  # The floor: the engine encoding frames that need no decoding or scaling.
  FLOOR_S=20
  gen -f lavfi -i "$(src 720x480 30000/1001 $FLOOR_S),setsar=32/27" -pix_fmt yuv420p raw.y4m
  out=$("$BUILD/bench/engine_bench" $FLOOR_S "$WORK/raw.y4m")
  engine_s=$(sed -n 's/^engine: status 0, \([0-9.]*\) s wall.*/\1/p' <<<"$out")
  ffmpeg_s=$(sed -n 's/^ffmpeg: status 0, \([0-9.]*\) s wall.*/\1/p' <<<"$out")
  printf 'floor: engine encodes %d s of raw 720x480 frames in %.2f s (ffmpeg %.2f s);\n' \
    $FLOOR_S "$engine_s" "$ffmpeg_s"
  printf '       for this job'"'"'s %.0f s of video that is %.2f s\n' "$PLAY" \
    "$(echo "$engine_s * $PLAY / $FLOOR_S" | bc -l)"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
