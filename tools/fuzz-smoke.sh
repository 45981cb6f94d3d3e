#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each briefly on its corpus. Fails
# when a target crashes or reports undefined behaviour (the fuzz build stops at the first
# report); the failing input is kept in build/fuzz/findings/ to be added to fuzz/corpus/.
# The mutations follow a fixed seed and each target runs a fixed number of inputs (about 20 s
# on the project's machine), so that a run tries the same inputs on any machine, however loaded:
# what passes here passes in CI. FUZZ_SEED=0 FUZZ_SECONDS=600 searches anew for ten minutes a
# target instead; FUZZ_SECONDS alone only moves the ceiling that guards against a hang.
set -uo pipefail
cd "$(dirname "$0")/.."
seed="${FUZZ_SEED:-1}"
if [ -n "${FUZZ_SECONDS:-}" ] && [ "$seed" = 0 ]; then
  seconds="$FUZZ_SECONDS"
  fixed_runs=-1
else
  seconds="${FUZZ_SECONDS:-300}"
  fixed_runs=
fi
# Inputs per target: what each runs in about 20 s on an idle machine.
declare -A runs=([document]=15000 [formula]=80000 [fraction_ligne]=200000 [sheet]=9000 [sudoku_base]=14000)
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
  count="${fixed_runs:-${runs[$name]:-10000}}"
  echo "== fuzz $name ($([ "$count" = -1 ] && echo "${seconds} s" || echo "$count inputs"))"
  "$target" -runs="$count" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 -seed="$seed" \
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
echo "fuzz: no target reported anything"
