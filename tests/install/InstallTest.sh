#!/usr/bin/env bash
# Installed into a fresh prefix (DESTDIR) with a read-only program folder, the
# programs work for an ordinary user of their own: quorva-cli makes a disc
# image in that user's videos folder, the user's options file is made and
# saved, the windowed program keeps the user's options across two runs, and nothing
# is written under the prefix. The desktop files pass their validators.
# Needs root (to create the user); skipped otherwise.
# Usage: InstallTest.sh BUILD_FOLDER
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: creating a test user needs root"
  exit 77
fi

root=$(mktemp -d /tmp/quorva-install-XXXXXX)
chmod 755 "$root"
user=quorva-test-$$
cleanup() {
  userdel "$user" 2>/dev/null || true
  chmod -R u+w "$root" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT

DESTDIR=$root/dest cmake --install "$build" --prefix /usr >/dev/null
prefix=$root/dest/usr
chmod -R a-w "$prefix/lib/quorva"
home=$root/home
useradd --home-dir "$home" --create-home --shell /bin/sh --user-group "$user"
snapshot() { (cd "$root/dest" && find . -printf '%p %s %m %T@\n' | sort | md5sum); }
before=$(snapshot)

# The user's own environment: no display, nothing of ours set.
as_user() { runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

ffmpeg -y -loglevel error -f lavfi -i testsrc=size=320x240:rate=25:duration=1 \
  -f lavfi -i sine=duration=1 -c:v mpeg4 -c:a libmp3lame "$root/clip.avi"
chmod 644 "$root/clip.avi"

out=$(as_user "$prefix/bin/quorva-cli" make --iso --yes "$root/clip.avi") || fail "make failed: $out"
image=$(tail -n 1 <<<"$out")
[[ $image == "$home/Videos/Quorva/"*.iso ]] || fail "image not in the videos folder: $image"
[ -s "$image" ] || fail "no image at $image"
[ "$(stat -c %U "$image")" = "$user" ] || fail "the image does not belong to $user"
lsdvd "$image" 2>/dev/null | grep -q "^Title: 01" || fail "the image holds no title"
options=$home/.config/quorva/options.data
[ -f "$options" ] || fail "no options file for the user"
grep -q 'FILENAME_SN="2"' "$options" || fail "the running number was not saved: $(cat "$options")"
grep -q 'WORKING_FOLDER=""' "$options" || fail "the default working folder was stored: $(cat "$options")"
echo "ok: quorva-cli made $image; options saved in $options"

# A changed option survives two runs of the windowed program (offscreen),
# which saves the options each time it is closed (here by a termination
# request, as at a logout).
catches_term() { # PID: the process handles SIGTERM (bit 15 of SigCgt)
  local mask
  mask=$(awk '/^SigCgt/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (((0x$mask >> 14) & 1))
}
sed -i 's/DVD_DISC_VOLUME="[^"]*"/DVD_DISC_VOLUME="HOLIDAY"/' "$options"
runtime=$home/run
install -d -m 0700 -o "$user" "$runtime"
for run in 1 2; do
  touch -d '2000-01-01' "$options"
  as_user QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$prefix/bin/quorva" \
    >"$root/quorva.log" 2>&1 &
  session=$!
  program=
  for _ in $(seq 100); do
    program=$(pgrep -u "$user" -x quorva || true)
    [ -n "$program" ] && catches_term "$program" && break
    sleep 0.1
  done
  [ -n "$program" ] || fail "run $run: the program did not start: $(cat "$root/quorva.log")"
  kill -TERM "$program"
  status=0
  wait "$session" || status=$?
  [ "$status" -eq 0 ] || fail "run $run of quorva ended with $status: $(grep -v opacity "$root/quorva.log")"
  [ "$(stat -c %Y "$options")" -gt 946684800 ] || fail "run $run did not save the options"
  grep -q 'DVD_DISC_VOLUME="HOLIDAY"' "$options" || fail "run $run lost the changed option"
done
echo "ok: the windowed program kept the changed option over two runs"

[ "$(snapshot)" = "$before" ] || fail "something was written under the prefix"
echo "ok: nothing written under the prefix"

desktop-file-validate "$prefix/share/applications/org.quorva.Quorva.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorva.Quorva.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/"*.xml)"
echo "ok: desktop entry and metainfo validate"
