#!/usr/bin/env bash
# The real game in a real window on a virtual desktop: it opens a 1024 x 710
# window, and Escape in the start menu (or, given a send_close program, the
# close box on the title screen) ends it with status 0. Run from the
# repository root.
#   play_window.sh ZOR [SEND_CLOSE]
set -u
zor="$1"
send_close="${2:-}"
if [ "${3:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$zor" "$send_close" --inside
fi
"$zor" 2>/tmp/zor-smoke-stderr.txt &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '.' 2>/dev/null | head -n 1)
if [ -z "$window" ]; then
  echo "no window appeared"; cat /tmp/zor-smoke-stderr.txt; kill "$pid" 2>/dev/null; exit 1
fi
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
echo "window $window, geometry $geometry"
[ "$geometry" = "1024x710" ] || { echo "wrong window size"; kill "$pid"; exit 1; }
if [ -n "$send_close" ]; then
  "$send_close" "$window"
else
  # A button held through the title's fade-in ends its wait; Escape is then
  # held down until the game ends: the game polls, so a quick tap could fall
  # between two polls.
  xdotool mousemove --window "$window" 512 600 mousedown 1
  sleep 3
  xdotool mouseup 1
  xdotool windowfocus --sync "$window" keydown Escape
fi
for _ in $(seq 1 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$send_close" ] || xdotool keyup Escape 2>/dev/null
if kill -0 "$pid" 2>/dev/null; then
  echo "the game did not end"; kill "$pid"; exit 1
fi
wait "$pid"
status=$?
echo "exit status $status"
exit "$status"
