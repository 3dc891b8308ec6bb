#!/usr/bin/env bash
# Checks the sources: clang-format (.clang-format) on every tracked .cpp and
# .h, and clang-tidy (.clang-tidy: the checks, and why some are left out) on
# the program's own sources, tests and benchmarks aside. Any difference or
# finding fails. clang-tidy reads build/compile_commands.json (configured
# here if build/ has none yet).
#   scripts/lint.sh [source.cpp...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

echo "lint: clang-format"
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
  echo "lint: the files above differ from .clang-format (clang-format -i mends them)" >&2
  exit 1
fi

echo "lint: clang-tidy"
# No source of ours is generated, so a configured build/ is all clang-tidy
# needs; it need not be built.
if [ ! -f build/compile_commands.json ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVA_WERROR="${QUORVA_WERROR:-OFF}" >/dev/null
fi
log=build/clang-tidy.log
# Only sources of the tree: build/ holds nothing of ours to check. Arguments,
# if any, name the sources to check (paths from the top of the tree) instead.
sources="(app|cli|ui|pipeline|media|settings|platform|engines|components|tools)/.*\.cpp"
if [ $# -gt 0 ]; then
  sources=$(printf '%s|' "$@")
  sources="(${sources%|})"
fi
# The compiler's own warnings are the build's business (-Werror there), not
# clang-tidy's. The findings come in colour; the log keeps them plain.
if ! run-clang-tidy -quiet -p build -j"$(nproc)" -extra-arg=-Wno-error "^$root/$sources\$" \
    2>&1 | sed 's/\x1b\[[0-9;]*m//g' >"$log"; then
  if grep -qE '^[^ ]+:[0-9]+:[0-9]+: (error|warning):' "$log"; then
    grep -E -A3 '^[^ ]+:[0-9]+:[0-9]+: (error|warning):' "$log" >&2
  else
    tail -n 40 "$log" >&2
  fi
  echo "lint: clang-tidy found problems (whole output: $log)" >&2
  exit 1
fi
checked=$(grep -c '^clang-tidy' "$log" || true)
if [ "$checked" -eq 0 ]; then
  echo "lint: clang-tidy found no source to check" >&2
  exit 1
fi
echo "lint: clean ($checked sources checked by clang-tidy)"
