#!/bin/sh
# Rebuilds data/Sudoku17.dat, the puzzle database that ships with the program, with the
# program's own puzzle search: 200,000 random 9 x 9 grids studied by two workers (seeds 17 and
# 18), keeping at most 800 puzzles of each technique profile (the techniques 1 to 12 a puzzle
# needs). The same mathsheet gives the same file.
#   tools/make-sudoku17.sh [MATHSHEET]     (default: build/bin/mathsheet)
set -eu
cd "$(dirname "$0")/.."
mathsheet=${1:-build/bin/mathsheet}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$mathsheet" sudoku db search "$work/Sudoku17.dat" --type 0 --attempts 200000 \
    --per-profile 800 --jobs 2 --seed 17
mv "$work/Sudoku17.dat" data/Sudoku17.dat
