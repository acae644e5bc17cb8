#!/usr/bin/env bash
# Fuzzes the journal line reader with libFuzzer for the given seconds (300 if not given), in a clang build of
# its own under build/fuzz, starting from the lines of a sample journal. Findings land in build/fuzz/findings.
#   bench/fuzz.sh [seconds] [more libFuzzer options]
set -euo pipefail
cd "$(dirname "$0")/.."
source ./tools/setup.sh
ORMEL_PACKAGES+=(clang)
ormel_install_packages
seconds="${1:-300}"
shift || true

out=build/fuzz
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DORMEL_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" >/dev/null
cmake --build "$out" -j"$(nproc)" --target fuzz_journal_line make_sample_journal

corpus="$out/corpus"
if [ ! -d "$corpus" ]; then
  mkdir -p "$corpus"
  "$out/tools/make_sample_journal" "$out/sample.txt" 400 7 >/dev/null
  tr -d '\r' < "$out/sample.txt" | split -l 1 -a 4 - "$corpus/line-"
fi
mkdir -p "$out/findings"
exec "$out/bench/fuzz_journal_line" "$corpus" -max_len=32768 -max_total_time="$seconds" \
  -artifact_prefix="$out/findings/" -print_final_stats=1 "$@"
