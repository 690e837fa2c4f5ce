#!/usr/bin/env bash
# The project's test command: installs what is missing, builds, checks the
# sources' size and includes (scripts/check-sources.sh), and runs every test,
# then the sanitizer build of the toolkit-free code. The GUI tests run on
# a desktop with a window manager: ctest starts each of them through
# scripts/desktop-run.sh (a virtual display with openbox when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --asan
scripts/check-sources.sh

echo "== tests (build/)"
ctest --test-dir build --output-on-failure -j2
echo "== tests under AddressSanitizer (build-asan/)"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure
