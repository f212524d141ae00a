#!/usr/bin/env bash
# The real game in a real window on a virtual desktop: it opens a 1024 x 710
# window, and Escape ends it with status 0. Run from the repository root.
set -u
zor="$1"
if [ "${2:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$zor" --inside
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
# Held down until the game ends: the game polls, so a quick tap could fall
# between two polls.
xdotool windowfocus --sync "$window" keydown Escape
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
xdotool keyup Escape 2>/dev/null
if kill -0 "$pid" 2>/dev/null; then
  echo "Escape did not end the game"; kill "$pid"; exit 1
fi
wait "$pid"
status=$?
echo "exit status $status"
exit "$status"
