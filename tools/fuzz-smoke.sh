#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each briefly on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in build/fuzz/bin/*_fuzz; do
  name=$(basename "$target" _fuzz)
  corpus="fuzz/corpus/$name"
  work=$(mktemp -d)
  cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "== fuzz $name (${seconds} s)"
  "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
