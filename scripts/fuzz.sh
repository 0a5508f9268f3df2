#!/usr/bin/env bash
# Fuzzes the file readers with clang's libFuzzer and keeps what it finds, for every later test run to
# replay: inputs that reach new code are merged into each reader's corpus folder, inputs that make it
# fail are copied to its crashes folder. Installs clang when missing, builds in build-fuzz.
# Usage: scripts/fuzz.sh [SECONDS [READER...]]   SECONDS for each reader, 60 by default; every reader
# when none is named (their names: build-fuzz/fuzz-targets/*.txt; lire_fiche, lire_image,
# options_lanceur, autostart_entry).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS [READER...]]: SECONDS is a whole number above 0" >&2
    exit 2
fi
shift || true

scripts/install-deps.sh --fuzz
compiler=$(command -v clang++-14 || command -v clang++) || { echo "clang++ is missing" >&2; exit 1; }
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
    -DPENSOIR_FUZZ=ON >/dev/null
cmake --build build-fuzz --target pensoir_fuzzers

readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
    for manifest in build-fuzz/fuzz-targets/*.txt; do readers+=("$(basename "$manifest" .txt)"); done
fi

failed=()
for reader in "${readers[@]}"; do
    manifest=build-fuzz/fuzz-targets/$reader.txt
    [ -f "$manifest" ] || { echo "no fuzz target named $reader" >&2; exit 2; }
    { read -r program; read -r corpus; read -r crashes; } <"$manifest"
    work=build-fuzz/work/$reader
    rm -rf "$work"
    mkdir -p "$work/new" "$work/artifacts" "$corpus" "$crashes"

    echo "== $reader: $seconds s"
    # New inputs go to the first folder; the committed ones are read as a start.
    status=0
    "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/new" "$corpus" "$crashes" || status=$?

    # Only the inputs that add to what the corpus already reaches are kept.
    before=$(find "$corpus" -type f ! -name '.*' | wc -l)
    "$program" -merge=1 -max_len=65536 -artifact_prefix="$work/merge-" "$corpus" "$work/new" \
        2>"$work/merge.log" ||
        { cat "$work/merge.log" >&2; exit 1; }
    after=$(find "$corpus" -type f ! -name '.*' | wc -l)
    echo "== $reader: $((after - before)) new input(s) in $corpus"

    if compgen -G "$work/artifacts/*" >/dev/null; then
        cp "$work/artifacts/"* "$crashes/"
        echo "== $reader FAILED: the input(s) that made it fail are now in $crashes" >&2
        failed+=("$reader")
    elif [ "$status" -ne 0 ]; then
        echo "== $reader: libFuzzer ended with code $status" >&2
        failed+=("$reader")
    fi
done

[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]} (fix the reader, then commit the inputs)" >&2; exit 1; }
echo "Commit the new inputs (git status tests/) so that every test run replays them."
