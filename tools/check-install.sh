#!/usr/bin/env bash
# Installs a build to a temporary prefix, then runs the installed programs from another folder:
# they must find the installed data (or the folder VL_DATA_DIR names), and give no warning on
# standard error even without XDG_RUNTIME_DIR.   Usage: tools/check-install.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
data="$prefix/share/vorlane-math"
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/mathsheet share/vorlane-math/Sudoku17.dat share/vorlane-math/palette/BM_DE.png \
    share/vorlane-math/money/C_2E.png share/vorlane-math/money/NV_500.png \
    share/vorlane-math/modeles/ce1-heures.txt share/doc/vorlane-math/cles.md; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done

cd /
env -u XDG_RUNTIME_DIR -u VL_DATA_DIR "$prefix/bin/mathsheet" demo -o "$prefix/d.pdf" \
  --save "$prefix/d.vld" --seed 1 >/dev/null 2>"$prefix/err" || fail "mathsheet demo failed"
[ ! -s "$prefix/err" ] || fail "mathsheet wrote on standard error: $(cat "$prefix/err")"
[ -s "$prefix/d.pdf" ] || fail "no PDF"
# The ready-made sheets are installed with the data, and build from there.
env -u VL_DATA_DIR "$prefix/bin/mathsheet" build modele:ce1-heures -o "$prefix/m.pdf" \
  >/dev/null 2>"$prefix/err" || fail "mathsheet build modele:ce1-heures failed: $(cat "$prefix/err")"
[ -s "$prefix/m.pdf" ] && [ ! -s "$prefix/err" ] || fail "the ready-made sheet gave no PDF or a warning"
# A seed gives the same bytes from one run to the next.
"$prefix/bin/mathsheet" demo -o "$prefix/d2.pdf" --save "$prefix/d2.vld" --seed 1 >/dev/null
cmp -s "$prefix/d.pdf" "$prefix/d2.pdf" && cmp -s "$prefix/d.vld" "$prefix/d2.vld" \
  || fail "two runs with --seed 1 give different files"
# (grep reads everything: with pipefail, an early exit would fail the writer)
"$prefix/bin/mathsheet" inspect "$prefix/d.vld" | grep "PathBdd = $data/Sudoku17.dat" >/dev/null \
  || fail "the installed mathsheet does not use $data"
VL_DATA_DIR=/srv/donnees "$prefix/bin/mathsheet" demo -o "$prefix/e.pdf" --save "$prefix/e.vld" \
  --seed 1 >/dev/null
"$prefix/bin/mathsheet" inspect "$prefix/e.vld" | grep "PathBdd = /srv/donnees/Sudoku17.dat" >/dev/null \
  || fail "VL_DATA_DIR is not followed"

if [ -x "$prefix/bin/vorlane" ]; then
  for f in share/applications/vorlane.desktop share/icons/hicolor/64x64/apps/vorlane.png; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
  done
  env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen "$prefix/bin/vorlane" \
    --screenshot "$prefix/w.png" 2>"$prefix/err" || fail "vorlane --screenshot failed"
  # (the offscreen platform itself notes what it cannot do; the runtime folder is ours)
  ! grep QStandardPaths "$prefix/err" || fail "vorlane warned about its runtime folder"
fi
echo "check-install: installed programs run from / with their data"
