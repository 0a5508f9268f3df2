#!/bin/sh
# Builds the record-reader fuzzer with clang++ and runs it for a fixed time.
# Usage: run_fuzzer.sh CMAKE BUILD_DIR SECONDS [QT6_DIR]
set -eu

cmake_command=$1
build_dir=$2
seconds=$3
qt6_dir=${4:-}
here=$(cd "$(dirname "$0")" && pwd)

compiler=
for candidate in clang++-14 clang++; do
    if command -v "$candidate" >/dev/null 2>&1; then
        compiler=$(command -v "$candidate")
        break
    fi
done
if [ -z "$compiler" ]; then
    echo "run_fuzzer.sh: clang++ is required to build the fuzzer (install clang, with libFuzzer)" >&2
    exit 1
fi

generator=
if command -v ninja >/dev/null 2>&1; then generator="-GNinja"; fi

mkdir -p "$build_dir"
"$cmake_command" -S "$here" -B "$build_dir/build" $generator \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
    ${qt6_dir:+-DQt6_DIR="$qt6_dir"} >"$build_dir/configure.log" 2>&1 ||
    { cat "$build_dir/configure.log" >&2; exit 1; }
"$cmake_command" --build "$build_dir/build" >"$build_dir/build.log" 2>&1 ||
    { cat "$build_dir/build.log" >&2; exit 1; }

# A fresh corpus each run, seeded with the hand-made record files.
rm -rf "$build_dir/corpus" "$build_dir/artifacts"
mkdir -p "$build_dir/corpus" "$build_dir/artifacts"
cp "$here/../fixtures/"*.PSL "$build_dir/corpus/"

cd "$build_dir"
exec "$build_dir/build/fuzz_lire_fiche" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$build_dir/artifacts/" "$build_dir/corpus"
