#!/usr/bin/env bash
# Installs what is needed, builds Corvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
echo "The model library and its tests are built; the program's window is not part of this build yet."
