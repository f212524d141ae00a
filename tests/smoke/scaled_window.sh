#!/usr/bin/env bash
# The real game in a window resized to 1400 x 900 on a virtual desktop: the
# screen is shown 1.27 times as large between black bars, and the game is
# played through it. Every position is turned into window pixels, so the
# title, the menu's "new game" entry and the cubes are hit where the window
# shows them; a drag of 12 screen pixels (16 window pixels: a swipe, were the
# mouse not mapped) rolls nothing, and one of 18 screen pixels rolls a cube
# that only the mapped mouse reaches. The save then holds exactly one move.
# Runs in a scratch folder whose media/ links to the repository's.
#   scaled_window.sh ZOR WINDOW_PROBE MEDIA_FOLDER
set -u
zor="$1"
PROBE="$2"
media="$3"
if [ "${4:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1400x1000x24" bash "$0" "$zor" "$PROBE" "$media" --inside
fi
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/drive_game.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/media"
for file in "$media"/*; do
  case "${file##*/}" in data.txt|miniaturki.png|README) ;; *) ln -s "$file" "$scratch/media/" ;; esac
done
cd "$scratch"

"$zor" 2>"$scratch/stderr.txt" &
pid=$!
if ! game_window; then
  echo "no window appeared"; cat "$scratch/stderr.txt"; kill "$pid" 2>/dev/null; exit 1
fi
# 1400 x 1000 less room for a frame holds no second multiple: 1024 x 710.
echo "opened at $("$PROBE" "$WINDOW" size)"
[ "$("$PROBE" "$WINDOW" size)" = "1024 710" ] || { echo "wrong opening size"; kill "$pid"; exit 1; }

xdotool windowsize "$WINDOW" 1400 900
sleep 1
window_fit
echo "resized to $("$PROBE" "$WINDOW" size): the screen at $FIT_LEFT, $FIT_TOP, $FIT_WIDTH x $FIT_HEIGHT"
[ "$FIT_LEFT $FIT_TOP $FIT_WIDTH $FIT_HEIGHT" = "51 0 1298 900" ] || { echo "unexpected fit"; kill "$pid"; exit 1; }

begin_new_game 240 || { kill "$pid"; exit 1; }
echo "the play screen is up"

# The bars are black, the picture begins right after them.
read -r r g b <<<"$("$PROBE" "$WINDOW" pixel 50 450)"
[ $((r + g + b)) -eq 0 ] || { echo "the left bar is not black: $r $g $b"; kill "$pid"; exit 1; }
read -r r g b <<<"$("$PROBE" "$WINDOW" pixel 1349 450)"
[ $((r + g + b)) -eq 0 ] || { echo "the right bar is not black: $r $g $b"; kill "$pid"; exit 1; }

# Cube 6's middle is screen pixel (558, 348). 16 window pixels are 12.6
# screen pixels: no swipe.
drag_window_pixels 558 348 16 0
sleep 2
# Cube 12's middle is screen pixel (864, 501), window pixel (1146, 636):
# unmapped, that is off the board. 23 window pixels are 18 screen pixels.
drag_window_pixels 864 501 23 0
for _ in $(seq 1 30); do window_still && break; done

quit_with_escape "$pid"
echo "exit status $GAME_STATUS"
[ "$GAME_STATUS" -eq 0 ] || { cat "$scratch/stderr.txt"; exit 1; }
[ -f media/data.txt ] || { echo "no save written"; exit 1; }
moves=$(saved_move_count media/data.txt)
echo "moves in the save: $moves"
[ "$moves" = "1" ] || { echo "wanted exactly 1 move"; exit 1; }
echo "the scaled window plays"
