#!/usr/bin/env bash
# The desktop files as the desktop's own tools judge them, the command line
# answered before any window, and the .deb: it holds every installed file
# and its dependencies come from the libraries the game links.
# Usage: package_test.sh <tangloop binary> <game folder>
set -euo pipefail
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tangloop-package-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

BUILD=$(cd "$(dirname "$1")" && pwd)
PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null || fail "cmake --install"
ID=$(basename "$(ls "$PREFIX"/share/applications/*.desktop)" .desktop)
[ "$ID" = "$(echo "$ID" | tr A-Z a-z)" ] || fail "the desktop id $ID is not lower case"

# --- Every installed file the desktop looks for, under the one id ---
for f in bin/tangloop share/tangloop/menusetup.txt share/tangloop/levels.txt share/tangloop/label.bmp share/tangloop/label2x.bmp \
         share/metainfo/$ID.metainfo.xml share/man/man6/tangloop.6 \
         share/icons/hicolor/scalable/apps/$ID.svg; do
    [ -f "$PREFIX/$f" ] || fail "not installed: $f"
done
for side in 32 48 64 128 256; do
    icon=$PREFIX/share/icons/hicolor/${side}x${side}/apps/$ID.png
    [ "$(identify -format '%wx%h %[channels]' "$icon" 2>/dev/null)" = "${side}x${side} srgba" ] ||
        fail "icon $icon: $(identify "$icon" 2>&1)"
done
grep -qx "StartupWMClass=$ID" "$PREFIX/share/applications/$ID.desktop" || fail "StartupWMClass is not $ID"
grep -q "<id>$ID</id>" "$PREFIX/share/metainfo/$ID.metainfo.xml" || fail "the AppStream id is not $ID"
# Nothing a run of the game wrote into the build's folder is shipped.
stray=$(cd "$PREFIX/share/tangloop" && find . -name '*.log' -o -name config.txt -o -name '*.TXT' -o -name settings.txt)
[ -z "$stray" ] || fail "run-time files installed: $stray"

# --- The desktop's validators ---
out=$(desktop-file-validate "$PREFIX/share/applications/$ID.desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --pedantic "$PREFIX/share/metainfo/$ID.metainfo.xml" >"$WORK/as.txt" 2>&1 ||
    fail "appstreamcli: $(cat "$WORK/as.txt")"
out=$(groff -man -ww -z "$PREFIX/share/man/man6/tangloop.6" 2>&1)
[ -z "$out" ] || fail "groff: $out"
out=$(MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man6/tangloop.6" 2>&1 >"$WORK/manual")
[ -z "$out" ] || fail "man -l: $out"

# --- The command line, with no display: any window attempt would fail ---
( unset DISPLAY WAYLAND_DISPLAY
  "$PREFIX/bin/tangloop" --help >"$WORK/help" 2>"$WORK/help.err" || fail "--help did not exit 0"
  [ -s "$WORK/help" ] && [ ! -s "$WORK/help.err" ] || fail "--help must print the usage on stdout only"
  # Every option the usage names is described in the manual.
  options=$(grep -o -- '--[a-z][a-z-]*' "$WORK/help" | sort -u)
  for option in --data-dir --user-dir --help --version; do
      grep -q -- "$option" "$WORK/help" || fail "usage lacks $option"
  done
  # Into a file first: grep -q leaving a pipe early would fail the pipeline.
  col -b <"$WORK/manual" >"$WORK/manual.txt"
  for option in $options; do
      grep -q -- "$option" "$WORK/manual.txt" || fail "manual lacks $option"
  done
  [ "$("$PREFIX/bin/tangloop" --version)" = "tangloop $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
      "$PREFIX/share/metainfo/$ID.metainfo.xml")" ] || fail "--version does not match the release"
  for bad in --bogus "--data-dir" "--help=1" "one two" "--edit a b"; do
      status=0
      "$PREFIX/bin/tangloop" $bad >"$WORK/out" 2>"$WORK/err" || status=$?
      [ "$status" = 2 ] || fail "$bad: exit code $status, not 2"
      [ ! -s "$WORK/out" ] && grep -q '^Usage: tangloop' "$WORK/err" || fail "$bad: no usage on stderr"
  done
  # A level file that cannot be opened ends the run before any window.
  status=0
  "$PREFIX/bin/tangloop" "$WORK/none.txt" >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" = 1 ] && grep -q "none.txt: no such file" "$WORK/err" || fail "a missing level file: exit $status, $(cat "$WORK/err")"
  status=0
  "$PREFIX/bin/tangloop" --data-dir "$WORK/none" 2>"$WORK/err" || status=$?
  [ "$status" = 1 ] && grep -q "$WORK/none" "$WORK/err" || fail "a missing data folder: exit $status, $(cat "$WORK/err")"
  mkdir -p "$WORK/empty"
  status=0
  "$PREFIX/bin/tangloop" --data-dir "$WORK/empty" 2>"$WORK/err" || status=$?
  [ "$status" = 1 ] && grep -q "holds no game data" "$WORK/err" || fail "an empty data folder: exit $status, $(cat "$WORK/err")"
  # A good start with no display says so in one line and ends with 1.
  status=0
  HOME=$WORK/home XDG_DATA_HOME=$WORK/xdg XDG_STATE_HOME=$WORK/xdg XDG_CONFIG_HOME=$WORK/xdg \
      "$PREFIX/bin/tangloop" >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" = 1 ] && [ "$(wc -l <"$WORK/err")" = 1 ] && grep -q "no display" "$WORK/err" ||
      fail "no display: exit $status, $(cat "$WORK/err")"
) || exit 1

# --- The .deb ---
(cd "$BUILD" && cpack -G DEB -B "$WORK/deb" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(cat "$WORK/cpack.log")"
DEB=$(ls "$WORK"/deb/*.deb)
dpkg-deb -c "$DEB" | awk '{ print $NF }' | sed 's|^\./usr/||' >"$WORK/deb-files"
(cd "$PREFIX" && find . -type f | sed 's|^\./||') | sort >"$WORK/installed"
missing=$(grep -vxF -f "$WORK/deb-files" "$WORK/installed" || true)
[ -z "$missing" ] || fail "not in the .deb: $missing"
dpkg-deb -f "$DEB" Depends | grep -q 'libsdl2' || fail "the .deb does not depend on SDL: $(dpkg-deb -f "$DEB" Depends)"
[ "$(dpkg-deb -f "$DEB" Section)" = games ] || fail "the .deb's section is not games"
for field in Version Maintainer Description; do
    [ -n "$(dpkg-deb -f "$DEB" "$field")" ] || fail "the .deb has no $field"
done
echo "PASS package_test ($(basename "$DEB"), $(stat -c %s "$DEB") bytes)"
