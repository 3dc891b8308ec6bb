#!/usr/bin/env bash
# Builds the disc checker's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it, niced, for SECONDS_TO_RUN seconds (default
# 300) on a corpus seeded from a disc quorva-cli makes. Needs a built tree
# (build/bin/quorva-cli, and the checker's messages come from
# build/bin/libquorva_platform.so). The run goes on past a finding (each job in a
# process of its own); findings land in tests/fuzz/out/; inputs once found
# crashing are kept in tests/fuzz/regressions/ and run first. Inputs found
# and not mended yet are kept in tests/fuzz/open/ (not run).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=tests/fuzz/out
mkdir -p "$out/corpus"
if [ ! -d "$out/disc/VIDEO_TS" ]; then
    ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=1 -c:v mpeg4 \
        "$out/clip.avi"
    rm -rf "$out/work"
    disc=$(build/bin/quorva-cli make --pal --working-folder "$out/work" "$out/clip.avi" | tail -1)
    mv "$disc" "$out/disc"
fi
python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]
vmg = open(out + "/disc/VIDEO_TS/VIDEO_TS.IFO", "rb").read()
vts = open(out + "/disc/VIDEO_TS/VTS_01_0.IFO", "rb").read()
open(out + "/corpus/good", "wb").write(struct.pack(">I", len(vmg)) + vmg + vts)
PY
nice -n 19 clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I. tests/fuzz/DiscCheckFuzz.cpp \
    components/discchecker/*.cpp $(pkg-config --cflags --libs dvdnav dvdread) \
    -Lbuild/bin -lquorva_platform -Wl,-rpath,"$PWD/build/bin" -o "$out/disc-check-fuzz"
# libdvdread asks calloc for impossible sizes on some counts and copes with
# the null it gets; AddressSanitizer returns that null too instead of stopping.
# libdvdread leaks a little on some broken files: leaks are not looked for.
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=0 QUORVA_FUZZ_DISC="$PWD/$out/disc"
# The inputs earlier runs found crashing come first; each must now pass.
nice -n 19 "$out/disc-check-fuzz" -detect_leaks=0 tests/fuzz/regressions/*
nice -n 19 "$out/disc-check-fuzz" \
    -max_total_time="${SECONDS_TO_RUN:-300}" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -timeout=10 -detect_leaks=0 -rss_limit_mb=2048 \
    -artifact_prefix="$out/" "$out/corpus"
