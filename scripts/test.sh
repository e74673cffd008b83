#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the whole suite in the default
# preset and under AddressSanitizer + UndefinedBehaviorSanitizer, a minute of fuzzing for each
# libFuzzer target, a real print through CUPS, and the Debian package built, validated,
# installed and started.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
echo "=== formatting ==="
clang-format --dry-run --Werror $(git ls-files '*.cpp' '*.h')
for preset in default asan; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "=== fuzzing ==="
bash fuzz/run_fuzzers.sh 60
echo "=== print through CUPS ==="
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO bash tests/e2e/print_through_cups.sh build/default/app/Corvane
echo "=== Debian package ==="
$SUDO bash packaging/check_package.sh
