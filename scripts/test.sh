#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test in the default and sanitizer presets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for preset in default asan; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
