# Shared by the scripts that drive the program under a real X server:
# a private Xvfb with the openbox window manager, a private copy of the
# program folder and private home, config, state, runtime and temp folders,
# so the user's own settings and display are never touched.
#
# Source it, then call x11_start PROGRAM_FOLDER [WIDTHxHEIGHT]; everything it
# made goes away when the calling script exits.

X11_PIDS=()
X11_ROOT=""

x11_cleanup() {
  local pid
  for pid in "${X11_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${X11_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  [ -n "$X11_ROOT" ] && rm -rf "$X11_ROOT"
}
trap x11_cleanup EXIT

x11_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
x11_wait_for() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# x11_start PROGRAM_FOLDER [SCREEN]: Xvfb on a free display, openbox, and
# $X11_BIN, a copy of the program folder (its product settings may be
# changed, for example LOAD_SKIN).
x11_start() {
  local source=$1 screen=${2:-1280x1024}
  for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || x11_fail "$tool is missing (scripts/install-deps.sh installs it)"
  done
  X11_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/quorva-x11.XXXXXX")
  export HOME=$X11_ROOT/home XDG_CONFIG_HOME=$X11_ROOT/home/.config
  export XDG_STATE_HOME=$X11_ROOT/home/.local/state XDG_DATA_HOME=$X11_ROOT/home/.local/share
  export XDG_RUNTIME_DIR=$X11_ROOT/run TMPDIR=$X11_ROOT/tmp
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_DATA_HOME" "$TMPDIR"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"

  X11_BIN=$X11_ROOT/bin
  mkdir -p "$X11_BIN"
  cp -r "$source"/. "$X11_BIN"/
  rm -rf "$X11_BIN/Work" "$X11_BIN/screenshots"
  # Results go to the private home's videos folder, whatever the shipped
  # options of a development build say.
  sed -i 's/WORKING_FOLDER="[^"]*"/WORKING_FOLDER=""/' "$X11_BIN/options.data"

  # Xvfb picks a free display itself and tells which on a pipe.
  local number=$X11_ROOT/display
  exec 7>"$number"
  Xvfb -displayfd 7 -screen 0 "${screen}x24" -nolisten tcp >"$X11_ROOT/xvfb.log" 2>&1 &
  X11_PIDS+=($!)
  exec 7>&-
  x11_wait_for 10 test -s "$number" || x11_fail "Xvfb did not start: $(cat "$X11_ROOT/xvfb.log")"
  export DISPLAY=:$(head -n1 "$number")
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY

  openbox --sm-disable >"$X11_ROOT/openbox.log" 2>&1 &
  X11_PIDS+=($!)
  x11_wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    x11_fail "openbox did not start: $(cat "$X11_ROOT/openbox.log")"
}

# x11_window TITLE [SECONDS]: the id of the visible top-level window with
# exactly that title, waiting for it to show.
x11_window() {
  local title=$1 seconds=${2:-10} id=""
  local tries=$((seconds * 10))
  while [ "$tries" -gt 0 ]; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    tries=$((tries - 1))
    sleep 0.1
  done
  return 1
}

# x11_viewable WINDOW: the window is mapped and shows on the screen.
x11_viewable() {
  xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"
}

# x11_place WINDOW: its position on the screen, "x,y".
x11_place() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                          END {print x "," y}'
}

# x11_key WINDOW KEY...: focuses the window and types the keys to it.
x11_key() {
  local window=$1
  shift
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers "$@"
}
