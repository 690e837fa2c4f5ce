#!/usr/bin/env bash
# Builds the program (scripts/setup.sh: missing packages, configure, build)
# and starts it on its program folder build/program/.
#
# Without a display (no DISPLAY), it says so, starts the program on a virtual
# desktop (scripts/desktop-run.sh: Xvfb and openbox),
# waits for the main window, saves a screenshot of it and ends the program:
#
#   scripts/run.sh                    the program, on the display
#   scripts/run.sh --screenshot FILE  where the headless screenshot goes
#                                     (default build/quillory-screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."

screenshot="build/quillory-screenshot.png"
if [[ "${1:-}" == "--screenshot" && -n "${2:-}" ]]; then screenshot="$2"; fi

scripts/setup.sh
program="$PWD/build/program/Quillory"

# A program folder without a collection yet starts on the demo collection:
# sixty invented albums with a few covers, loans and a note. A collection
# already there, even an empty one, is never replaced.
folder="$PWD/build/program"
if [[ ! -e "$folder/data/quillory.db" ]]; then
  cp -n resources/demo/data/* "$folder/data/"
  cp -n resources/demo/images/* "$folder/images/"
  echo "Demo collection laid out in $folder (remove data/quillory.db there to start again from it)"
fi

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$program"
fi

# ---- No display: the program under Xvfb, and a screenshot of its window ----
if ! command -v import >/dev/null; then
  echo "Installing imagemagick (for the screenshot)"
  sudo=""; [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
fi

echo "No display (DISPLAY is not set): starting Quillory on a virtual desktop (Xvfb, openbox) to take a screenshot of its main window."
mkdir -p "$(dirname "$screenshot")"
export QUILLORY_RUN_PROGRAM="$program" QUILLORY_RUN_SCREENSHOT="$(realpath -m "$screenshot")"
scripts/desktop-run.sh --screen 1600x1000 bash -c '
  set -u
  "$QUILLORY_RUN_PROGRAM" &
  pid=$!
  window=""
  # Poll for the main window every 100 ms (faster polling can upset the toolkit start-up).
  for _ in $(seq 1 300); do
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name "^Quillory : " 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -z "$window" ]]; then
    echo "Quillory showed no main window (see data/quilloryType.cfg in build/program)." >&2
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    exit 1
  fi
  echo "Main window: \"$(xdotool getwindowname "$window")\""
  sleep 1  # let it paint
  import -window "$window" "$QUILLORY_RUN_SCREENSHOT"
  echo "Screenshot: $QUILLORY_RUN_SCREENSHOT"
  kill "$pid"; wait "$pid" 2>/dev/null
  exit 0
'
