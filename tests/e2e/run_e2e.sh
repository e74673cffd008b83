#!/usr/bin/env bash
# Runs one end-to-end script against the real executable with its own X server, D-Bus session
# and accessibility bus. Usage: run_e2e.sh <script.py> <Corvane executable> [more arguments]
# The X server picks a free display itself (-displayfd), so runs side by side never collide.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
script="$1"
shift
work="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work"
export PYTHONPATH="$here"
dbus-run-session -- /usr/bin/python3 "$here/$script" "$@"
