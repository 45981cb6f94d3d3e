#!/usr/bin/env bash
# Checks the arrows between layers: a file includes only headers of its own layer or of the
# layers below it, and Qt only where Qt belongs. Prints the offending lines; fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

# check FOLDER ALLOWED-PREFIXES-REGEX : project includes ("x/y.h") must match the regex.
check() {
  local folder=$1 allowed=$2
  local bad
  bad=$(grep -rnE '^#include "' "$folder" --include='*.h' --include='*.cpp' --include='*.def' \
          | grep -vE "#include \"($allowed)" | grep -v '/forms/' || true)
  if [ -n "$bad" ]; then
    echo "Includes that cross the layers in $folder:"
    echo "$bad"
    status=1
  fi
}

# No Qt header outside the Qt layer, the forms and the programs.
qt=$(grep -rnE '^#include <Q' src --include='*.h' --include='*.cpp' \
       | grep -vE '^src/platform/qt/|/forms/' || true)
if [ -n "$qt" ]; then
  echo "Qt used outside src/platform/qt and the forms:"
  echo "$qt"
  status=1
fi

check src/platform/Canvas.h 'platform/'
for f in src/platform/*.h src/platform/*.cpp; do check "$f" 'platform/[A-Za-z]+\.h'; done
# The chart engine draws on the canvas alone.
check src/chart/engine 'platform/[A-Za-z]+\.h|chart/engine/'
check src/host 'platform/[A-Za-z]+\.h|host/'
# The package: every other folder (common, sheet and the kinds' folders) may include any of them.
package=$(find src -mindepth 1 -maxdepth 1 -type d ! -name platform ! -name host -printf '%f\n' | sort)
allowed="platform/[A-Za-z]+\.h|host/[A-Za-z]+\.h|$(echo "$package" | sed 's|$|/|' | paste -sd'|')"
for d in $package; do check "src/$d" "$allowed"; done
exit $status
