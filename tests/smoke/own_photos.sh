#!/usr/bin/env bash
# A player's own photos on the board. Twelve photos made here, each a flat
# colour of its own (landscape JPEGs and portrait PNGs), go into set b with
# zor-pictures; a new game in a real window on a virtual desktop then shows
# six of them in the side panel, and each cube's front face shows a piece of
# one of those six. Afterwards --restore brings back the set's own pictures,
# the very links they were. Runs in a scratch folder whose media/ links to
# the repository's.
#   own_photos.sh ZOR ZOR_PICTURES WINDOW_PROBE MEDIA_FOLDER
set -u
zor="$(realpath "$1")"
pictures="$(realpath "$2")"
PROBE="$(realpath "$3")"
media="$(realpath "$4")"
for program in "$zor" "$pictures" "$PROBE"; do
  [ -x "$program" ] || { echo "FAIL: no program $program"; exit 1; }
done
if [ "${5:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$zor" "$pictures" "$PROBE" "$media" --inside
fi
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/drive_game.sh"

scratch=$(mktemp -d /tmp/zor-photos-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/media" "$scratch/photos"
for file in "$media"/*; do
  case "${file##*/}" in data.txt|miniaturki.png|README) ;; *) ln -s "$file" "$scratch/media/" ;; esac
done
cd "$scratch" || exit 1

fail() {
  echo "FAIL: $*"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  cat stderr.txt 2>/dev/null
  exit 1
}

# Far apart, also once the board's tint (200 of 255) has darkened them.
colours=("255 0 0" "0 255 0" "0 0 255" "255 255 0" "255 0 255" "0 255 255"
         "128 0 0" "0 128 0" "0 0 128" "255 128 0" "128 0 255" "0 128 255")
photos=()
for k in $(seq 1 12); do
  read -r r g b <<<"${colours[k - 1]}"
  if (( k % 2 )); then
    photo="photos/photo$k.jpg"; size=1024x768
  else
    photo="photos/photo$k.png"; size=900x1200
  fi
  convert -size "$size" "xc:rgb($r,$g,$b)" "$photo" || fail "cannot make $photo"
  photos+=("$photo")
done

"$pictures" b "${photos[@]}" >placed.txt 2>&1 || { cat placed.txt; fail "zor-pictures refused the photos"; }
cat placed.txt
[ "$(grep -c ' → obrazek ' placed.txt)" = 12 ] || fail "not a line for each photo"
for k in $(seq 1 12); do
  [ -f "media/b$k.jpg" ] && [ ! -L "media/b$k.jpg" ] || fail "media/b$k.jpg is not the player's picture"
done

# The number (1..12) of the photo whose colour, darkened by `tint` of 255,
# is within 12 of the pixel (r, g, b); 0 for none.
which_photo() {
  local r=$1 g=$2 b=$3 tint=$4 k pr pg pb
  for k in $(seq 1 12); do
    read -r pr pg pb <<<"${colours[k - 1]}"
    pr=$((pr * tint / 255)); pg=$((pg * tint / 255)); pb=$((pb * tint / 255))
    if (( ${r} - pr <= 12 && pr - ${r} <= 12 && ${g} - pg <= 12 && pg - ${g} <= 12 &&
          ${b} - pb <= 12 && pb - ${b} <= 12 )); then
      echo "$k"
      return
    fi
  done
  echo 0
}

# The photo shown at screen pixel (x, y).
photo_at() {
  local r g b
  read -r r g b <<<"$("$PROBE" "$WINDOW" pixel "$(window_x "$1")" "$(window_y "$2")")"
  which_photo "$r" "$g" "$b" "$3"
}

"$zor" 2>stderr.txt &
pid=$!
game_window || fail "no window appeared"
window_fit
begin_new_game 240 || fail "no new game"
# The mouse off the board, and the screen at rest.
xdotool mousemove --window "$WINDOW" 2 2
for _ in $(seq 1 10); do window_still && break; done

# The side panel: six thumbnails, 140 x 100, at x 68 and y 26 + 110 (k - 1).
shown=" "
for k in $(seq 1 6); do
  photo=$(photo_at 138 $((76 + 110 * (k - 1))) 255)
  [ "$photo" != 0 ] || fail "thumbnail $k is none of the photos"
  case "$shown" in *" $photo "*) fail "photo $photo shows twice in the side panel" ;; esac
  shown="$shown$photo "
done
echo "side panel: photos$shown"

# The board: every cube's front face, 150 x 150 at x 330 + 153 col and
# y 120 + 153 row, tinted 200 of 255, shows a piece of one of those six.
faces=""
for row in 0 1 2; do
  for col in 0 1 2 3; do
    photo=$(photo_at $((405 + 153 * col)) $((195 + 153 * row)) 200)
    case "$shown" in *" $photo "*) ;; *) fail "cube in row $row, column $col shows no photo of the level ($photo)" ;; esac
    faces="$faces $photo"
  done
done
echo "front faces: photos$faces"

quit_with_escape "$pid"
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
pid=""

"$pictures" b --restore || fail "--restore failed"
for k in $(seq 1 12); do
  [ "$(readlink "media/b$k.jpg")" = "$media/b$k.jpg" ] || fail "media/b$k.jpg did not come back as it was"
done
[ ! -e media/.oryginaly ] || fail "the kept originals' folder was left behind"
echo "restored: set b is the game's own again"
grep -q . stderr.txt && { echo "standard error:"; cat stderr.txt; }
exit 0
