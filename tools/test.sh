#!/usr/bin/env bash
# Installs what is needed, builds with the sanitizers and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
# A CUPS PDF queue for the test that prints through CUPS (it skips when there is none).
"$root/tools/start-cups-pdf.sh"
"$root/tools/build.sh" build-test -DTABULON_SANITIZE=ON -DTABULON_TESTS=ON
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
cd "$root/build-test"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
