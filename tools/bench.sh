#!/usr/bin/env bash
# Times mathsheet as whole processes against the tools it is compared with, and prints one table
# row per work: the median of our runs, the anchor's median where the anchor is installed, and
# the median of the ratios of runs taken in pairs (ours, then the anchor's), so that a ratio
# holds on a busy machine. Not part of the tests.
#
#   tools/bench.sh [BUILD_DIR]       (default: build)
#
# Environment: BENCH_RUNS (pairs a row, default 5), SUDOKU17 (the 17-clue puzzles, default
# ../shared/data/sudoku17.txt beside the checkout). Anchors: pdflatex with the xlop package
# (Debian: texlive-latex-base texlive-latex-recommended texlive-plain-generic) and qqwing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# Made absolute: the runs take place in a temporary folder.
build=$(realpath -- "${1:-$root/build}")
mathsheet=$build/bin/mathsheet
runs=${BENCH_RUNS:-5}
sudoku17=${SUDOKU17:-$root/../shared/data/sudoku17.txt}
[[ -x $mathsheet ]] || { echo "bench.sh: $mathsheet is missing: build first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The hard sheet: 24 multiplications of two three-digit numbers (drawn once with Python's
# random.seed(5) and randint(100, 999)), each with isolated holes on every line.
operands=(737 361 859 467 914 807 961 857 767 642 129 960 576 894 355 764 153 260 215 480
          580 989 352 489 656 204 687 355 113 848 321 517 386 286 988 884 498 263 880 916
          173 242 732 732 555 229 235 101)
pairs=""
cells=""
for ((i = 0; i < ${#operands[@]}; i += 2)); do
    a=${operands[i]} b=${operands[i + 1]}
    pairs+="${pairs:+ | }$a;$b"
    cells+="\\opmul{$a}{$b}"
    if (((i / 2) % 8 == 7)); then cells+=" \\\\"$'\n'; else cells+=" & "; fi
done
cat > hard.txt <<EOF
[Opération]
Largeur = 19
Hauteur = 27
Operation = 2
TrousIsoles = 1
DifficulteMult = 2
PositionTrous = 7
NombreOperations = 24
Operandes = $pairs
GenererCalcul = 1
EOF
# The anchor: the same multiplications posed by xlop, without holes, on one page (not named
# xlop.tex, which the package reads).
cat > multiplications.tex <<EOF
\documentclass{article}
\usepackage[a4paper,margin=1cm]{geometry}
\usepackage{xlop}
\pagestyle{empty}
\begin{document}
\begin{tabular}{cccccccc}
$cells\end{tabular}
\end{document}
EOF
printf '[Page]\nFormat = A4\n' > empty.txt
# 24 long divisions with holes, hard, to eight decimals: the sheet timed beside busy loops.
cat > divisions.txt <<EOF
[Opération]
Largeur = 19
Hauteur = 27
Operation = 3
NombreOperations = 24
Tirage = 1;99999;0;0;3;0
PrecisionDiv = 8
PositionTrous = 7
TrousIsoles = 1
DifficulteDiv = 2
DivisionLongue = 1
EOF
# One page of marked masses: the demo's masses section three times.
for top in 0 8 16; do
    printf '[Masses marquées]\nLargeur = 18\nHauteur = 6,5\nGauche = 0\nHaut = %s\n' "$top"
    printf 'ZoomMasses = 85\nIntervalleMasses = 2\nFonte = Andika,9,0,normal\nSommeMasses = 1888\n'
done > masses.txt

# Wall and CPU seconds of one run of a command, its output thrown away: "wall cpu". A command
# that fails is timed all the same; check its output by hand (the anchors' logs stay in $work).
timed() {
    local TIMEFORMAT='%3R %3U %3S'
    local line
    line=$({ time "$@" > /dev/null 2>&1 || true; } 2>&1 | tail -n 1)
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' <<< "$line"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.4f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# row NAME GOAL -- OURS... [-- ANCHOR...]: one warm-up each, then BENCH_RUNS pairs.
row() {
    local name=$1 goal=$2
    shift 3
    local ours=() anchor=()
    while (($#)) && [[ $1 != -- ]]; do ours+=("$1"); shift; done
    if (($#)); then shift; anchor=("$@"); fi
    local a_wall=() a_cpu=() b_wall=() ratios=()
    timed "${ours[@]}" > /dev/null
    ((${#anchor[@]})) && timed "${anchor[@]}" > /dev/null
    for ((r = 0; r < runs; ++r)); do
        read -r wall cpu < <(timed "${ours[@]}")
        a_wall+=("$wall") a_cpu+=("$cpu")
        if ((${#anchor[@]})); then
            read -r bwall _ < <(timed "${anchor[@]}")
            b_wall+=("$bwall")
            ratios+=("$(awk -v a="$wall" -v b="$bwall" 'BEGIN { printf "%.2f", (a > 0 ? b / a : 0) }')")
        fi
    done
    local ours_wall ours_cpu anchor_wall="—" ratio="—"
    ours_wall=$(printf '%s\n' "${a_wall[@]}" | median)
    ours_cpu=$(printf '%s\n' "${a_cpu[@]}" | median)
    if ((${#anchor[@]})); then
        anchor_wall=$(printf '%s\n' "${b_wall[@]}" | median)" s"
        ratio=$(printf '%s\n' "${ratios[@]}" | median)"×"
    fi
    printf '| %s | %s | %s s (%s s CPU) | %s | %s |\n' \
        "$name" "$anchor_wall" "$ours_wall" "$ours_cpu" "$ratio" "$goal"
}

echo "mathsheet: $mathsheet, $runs pairs a row, medians of wall time; anchor ÷ ours pair by pair"
echo
echo "| work | anchor | ours | anchor ÷ ours | goal |"
echo "|---|---|---|---|---|"

if command -v pdflatex > /dev/null && kpsewhich xlop.sty > /dev/null 2>&1; then
    row "24 hard multiplications, both versions to PDF" "anchor ÷ ours ≥ 5" -- \
        "$mathsheet" build hard.txt -o hard.pdf --seed 3 -- \
        pdflatex -interaction=batchmode -halt-on-error multiplications.tex
else
    row "24 hard multiplications, both versions to PDF (pdflatex or xlop missing)" "—" -- \
        "$mathsheet" build hard.txt -o hard.pdf --seed 3
fi
row "the same sheet, --copies 25 (50 pages)" "under 0.3 s wall" -- \
    "$mathsheet" build hard.txt -o class.pdf --seed 3 --copies 25
row "an empty A4 sheet, both versions" "at most 0.010 s wall" -- \
    "$mathsheet" build empty.txt -o empty.pdf --seed 1
if [[ -r $sudoku17 ]]; then
    if command -v qqwing > /dev/null; then
        runs=$((runs < 3 ? runs : 3)) row "rate the 17-clue 9 × 9 puzzles" "anchor ÷ ours ≥ 10" -- \
            "$mathsheet" sudoku rate "$sudoku17" -- sh -c "qqwing --solve --stats < '$sudoku17'"
    else
        runs=$((runs < 3 ? runs : 3)) row "rate the 17-clue 9 × 9 puzzles (qqwing missing)" "—" -- \
            "$mathsheet" sudoku rate "$sudoku17"
    fi
else
    echo "| rate the 17-clue 9 × 9 puzzles | $sudoku17 missing | | | |"
fi
# Four busy loops share the two cores with the run, every process at nice 10: the worker must
# not give its turn away. The loops are stopped whatever happens.
busy=()
stop_busy() { ((${#busy[@]})) && kill "${busy[@]}" 2> /dev/null; busy=(); }
trap 'stop_busy; rm -rf "$work"' EXIT
for _ in 1 2 3 4; do nice -n 10 sh -c 'while :; do :; done' & busy+=($!); done
row "24 long divisions with holes beside four busy loops, all at nice 10" "under 1.5 s wall" -- \
    nice -n 10 "$mathsheet" build divisions.txt -o divisions.pdf --seed 1
stop_busy
row "a page of marked masses to SVG; anchor: the same page to PDF" "anchor ÷ ours ≥ 0.5" -- \
    "$mathsheet" build masses.txt -o masses.svg --seed 1 -- \
    "$mathsheet" build masses.txt -o masses.pdf --seed 1
