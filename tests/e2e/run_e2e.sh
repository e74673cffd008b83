#!/usr/bin/env bash
# Runs one end-to-end script against the real executable: its own X display, D-Bus session and
# accessibility bus. Usage: run_e2e.sh <script.py> <Corvane executable> [more arguments]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
script="$1"
shift
export PYTHONPATH="$here"
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 "$here/$script" "$@"
