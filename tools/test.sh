#!/usr/bin/env bash
# Sets up the machine, builds the default preset and runs every test, then a short run of each
# fuzz target and the editor's monkey test under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake --preset default
cmake --build --preset default
ctest --preset default -j2
./tools/check-test-ratio.sh
./tools/fuzz-smoke.sh
./tools/monkey-asan.sh
