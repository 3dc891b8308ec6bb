#!/usr/bin/env bash
# Every container the engine reads is offered where the desktop looks: the
# desktop entry's MimeType (so "Open with" lists Quorva), the metainfo's
# media types, and the completion of `quorva-cli make`. Both files pass their
# validators.
# Usage: VideoTypesTest.sh SOURCE_FOLDER BUILD_FOLDER
set -uo pipefail
source_folder=$1
build_folder=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
containers='mkv m4v webm ts m2ts mts mpg mpeg vob avi mp4 mov wmv asf flv 3gp ogv rm rmvb'

desktop=$source_folder/packaging/org.quorva.Quorva.desktop
metainfo=$build_folder/packaging/org.quorva.Quorva.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >/dev/null ||
  fail "appstreamcli validate: $(appstreamcli validate --no-net "$metainfo")"
entry_types=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n')
metainfo_types=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo")

source /usr/share/bash-completion/bash_completion || exit 1
source "$source_folder/packaging/quorva-cli.bash-completion" || exit 1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
for extension in $containers; do
  touch "clip.$extension" "CLIP.${extension^^}"
done
COMP_WORDS=(quorva-cli make '')
COMP_CWORD=2
COMP_LINE='quorva-cli make '
COMP_POINT=${#COMP_LINE}
COMPREPLY=()
_quorva_cli
completed=$(printf '%s\n' "${COMPREPLY[@]}")

for extension in $containers; do
  # The types shared-mime-info gives the name (.ts has two: video and Qt Linguist).
  types=$(awk -F: -v glob="*.$extension" '$3 == glob { print $2 }' /usr/share/mime/globs2)
  [ -n "$types" ] || fail "shared-mime-info knows no type for .$extension"
  grep -qxF -f <(echo "$types") <<<"$entry_types" ||
    fail "the desktop entry lacks .$extension ($types)"
  grep -qxF -f <(echo "$types") <<<"$metainfo_types" ||
    fail "the metainfo lacks .$extension ($types)"
  for name in "clip.$extension" "CLIP.${extension^^}"; do
    grep -qx "$name" <<<"$completed" || fail "quorva-cli make does not complete $name"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "ok: $(wc -w <<<"$containers") containers in the desktop entry, metainfo and completion"
