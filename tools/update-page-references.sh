#!/usr/bin/env bash
# Rewrites tests/pages/page-references.txt from what every sample page draws now: builds the
# test build (as tools/test.sh does) and runs the page contract test in one process with
# TABULON_UPDATE_PAGE_REFERENCES set. Review the diff of the reference before committing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" build-test -DTABULON_SANITIZE=ON -DTABULON_TESTS=ON
rm -f "$root/tests/pages/page-references.txt"   # drops the pages of files no longer bundled
cd "$root/build-test"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 TABULON_UPDATE_PAGE_REFERENCES=1 \
    ./tabulon-tests --gtest_filter='SampleFiles/RendererContractTest.*' --gtest_brief=1
git -C "$root" diff --stat -- tests/pages/page-references.txt
