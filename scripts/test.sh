#!/usr/bin/env bash
# The project's test command: installs what is missing, builds, and runs every
# test (the GUI tests under Xvfb when there is no display), then the
# sanitizer build of the toolkit-free code.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --asan

run_ctest() {
  if [[ -z "${DISPLAY:-}" ]]; then
    xvfb-run -a -s "-screen 0 1600x1200x24" ctest --test-dir "$1" --output-on-failure
  else
    ctest --test-dir "$1" --output-on-failure
  fi
}

echo "== tests (build/)"
run_ctest build
echo "== tests under AddressSanitizer (build-asan/)"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure
