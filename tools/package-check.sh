#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine (as root, or with sudo), runs the installed programs
# from an empty folder, validates the installed desktop entry and metainfo file, then removes
# the package.   Usage: tools/package-check.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
package=vorlane-math
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
apt() { DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get "$@"; }
fail() { echo "package-check: $*" >&2; exit 1; }
cleanup() {
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    apt remove -y "$package" >/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

rm -f "$build"/"$package"_*.deb
cmake --build "$build" --target package >/dev/null 2>&1
deb=$(ls "$build"/"$package"_*.deb)
apt install -y "$deb" >/dev/null 2>"$work/apt.err" \
  || fail "apt-get install failed: $(cat "$work/apt.err")"
[ "$(command -v mathsheet)" = /usr/bin/mathsheet ] || fail "mathsheet is not /usr/bin/mathsheet"

cd "$work"
env -u VL_DATA_DIR /usr/bin/mathsheet demo -o demo.pdf --save demo.vld >/dev/null \
  || fail "mathsheet demo failed"
[ -s demo.pdf ] && [ -s demo.vld ] || fail "mathsheet demo wrote no PDF or no document"
env -u VL_DATA_DIR /usr/bin/mathsheet modeles >modeles.txt || fail "mathsheet modeles failed"
grep -q '^CE1 *ce1-heures ' modeles.txt \
  || fail "mathsheet modeles does not list the installed ready-made sheets"
env -u VL_DATA_DIR /usr/bin/mathsheet build modele:ce1-heures >/dev/null \
  || fail "mathsheet build modele:ce1-heures failed"
[ -s ce1-heures.pdf ] || fail "mathsheet build modele:ce1-heures wrote no PDF"
env -u VL_DATA_DIR QT_QPA_PLATFORM=offscreen /usr/bin/vorlane demo.vld --screenshot demo.png \
  2>/dev/null || fail "vorlane --screenshot failed"
[ -s demo.png ] || fail "vorlane wrote no screenshot"

desktop-file-validate /usr/share/applications/vorlane.desktop \
  || fail "the desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/org.vorlane.Vorlane.metainfo.xml >/dev/null \
  || fail "the metainfo file is not valid"
for f in /usr/share/man/man1/mathsheet.1* /usr/share/icons/hicolor/64x64/apps/vorlane.png \
    /usr/share/vorlane-math/Sudoku17.dat; do
  [ -f "$f" ] || fail "$f is not installed"
done
apt remove -y "$package" >/dev/null
[ ! -e /usr/bin/mathsheet ] || fail "the package left /usr/bin/mathsheet behind"
echo "package-check: $(basename "$deb") installs, runs its demo, validates and is removed"
