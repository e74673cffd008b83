#!/usr/bin/env bash
# Builds the Debian package, validates its desktop entry and AppStream metainfo, installs it
# with apt-get, starts the program through its menu entry's command, and removes it again.
# Usage: packaging/check_package.sh    (after the default preset is built; needs root)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
stage="$(mktemp -d)"
installed=""
cleanup() {
  rm -rf "$stage"
  [ -n "$installed" ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq corvane >/dev/null || true
}
trap cleanup EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$stage/usr/share/applications/org.example.Corvane.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.example.Corvane.metainfo.xml"
test -f "$stage/usr/share/icons/hicolor/32x32/apps/org.example.Corvane.png"

(cd "$build" && cpack >/dev/null)
deb="$(ls "$build"/corvane_*.deb)"
dpkg-deb --field "$deb" Depends
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
installed=yes
command="$(sed -n 's/^Exec=//p' /usr/share/applications/org.example.Corvane.desktop)"
tests/e2e/run_e2e.sh smoke_test.py "$(command -v "$command")"
