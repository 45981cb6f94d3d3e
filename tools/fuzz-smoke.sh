#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each briefly on its corpus. Fails
# when a target crashes or reports undefined behaviour (the fuzz build stops at the first
# report); the failing input is kept in build/fuzz/findings/ to be added to fuzz/corpus/.
# The mutations follow a fixed seed, so that a run repeats the last one on the same code;
# FUZZ_SEED=0 draws a new seed for a longer search (FUZZ_SECONDS=600 FUZZ_SEED=0).
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
seed="${FUZZ_SEED:-1}"
# Only the targets of fuzz/*_fuzz.cpp: not the programs, nor a stale binary left in bin/.
targets=$(basename -s .cpp fuzz/*_fuzz.cpp)
cmake --preset fuzz >/dev/null || exit 1
# shellcheck disable=SC2086 # one word per target
cmake --build --preset fuzz --target $targets || exit 1
findings=build/fuzz/findings
mkdir -p "$findings"
failed=()
for fuzzer in $targets; do
  target=build/fuzz/bin/$fuzzer
  name=${fuzzer%_fuzz}
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name"/. "$work"/ 2>/dev/null || true
  log="$findings/$name.log"
  echo "== fuzz $name (${seconds} s)"
  "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 -seed="$seed" \
    -artifact_prefix="$findings/$name-" "$work" >"$log" 2>&1
  status=$?
  rm -rf "$work"
  if [ "$status" -ne 0 ] || grep -qE 'runtime error|ERROR: (Address|Leak|Undefined)' "$log"; then
    grep -E 'runtime error|ERROR:|SUMMARY|Test unit written' "$log" | head -n 10
    failed+=("$name")
  else
    tail -n 2 "$log"
  fi
done
if [ "${#failed[@]}" -ne 0 ]; then
  echo "fuzz: failures in ${failed[*]} (logs and inputs in $findings)"
  exit 1
fi
echo "fuzz: every target ran ${seconds} s without a report"
