#!/usr/bin/env bash
# Runs one end-to-end script against the real executable with its own X server, D-Bus session
# and accessibility bus. Usage: run_e2e.sh <script.py> <Corvane executable> [more arguments]
# Each run takes a display number of its own at random from a high range (and another when that
# one is taken), so runs side by side, or one beside a desktop, stay out of each other's way.
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

start_xvfb() {
  local number="$1"
  : >"$work/display"
  # -displayfd reports the display once the server accepts connections; -noreset keeps it from
  # resetting whenever its last client leaves (xdpyinfo, the accessibility bus), which would
  # refuse a client that connects at that moment.
  Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && return 0
    kill -0 "$xvfb" 2>/dev/null || { xvfb=""; return 1; }
    sleep 0.1
  done
  return 1
}
for _ in $(seq 20); do
  start_xvfb $((200 + RANDOM % 700)) && break
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
export XDG_RUNTIME_DIR="$work"
export PYTHONPATH="$here"
status=0
dbus-run-session -- /usr/bin/python3 "$here/$script" "$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- X server log"
  cat "$work/xvfb.log"
  kill -0 "$xvfb" 2>/dev/null && echo "(the X server is still running)" || echo "(the X server has ended)"
fi
exit "$status"
