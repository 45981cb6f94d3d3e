#!/usr/bin/env bash
# Prints the lines of tests (tests/ and fuzz/) against the lines of code (src/ and apps/), C++
# sources, headers and .def lists as git knows them, and fails when the ratio is above the
# limit.
# The limit keeps the tests lean, about a third of the code; it never goes above 35 %.
set -euo pipefail
cd "$(dirname "$0")/.."
ceiling=35
limit=${VL_TEST_RATIO_LIMIT:-$(cat tools/test-ratio-limit)}
[ "$limit" -le "$ceiling" ] || { echo "test ratio limit ${limit} % is above ${ceiling} %"; exit 1; }
count() {
  git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|cc|h|hpp|def)$' | xargs -r cat | wc -l
}
tests=$(count tests fuzz)
code=$(count src apps)
# Tenths of a per cent, so that 35.7 % is not read as 35 %.
tenths=$(( 1000 * tests / code ))
echo "test lines: ${tests}, code lines: ${code}, ratio: $(( tenths / 10 )).$(( tenths % 10 )) % (limit ${limit} %, never above ${ceiling} %)"
if [ $(( 100 * tests )) -gt $(( limit * code )) ]; then
  echo "The tests have grown faster than the code: group related cases, drop tests that restate the code."
  exit 1
fi
