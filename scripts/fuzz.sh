#!/bin/bash
# Builds the fuzz targets with clang's libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds (30 by default),
# starting from the corpus kept in tests/fuzz/corpus/<target>. New interesting inputs are
# added to that corpus. Needs Debian's clang and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
out="build-fuzz"
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)
engine=(engine/Board.cpp engine/Candidates.cpp engine/Eliminations.cpp engine/FullGrid.cpp
        engine/Generator.cpp engine/Hint.cpp engine/Solver.cpp)

build() { # name, sources...
    local name="$1"
    shift
    echo "building $name"
    clang++ "${flags[@]}" "$@" -o "$out/$name"
}

build gridtext tests/fuzz/GridTextFuzz.cpp "${engine[@]}"
read -r -a qtcore <<< "$(pkg-config --cflags --libs Qt6Core)"
build language -fPIC tests/fuzz/LanguageFuzz.cpp presentation/Texts.cpp common/TextLines.cpp "${qtcore[@]}"
build savedgame tests/fuzz/SavedGameFuzz.cpp records/Records.cpp "${engine[@]}"
build records -fPIC tests/fuzz/RecordsFuzz.cpp control/GameFiles.cpp records/Records.cpp \
    presentation/Texts.cpp common/TextLines.cpp "${engine[@]}" "${qtcore[@]}"

for target in gridtext language savedgame records; do
    corpus="tests/fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzzing $target for $seconds s"
    "$out/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus"
done
