#!/usr/bin/env bash
# A player's sessions with the real game in a real window on a virtual
# desktop, driven with the mouse: click through the title, choose a new
# game, roll a cube, leave with Escape; start again, continue, and find the
# rolled cube as it was; roll once more and have the desktop end the game
# (SIGTERM), which must keep that roll too. Runs in a scratch folder whose
# media/ links to the repository's.
#   play_session.sh ZOR GRAB_REGION
set -u
zor="$(realpath "$1")"
grab="$(realpath "$2")"
if [ "${3:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$1" "$2" --inside
fi
repository="$(pwd)"
scratch="$(mktemp -d /tmp/zor-session-XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/media"
for file in "$repository"/media/*; do
  case "$(basename "$file")" in data.txt|miniaturki.png) continue ;; esac
  ln -s "$file" "$scratch/media/"
done
cd "$scratch" || exit 1
save=media/data.txt
sheet=media/miniaturki.png
cube_x=405; cube_y=195   # the middle of cube 1

fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; cat stderr.txt 2>/dev/null; exit 1; }

start_game() {
  "$zor" 2>>stderr.txt &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '.' 2>/dev/null | head -n 1)
  [ -n "$window" ] || fail "no window appeared"
  geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
  [ "$geometry" = "1024x710" ] || fail "window is $geometry, not 1024x710"
}

# A click the polling game cannot miss: the button stays down a while.
click() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1
  sleep 0.15
  xdotool mouseup 1
}

# Clicks (x, y) once a second until `file` changes from `before`: through the
# title (any click) and on a menu entry, until the level is set up.
click_until_saved() {
  local x=$1 y=$2 before=$3
  for _ in $(seq 1 40); do
    click "$x" "$y"
    sleep 1
    [ -f "$save" ] && [ "$(stat -c %Y.%s "$save" 2>/dev/null)" != "$before" ] && return 0
  done
  fail "the level was never set up"
}

cube() { "$grab" "$window" $((cube_x - 74)) $((cube_y - 74)) 148 148 "$@"; }

# The intro is over once the thumbnail strip and the board stand still.
wait_for_intro() {
  local last="" now
  for _ in $(seq 1 60); do
    now="$("$grab" "$window" 68 0 150 710)$(cube)"
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 1.5
  done
  fail "the intro never came to rest"
}

# Swipes cube 1 to the right; waits until the board shows the roll.
roll_cube() {
  local before after
  before=$(cube)
  for _ in $(seq 1 10); do
    xdotool mousemove --window "$window" $cube_x $cube_y mousedown 1
    for step in 10 20 30 40 50; do
      sleep 0.05
      xdotool mousemove --window "$window" $((cube_x + step)) $cube_y
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 1.5
    after=$(cube)
    [ "$after" != "$before" ] && return 0
  done
  fail "cube 1 never rolled"
}

wait_end() {
  for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not end"
  wait "$pid"
  status=$?
  [ "$status" = 0 ] || fail "exit status $status"
}

moves_in_save() { awk 'NR == 1 { print $14 }' "$save"; }
cube1_in_save() { sed -n '2p;14p' "$save"; }

# ---- First session: a new game, one roll, Escape.
start_game
click_until_saved 515 385 none
[ -f "$sheet" ] || fail "no thumbnail sheet after the level was set up"
wait_for_intro
roll_cube
cube first-roll.ppm >/dev/null
xdotool keydown Escape
wait_end
xdotool keyup Escape
[ "$(moves_in_save)" = 1 ] || fail "the save holds $(moves_in_save) moves, not 1"
rolled=$(cube1_in_save)
echo "first session: one roll saved"

# ---- Second session: continue; the rolled cube is as it was.
start_game
click_until_saved 515 305 "$(stat -c %Y.%s "$save")"
wait_for_intro
[ "$(cube1_in_save)" = "$rolled" ] || fail "cube 1 came back otherwise"
cube continued.ppm >/dev/null
cmp -s first-roll.ppm continued.ppm || fail "cube 1 looks different after continuing"
[ "$(moves_in_save)" = 1 ] || fail "the continued game holds $(moves_in_save) moves"
roll_cube
kill -TERM "$pid"
wait_end
[ "$(moves_in_save)" = 2 ] || fail "SIGTERM kept $(moves_in_save) moves, not 2"
echo "second session: continued as saved; SIGTERM kept the second roll"
grep -q . stderr.txt && { echo "standard error:"; cat stderr.txt; }
exit 0
