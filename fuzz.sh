#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs every target for SECONDS seconds on a
# scratch copy of its seed corpus, so the committed corpus stays as written.
# Fails on the first crash; the crashing input is kept in build/fuzz/artifacts.
# (Named fuzz.sh because fuzz/ holds the targets.)
# Usage: ./fuzz.sh SECONDS
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
seconds="${1:-}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 SECONDS" >&2
    exit 2
fi
"$here/scripts/deps.sh" clang libclang-rt-14-dev
build="$here/build/fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSORVIK1_FUZZ=ON -DSORVIK1_GUI=OFF -DSORVIK1_TESTS=OFF -DSORVIK1_WERROR=ON >/dev/null
cmake --build "$build" -j 2
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/artifacts"
targets=0
for target in "$build"/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    targets=$((targets + 1))
    name="$(basename "$target")"
    corpus="$scratch/$name"
    mkdir -p "$corpus"
    if [ -d "$here/fuzz/corpus/$name" ]; then
        cp -R "$here/fuzz/corpus/$name/." "$corpus/"
    fi
    echo "== $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$corpus"
done
if [ "$targets" -eq 0 ]; then
    echo "no fuzz targets were built" >&2
    exit 1
fi
