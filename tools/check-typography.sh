#!/usr/bin/env bash
# French typography in the programs' messages: a no-break space (written "\u00A0" in C++
# string literals) before ":", ";", "!" and "?", and inside « ». Lists every string literal
# of src/ and apps/, and every text of the forms' .ui files, that has an ordinary blank there
# or a ":", "!" or "?" glued to the word before it and followed by a blank, and fails if there
# is one.
# Text formats that are not messages keep their blanks; they are the exceptions below.
set -euo pipefail
cd "$(dirname "$0")/.."

# file<TAB>literal, as written in the source: the division sign and the exercise notation of
# operations, the ready-made sheets' description line, a series label pattern, a style sheet,
# a formula's factorial, and the "file:line: " prefix of sheet errors.
exceptions=$(printf '%s\n' \
  'src/operation/ExercicesTexte.cpp	" : "' \
  'src/operation/ExercicesTexte.cpp	" ; "' \
  'src/operation/Operation.cpp	" : "' \
  'src/sheet/Modeles.cpp	"# Description :"' \
  'src/dots/GenSeries.cpp	"a : b"' \
  'apps/vorlane/Forms.cpp	"a : b"' \
  'src/sudoku/forms/TSudokuDiaImages.cpp	"background-color: white;"' \
  'src/dots/Formule.cpp	"! "' \
  'src/sheet/Sheet.cpp	": "' \
  'src/sheet/SheetBuilder.cpp	": la feuille est vide\u00A0: elle ne décrit aucune page ni aucun composant"')

blank='(^"|[^\s]) [:;!?](\s|\\n|"$)|« |\s»|«[^\\\s]|[^\s0]»'
glued='([[:alpha:]»]|^")[:!?](\s|\\n)'

found=$(
  git ls-files -co --exclude-standard -- src apps | grep -E '\.(cpp|h)$' | while read -r file; do
    grep -v '^\s*//' "$file" | grep -oP '"(?:[^"\\]|\\.)*"' | grep -P "$blank|$glued" |
      sed "s|^|${file}\t|" || true
  done
  git ls-files -co --exclude-standard -- src apps | grep -E '\.ui$' | while read -r file; do
    grep -oP '<string[^>]*>\K[^<]*' "$file" | grep -v '{' | sed 's/\xc2\xa0/\\u00A0/g; s/^/"/; s/$/"/' |
      grep -P "$blank|$glued" | sed "s|^|${file}\t|" || true
  done
)
bad=$(grep -vxF -f <(printf '%s\n' "$exceptions") <<<"$found" || true)
if [ -n "$bad" ]; then
  echo "Messages without a no-break space (\\u00A0) before : ; ! ? or inside « »:"
  echo "$bad"
  exit 1
fi
echo "typography: every message literal has its no-break spaces"
