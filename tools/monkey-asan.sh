#!/usr/bin/env bash
# Builds the editor's monkey test under AddressSanitizer and UndefinedBehaviorSanitizer (the
# asan preset, that target alone) and runs it long. A sanitizer report, a crash, a hang or a
# failed check fails the run; the seed and the last steps are printed so that it can be
# replayed. MONKEY_ACTIONS (default 3000) and MONKEY_SEED (default 1, the same run each time;
# 0 draws a new seed) set the run.
set -uo pipefail
cd "$(dirname "$0")/.."
actions="${MONKEY_ACTIONS:-3000}"
seed="${MONKEY_SEED:-1}"
if [ "$seed" = 0 ]; then
  seed=$(( (RANDOM << 15 | RANDOM) + 1 ))
fi
start=$(date +%s)
cmake --preset asan >/dev/null || exit 1
cmake --build --preset asan --target monkey_test || exit 1
built=$(date +%s)
log=build/asan/monkey.log
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
echo "== monkey under ASan and UBSan: ${actions} actions, seed ${seed}"
VL_MONKEY_SEED="$seed" VL_MONKEY_ACTIONS="$actions" timeout 1800 build/asan/tests/monkey_test \
  >"$log" 2>&1
status=$?
if [ "$status" -ne 0 ] || grep -qE 'runtime error|ERROR: (Address|Leak)Sanitizer' "$log"; then
  grep -E '^step|runtime error|ERROR:|SUMMARY|Failure|hang' "$log" | tail -n 20
  echo "monkey: failed with status ${status} at the last step above; replay with"
  echo "  VL_MONKEY_SEED=${seed} VL_MONKEY_ACTIONS=${actions} build/asan/tests/monkey_test (log: ${log})"
  exit 1
fi
grep -E '^monkey:' "$log" | tail -n 1
echo "monkey: no report (build $(( built - start )) s, run $(( $(date +%s) - built )) s)"
