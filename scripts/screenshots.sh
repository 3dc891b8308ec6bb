#!/usr/bin/env bash
# Takes screenshots of the program's windows under Xvfb with openbox, at
# scale factors 1 and 1.5, with the skin off and on: the main window, the
# options dialog, the about box, the add-video page with five videos of
# several formats, the progress window before, during and after a job that
# writes a disc image, and the add-video page with a project whose video is
# missing. Works on a private copy of the program folder
# and a private home; build/bin and the user's settings stay untouched.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]   (default build/screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)
bin=$root/build/bin
[ -x "$bin/quorva" ] || { echo "build the program first (scripts/build.sh)" >&2; exit 1; }
command -v import >/dev/null || { echo "import is missing (scripts/install-deps.sh)" >&2; exit 1; }
. "$root/tests/x11/x11-session.sh"
x11_start "$bin" 1366x768

# Five short clips in the containers and codecs users bring.
clips=$X11_ROOT/clips
mkdir -p "$clips"
make_clip() {
  local name=$1
  shift
  ffmpeg -v error -y -f lavfi -i "testsrc=size=640x480:rate=25:duration=10" \
    -f lavfi -i "sine=frequency=440:duration=10" "$@" -shortest "$clips/$name"
}
make_clip "Holiday at the sea.avi" -c:v mpeg4 -c:a libmp3lame
make_clip "Birthday.mp4" -c:v libx264 -pix_fmt yuv420p -c:a aac
make_clip "Garden.mov" -c:v mpeg4 -c:a aac
make_clip "School play.wmv" -c:v wmv2 -c:a wmav2
make_clip "Old camcorder tape.mpg" -c:v mpeg2video -c:a mp2
videos=("$clips"/*)
# A project of three of them, the middle one gone.
project=$X11_ROOT/Holiday.quorva
cat >"$project" <<'END'
<?xml version="1.0" encoding="UTF-8"?>
<quorva-project version="1">
  <videos>
    <video path="clips/Garden.mov" />
    <video path="clips/Lost at sea.avi" />
    <video path="clips/Birthday.mp4" />
  </videos>
</quorva-project>
END

shot() {  # shot WINDOW NAME: the window as it shows, frame included
  import -window root -crop "$(x11_frame "$1")" +repage "$out/$2.png" 2>/dev/null ||
    import -window root "$out/$2.png"
  echo "  $2.png"
}
x11_frame() {  # the window with its frame as an import crop geometry
  xwininfo -id "$1" -frame | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%dx%d+%d+%d", w, h, x, y}'
}
screen() {  # screen NAME: the whole screen
  import -window root "$out/$1.png"
  echo "  $1.png"
}
# other_window KNOWN...: a visible top-level window whose title is none of
# these (a message box), waiting up to $WAIT seconds.
other_window() {
  local tries=$((WAIT * 2)) id title known
  while [ "$tries" -gt 0 ]; do
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      title=$(xdotool getwindowname "$id" 2>/dev/null) || continue
      known=0
      for k in "$@"; do [ "$title" = "$k" ] && known=1; done
      [ "$known" = 0 ] && [ -n "$title" ] && { echo "$id"; return 0; }
    done
    tries=$((tries - 1))
    sleep 0.5
  done
  return 1
}
# click_at WINDOW FX FY: a click at that fraction of the window's size, for
# a button without a mnemonic.
click_at() {
  local x y
  read -r x y < <(xwininfo -id "$1" | awk -v fx="$2" -v fy="$3" '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%d %d\n", x + w * fx, y + h * fy}')
  xdotool mousemove --sync "$x" "$y" click 1
}
stop_program() {
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
}

for scale in 1 1.5; do
  for skin in no yes; do
    tag="scale${scale}-skin-${skin}"
    echo "$tag"
    export QT_SCALE_FACTOR=$scale
    sed -i "s/LOAD_SKIN=\"[^\"]*\"/LOAD_SKIN=\"$skin\"/" "$X11_BIN/p0.data"
    rm -rf "$XDG_CONFIG_HOME/quorva" "$HOME/Videos"

    # The main window, the options, the about box.
    "$X11_BIN/quorva" >>"$X11_ROOT/quorva.log" 2>&1 &
    program=$!
    X11_PIDS+=($program)
    main=$(x11_window Quorva 30) || x11_fail "the main window did not show"
    sleep 0.5
    shot "$main" "main-$tag"
    x11_key "$main" alt+o
    options=$(x11_window Options) || x11_fail "Alt+O did not open the options"
    sleep 0.3
    shot "$options" "options-$tag"
    x11_key "$options" Escape
    x11_wait_for 5 x11_viewable "$main"
    x11_key "$main" alt+h
    sleep 0.5
    xdotool key a
    if about=$(x11_window "About Quorva" 5); then
      sleep 0.3
      shot "$about" "about-$tag"
      x11_key "$about" Escape
    else
      echo "  (no about box)"
    fi
    stop_program

    # The add page with the five videos from the command line, then the
    # progress window through a whole job to a disc image.
    "$X11_BIN/quorva" "${videos[@]}" >>"$X11_ROOT/quorva.log" 2>&1 &
    program=$!
    X11_PIDS+=($program)
    add=$(x11_window "Add video" 40) || x11_fail "the add page did not open with the videos"
    WAIT=3 other_window Quorva "Add video" >/dev/null || true  # the probing window, if any
    x11_wait_for 30 sh -c "[ \$(xdotool search --onlyvisible --name '.' | wc -l) -le 2 ]" || true
    sleep 1
    shot "$add" "add-$tag"
    x11_key "$add" alt+n
    if ! progress=$(WAIT=5 other_window Quorva "Add video"); then
      click_at "$add" 0.74 0.85  # the Next button's place in the design
      progress=$(WAIT=10 other_window Quorva "Add video") || x11_fail "Next did not open the progress window"
    fi
    sleep 0.5
    progress_title=$(xdotool getwindowname "$progress")
    shot "$progress" "progress-idle-$tag"
    x11_key "$progress" alt+s
    sleep 2
    shot "$progress" "progress-busy-$tag"
    # The end: a box that says what was made, or else the finished image.
    box=""
    for _ in $(seq 300); do
      box=$(WAIT=1 other_window Quorva "Add video" "$progress_title") && break
      box=""
      image=$(find "$HOME" -name '*.iso' 2>/dev/null | head -n1)
      if [ -n "$image" ]; then
        size=$(stat -c %s "$image")
        sleep 2
        [ "$size" = "$(stat -c %s "$image")" ] && break
      fi
    done
    sleep 0.5
    screen "progress-end-$tag"
    if [ -n "$box" ]; then
      x11_key "$box" Return
      sleep 1
      shot "$progress" "progress-after-$tag"
    fi
    find "$HOME" -name '*.iso' -delete 2>/dev/null || true
    stop_program

    # The project from the command line: its missing video keeps its row.
    "$X11_BIN/quorva" "$project" >>"$X11_ROOT/quorva.log" 2>&1 &
    program=$!
    X11_PIDS+=($program)
    add=$(x11_window "Add video" 40) || x11_fail "the add page did not open with the project"
    x11_wait_for 30 sh -c "[ \$(xdotool search --onlyvisible --name '.' | wc -l) -le 2 ]" || true
    sleep 1
    shot "$add" "add-project-$tag"
    stop_program
  done
done
echo "screenshots in $out"
