#!/usr/bin/env bash
# The manual page, the bash completion and the README follow `quorva-cli
# --help`: every command and every option it shows is in each of them, and
# the completion offers each command's options after that command.
# Usage: CommandLineDocsTest.sh QUORVA_CLI SOURCE_FOLDER
set -uo pipefail
cli=$1
source_folder=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

help=$("$cli" --help) || { echo "FAIL: $cli --help failed" >&2; exit 1; }
commands=$(sed -n 's/^  quorva-cli \([a-z][a-z]*\).*/\1/p' <<<"$help")
[ -n "$commands" ] || { echo "FAIL: no command in the help:"$'\n'"$help" >&2; exit 1; }
# The options of one command: those in its part of the help.
options_of() {
  awk -v c="$1" '/^  quorva-cli / { on = ($2 == c) } on' <<<"$help" |
    grep -o -- '--[a-z][a-z-]*' | sort -u
}
all_options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)

# The manual page as a reader sees it.
manual=$(MANWIDTH=200 man --warnings=all -l "$source_folder/packaging/quorva-cli.1" 2>&1 | col -b) ||
  fail "man cannot show quorva-cli.1"
grep -q 'warning' <<<"$manual" && fail "quorva-cli.1 has warnings: $(grep warning <<<"$manual")"
readme=$(sed -n '/^## The command line/,/^## /p' "$source_folder/README.md")
for command in $commands; do
  grep -q "quorva-cli $command" <<<"$manual" || fail "quorva-cli.1 lacks the command $command"
  grep -q "quorva-cli $command" <<<"$readme" || fail "README lacks the command $command"
done
for option in $all_options; do
  grep -q -- "$option\b" <<<"$manual" || fail "quorva-cli.1 lacks $option"
  grep -q -- "$option\b" <<<"$readme" || fail "README lacks $option"
done

# The completion, called as bash calls it on Tab.
source /usr/share/bash-completion/bash_completion || exit 1
source "$source_folder/packaging/quorva-cli.bash-completion" || exit 1
complete_line() { # WORD... : the completions of the last word
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _quorva_cli
  printf '%s\n' "${COMPREPLY[@]}"
}
offered=$(complete_line quorva-cli '')
for word in $commands --help --version; do
  grep -qx -- "$word" <<<"$offered" || fail "completion does not offer $word first"
done
[ "$(complete_line quorva-cli ch)" = check ] || fail "quorva-cli ch<Tab> gives: $(complete_line quorva-cli ch)"
for command in $commands; do
  offered=$(complete_line quorva-cli "$command" --)
  for option in $(options_of "$command"); do
    grep -qx -- "$option" <<<"$offered" || fail "completion of $command does not offer $option"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "ok: $(wc -w <<<"$commands") commands and $(wc -w <<<"$all_options") options documented and completed"
