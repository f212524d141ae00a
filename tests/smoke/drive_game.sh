# Drives the real game in a window on a virtual desktop, as a player would,
# with xdotool; sourced by the smoke and install tests. Positions are given in
# screen pixels (the game's 1024 x 710) and turned into window pixels through
# the window's present size, as the game fits its screen into the window.
#   needs: PROBE (the window_probe program), WINDOW (set by game_window)

# Waits for the game's window; sets WINDOW.
game_window() {
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '.' 2>/dev/null | head -n 1)
  [ -n "$WINDOW" ]
}

# The screen's place in the window: FIT_LEFT FIT_TOP FIT_WIDTH FIT_HEIGHT
# (the arithmetic of src/shell/window_scaling.cpp).
window_fit() {
  local size width height
  size=$("$PROBE" "$WINDOW" size) || return 1
  read -r width height <<<"$size"
  if (( width * 710 <= height * 1024 )); then
    FIT_WIDTH=$width
    FIT_HEIGHT=$(( (2 * width * 710 + 1024) / 2048 ))
  else
    FIT_HEIGHT=$height
    FIT_WIDTH=$(( (2 * height * 1024 + 710) / 1420 ))
  fi
  FIT_LEFT=$(( (width - FIT_WIDTH) / 2 ))
  FIT_TOP=$(( (height - FIT_HEIGHT) / 2 ))
}

# The window pixel in the middle of screen pixel x or y.
window_x() { echo $(( FIT_LEFT + ((2 * $1 + 1) * FIT_WIDTH) / 2048 )); }
window_y() { echo $(( FIT_TOP + ((2 * $1 + 1) * FIT_HEIGHT) / 1420 )); }

# A press and release at screen pixel (x, y), held long enough for the game's
# polls to see it.
click_screen() {
  xdotool mousemove --window "$WINDOW" "$(window_x "$1")" "$(window_y "$2")" mousedown 1
  sleep 0.3
  xdotool mouseup 1
}

# A press at screen pixel (x, y), a drag of (dx, dy) WINDOW pixels, a release.
drag_window_pixels() {
  local x y
  x=$(window_x "$1"); y=$(window_y "$2")
  xdotool mousemove --window "$WINDOW" "$x" "$y" mousedown 1
  sleep 0.3
  xdotool mousemove --window "$WINDOW" $(( x + $3 )) $(( y + $4 ))
  sleep 0.3
  xdotool mouseup 1
}

# True while the window shows the same picture for a second.
window_still() {
  local first second
  first=$("$PROBE" "$WINDOW" hash) || return 1
  sleep 1
  second=$("$PROBE" "$WINDOW" hash) || return 1
  [ "$first" = "$second" ]
}

# True when the play screen is up: its ivory bottom bar is where the title
# screen and the start menu are dark.
play_screen_shown() {
  local r g b
  read -r r g b <<<"$("$PROBE" "$WINDOW" pixel "$(window_x 300)" "$(window_y 692)")"
  (( r + g + b > 450 ))
}

# Clicks through the title screen and the start menu's "new game" entry
# until the play screen stands still, its level intro over. At most
# `limit` seconds.
begin_new_game() {
  local limit=${1:-180} started=$SECONDS
  while (( SECONDS - started < limit )); do
    if play_screen_shown && window_still && play_screen_shown; then
      return 0
    fi
    # On the title screen a click anywhere; in the menu this is "new game";
    # on the board, a click on a cube without a drag moves nothing.
    window_fit
    click_screen 515 385
    sleep 0.5
  done
  echo "the play screen did not come up within $limit s"
  return 1
}

# Holds Escape until the game has ended (it polls, so a tap could fall
# between two polls); sets GAME_STATUS to its exit status.
quit_with_escape() {
  local pid=$1
  xdotool windowfocus --sync "$WINDOW" keydown Escape 2>/dev/null
  for _ in $(seq 1 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  xdotool keyup Escape 2>/dev/null
  if kill -0 "$pid" 2>/dev/null; then
    echo "the game did not end"
    kill "$pid"
    wait "$pid"
    GAME_STATUS=1
    return 1
  fi
  wait "$pid"
  GAME_STATUS=$?
}

# The move counter of a save file: the 14th number of its first line.
saved_move_count() {
  awk 'NR == 1 { print $14 }' "$1"
}
