#!/usr/bin/env bash
# Builds one proof page per kind into build/proof/: a small sheet with the kind's component as a
# new one is made, printed as the test (PROOF_MODE=corrige for the corrected version), then
# kind.pdf and kind.png at 100 dpi, so that every kind can be looked at at once.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${PROOF_MODE:-epreuve}"
seed="${PROOF_SEED:-1}"
cmake --build build --target mathsheet >/dev/null
out=build/proof
mkdir -p "$out"
# The kinds the sheet builder lists as available: the type is the third column, names may
# hold a blank, columns are two blanks or more apart.
mapfile -t kinds < <(build/bin/mathsheet kinds | awk -F '  +' 'NR > 1 && $NF == "oui" { print $3 }')
for kind in "${kinds[@]}"; do
  # A file name in plain lower-case ASCII: "Cube décimal" gives cube-decimal.
  file=$(printf '%s' "$kind" | sed 's/[éèê]/e/g; s/[àâ]/a/g; s/ç/c/g; s/ /-/g' | tr '[:upper:]' '[:lower:]')
  printf '[Page]\nTitre = %s\n\n[%s]\n' "$kind" "$kind" >"$out/$file.txt"
  build/bin/mathsheet build "$out/$file.txt" -o "$out/$file.pdf" --mode "$mode" --seed "$seed" >/dev/null
  pdftoppm -r 100 -png -singlefile "$out/$file.pdf" "$out/$file"
  echo "$out/$file.png"
done
