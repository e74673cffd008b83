#!/usr/bin/env bash
# Installs what is needed, builds Corvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
program=build/default/app/Corvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo
  echo "Corvane is built ($program), but there is no display to show its window on."
  echo "Run it from a desktop session, or under a virtual display:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $program"
  exit 0
fi
exec "$program"
