#!/usr/bin/env bash
# Runs a command on a desktop as users have it: an X display with a window
# manager. Dialogs, closes, moves and focus behave differently without one, so
# every GUI test runs through this script.
#
#   scripts/desktop-run.sh [--screen WxH] [--wm openbox|metacity] command [args...]
#
# Without a display (DISPLAY unset), it starts a virtual one (xvfb-run, of the
# size given, 1600x1200 by default) with the window manager on it. On a display
# that no window manager manages yet, it starts the window manager there for the
# run. On a desktop that has one, it runs the command as it is.
set -euo pipefail

screen="1600x1200"
wm="openbox"
while (($#)); do
  case "$1" in
    --screen) screen="$2"; shift 2 ;;
    --wm) wm="$2"; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
(($#)) || { echo "usage: $0 [--screen WxH] [--wm openbox|metacity] command [args...]" >&2; exit 2; }

# Whether the display has a window manager: it names its check window on the root.
wm_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" "$0" --wm "$wm" "$@"
fi

if wm_running; then
  exec "$@"
fi

wm_log=$(mktemp)
wm_pid=""
trap '[[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null; wait 2>/dev/null || true; rm -f "$wm_log"' EXIT
# A busy X server now and then refuses a new client, and a loaded machine can
# take seconds to start one: a few tries.
for _ in 1 2 3 4 5; do
  case "$wm" in
    openbox) openbox --sm-disable >"$wm_log" 2>&1 & ;;
    metacity) metacity --replace >"$wm_log" 2>&1 & ;;
    *) echo "$0: unknown window manager $wm" >&2; exit 2 ;;
  esac
  wm_pid=$!
  for _ in $(seq 1 200); do
    wm_running && break
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
  done
  wm_running && break
  kill "$wm_pid" 2>/dev/null || true
  sleep 0.5
done
if ! wm_running; then
  echo "$0: $wm did not take the display:" >&2
  cat "$wm_log" >&2
  exit 1
fi

status=0
"$@" || status=$?
exit "$status"
