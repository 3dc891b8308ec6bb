#!/usr/bin/env bash
# Builds the project reader's fuzz target with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs it, niced, for
# SECONDS_TO_RUN seconds (default 300) on a corpus seeded from projects
# quorva-cli make saves. The reader and the target are instrumented; the rest
# of the program is linked from a built tree (build/, with build/bin/quorva-cli).
# The run goes on past a finding; findings land in tests/fuzz/out-project/;
# inputs once found failing are kept in tests/fuzz/regressions-project/ and
# run first.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=tests/fuzz/out-project
mkdir -p "$out/corpus"
if [ ! -f "$out/corpus/plain.quorva" ]; then
    ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=1 -c:v mpeg4 \
        "$out/clip.avi"
    rm -rf "$out/work"
    nice -n 19 build/bin/quorva-cli make --working-folder "$out/work" --no-check \
        --save-project "$out/corpus/plain" "$out/clip.avi" >/dev/null
    nice -n 19 build/bin/quorva-cli make --working-folder "$out/work" --no-check --pal \
        --aspect 4:3 --quality fit --stretch --chapters 2 --label HOLIDAY --title "Été à Nice" \
        --save-project "$out/corpus/chosen" "$out/clip.avi" "$PWD/$out/clip.avi" >/dev/null
fi
# The program's own libraries and those it needs, as quorva-cli is linked.
link=$(sed -e 's/.* -o \.\.\/bin\/quorva-cli //' build/cli/CMakeFiles/quorva-cli.dir/link.txt |
    sed -e 's|\.\./|build/|g' -e 's|\$ORIGIN|'"$PWD"'/build/bin|')
eval "libs=($link)"
nice -n 19 clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I. $(pkg-config --cflags Qt6Gui pugixml) \
    tests/fuzz/ProjectFuzz.cpp app/ProjectFile.cpp "${libs[@]}" -o "$out/project-fuzz"
export ASAN_OPTIONS=detect_leaks=0
mkdir -p tests/fuzz/regressions-project
if compgen -G "tests/fuzz/regressions-project/*" >/dev/null; then
    nice -n 19 "$out/project-fuzz" tests/fuzz/regressions-project/*
fi
nice -n 19 "$out/project-fuzz" \
    -max_total_time="${SECONDS_TO_RUN:-300}" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -timeout=10 -rss_limit_mb=2048 \
    -dict=tests/fuzz/project.dict -artifact_prefix="$out/" "$out/corpus"
