#!/usr/bin/env bash
# Sets up the machine, builds the default preset and runs every test (under two locales), then
# a short run of each fuzz target and the editor's monkey test under the sanitizers; the Debian
# package is built, installed, tried and removed.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake --preset default
cmake --build --preset default
# Twice: under a plain locale, then under a French desktop's, whose decimal comma the C
# library and Qt would otherwise use to read and write numbers.
LANG=C.UTF-8 LC_ALL=C.UTF-8 ctest --preset default -j2
LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 ctest --preset default -j2
./tools/check-test-ratio.sh
./tools/package-check.sh build
./tools/fuzz-smoke.sh
./tools/monkey-asan.sh
