#!/usr/bin/env bash
# The real game against faults of its media and of the machine, in a real
# window on a virtual desktop. Each case runs in a scratch folder of its own
# with a copy of the repository's media/:
#   - a sprite sheet, a background or a font cut short: one message box, and
#     once it is closed the game ends with status 1 (it used to hang);
#   - a FIFO for the text table, a folder for the save: the game starts
#     (it used to block) and Escape ends it with status 0;
#   - a media folder the player may not write (run as the user nobody) and a
#     full disk (a small tmpfs, needs root): an earlier save is continued, the
#     game says it cannot save, ends with status 0, and the earlier save is
#     byte for byte as it was;
#   - audio through ALSA's null device, with a sound claiming 4 GB of data
#     (the library's loader would ask for 2^64 bytes): the game plays on
#     without that sound.
# Never a signal, never a hang: every wait is bounded.
#   machine_faults.sh ZOR
set -u
if [ "${2:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$1" --inside
fi
repository="$(pwd)"
scratch="$(mktemp -d /tmp/zor-faults-XXXXXX)"
chmod 755 "$scratch"
mounted=""
cleanup() {
  [ -n "$mounted" ] && umount -l "$mounted"
  rm -rf "$scratch"
}
trap cleanup EXIT
# A copy another user can run.
cp "$1" "$scratch/zor"
chmod 755 "$scratch/zor"
failures=0
earlier_save="$repository/tests/fuzz/corpus/save_file/dealt_level_1.txt"

fail() {
  echo "FAIL ($case): $*"
  [ -f "$folder/stderr.txt" ] && grep '^zor\|^  ' "$folder/stderr.txt" | sed 's/^/  stderr: /' 
  failures=$((failures + 1))
}

# A folder of its own for a case, with a copy of the media the game reads.
new_case() {
  case=$1
  folder="$scratch/$case"
  mkdir -p "$folder/media"
  chmod 755 "$folder"
  local medium
  for medium in "$repository"/media/*; do
    case "$(basename "$medium")" in data.txt|miniaturki.png) continue ;; esac
    cp "$medium" "$folder/media/"
  done
  echo "case $case"
}

# Starts the game in the case's folder (through `as`, a command prefix, when
# given) and waits for its window.
start_game() {
  (cd "$folder" && exec ${as:-} "$scratch/zor" 2>"$folder/stderr.txt") &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '.' 2>/dev/null | head -n 1)
  [ -n "$window" ] || { fail "no window appeared"; kill -9 "$pid" 2>/dev/null; return 1; }
}

# The message box: a window called ZOR that is not the game's. Clicks its
# OK button. False when none appears within `seconds`.
close_message() {
  local seconds=$1 box=""
  for _ in $(seq 1 $((seconds * 5))); do
    for candidate in $(xdotool search --onlyvisible --name 'ZOR' 2>/dev/null); do
      [ "$candidate" != "$window" ] && [ "$(xdotool getwindowname "$candidate")" = "ZOR" ] && box=$candidate
    done
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
  [ -n "$box" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$box")"
  sleep 0.3
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 15)) click 1
}

# Waits up to 15 seconds for the game to end with `expected` status.
expect_end() {
  local expected=$1
  for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    fail "the game did not end (hung)"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null
    return
  fi
  wait "$pid"
  local status=$?
  [ "$status" = "$expected" ] || fail "exit status $status, not $expected"
}

# Through the title and the start menu: holds the button through the title's
# fade-in, then holds Escape until the game ends.
leave_from_the_menu() {
  xdotool mousemove --window "$window" 512 600 mousedown 1
  sleep 3
  xdotool mouseup 1
  xdotool keydown Escape
  expect_end 0
  xdotool keyup Escape
}

# Clicks the menu's continue entry once a second until standard error shows
# the level was set up (its thumbnails could not be written).
continue_the_earlier_game() {
  for _ in $(seq 1 40); do
    xdotool mousemove --window "$window" 515 305 mousedown 1
    sleep 0.15
    xdotool mouseup 1
    sleep 1
    grep -q "miniatur" "$folder/stderr.txt" && return 0
    kill -0 "$pid" 2>/dev/null || break
  done
  fail "the level was never set up"
  return 1
}

named_once() {
  local count
  count=$(grep -o "media/$1 (" "$folder/stderr.txt" | wc -l)
  [ "$count" = 1 ] || fail "media/$1 named $count times on standard error"
}

# ---- Media cut short: a message, then status 1.
for damage in ele.png:60 ele.png:end t2.jpg:half arial.ttf:half; do
  file=${damage%%:*}
  new_case "cut-${file}-${damage##*:}"
  size=$(stat -c %s "$folder/media/$file")
  case ${damage##*:} in
    60) keep=60 ;;
    half) keep=$((size / 2)) ;;
    end) keep=$((size - 12)) ;;   # all but the PNG's end chunk
  esac
  head -c "$keep" "$repository/media/$file" >"$folder/media/$file"
  start_game || continue
  close_message 20 || fail "no message box"
  expect_end 1
  named_once "$file"
done

# ---- Things in the place of files: the game still starts.
new_case fifo-texts
rm "$folder/media/teksty.txt"
mkfifo "$folder/media/teksty.txt"
if start_game; then
  leave_from_the_menu
  grep -q "media/teksty.txt (to nie jest zwykły plik)" "$folder/stderr.txt" || fail "the FIFO was not named"
fi

new_case folder-save
mkdir "$folder/media/data.txt"
if start_game; then
  leave_from_the_menu
  [ -d "$folder/media/data.txt" ] || fail "the folder in the save's place is gone"
fi

# ---- An earlier save that cannot be replaced: read-only media, a full disk.
prepare_earlier_save() {
  cp "$earlier_save" "$folder/media/data.txt"
  cp "$repository/media/ele.png" "$folder/media/miniaturki.png"   # any PNG serves as a sheet
}

play_unsaveable_session() {
  start_game || return
  continue_the_earlier_game || { kill -9 "$pid"; return; }
  # Held through the level's intro; the loop then leaves and cannot save.
  xdotool keydown Escape
  close_message 40 || fail "no message about the lost save"
  xdotool keyup Escape
  expect_end 0
  cmp -s "$earlier_save" "$folder/media/data.txt" || fail "the earlier save changed"
  cmp -s "$repository/media/ele.png" "$folder/media/miniaturki.png" || fail "the earlier thumbnails changed"
  stray=$(find "$folder/media" -name '.*' ! -name .filler ! -name .generated)
  [ -z "$stray" ] || fail "scratch files left: $stray"
  grep -q "nie udało się zapisać gry w media/data.txt" "$folder/stderr.txt" || fail "the lost save was not told"
}

new_case read-only-media
prepare_earlier_save
chmod 555 "$folder/media"
cp "${XAUTHORITY:-$HOME/.Xauthority}" "$folder/xauthority"
chmod 644 "$folder/xauthority"
as="setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=$folder XAUTHORITY=$folder/xauthority"
play_unsaveable_session
as=""
grep -q "Permission denied" "$folder/stderr.txt" || fail "no word of the folder's permissions"

new_case full-disk
prepare_earlier_save
mv "$folder/media" "$folder/media-outside"
mkdir "$folder/media"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=1m tmpfs "$folder/media" 2>/dev/null; then
  mounted="$folder/media"
  for file in "$folder"/media-outside/*; do
    case "$(basename "$file")" in
      data.txt|miniaturki.png) cp "$file" "$folder/media/" ;;
      *) ln -s "$file" "$folder/media/" ;;
    esac
  done
  dd if=/dev/zero of="$folder/media/.filler" bs=4k 2>/dev/null
  play_unsaveable_session
  grep -q "No space left on device" "$folder/stderr.txt" || fail "no word of the full disk"
  umount -l "$mounted"
  mounted=""
else
  echo "SKIP (full-disk): mounting a small tmpfs needs root and the right to mount"
fi

# ---- Audio through ALSA's null device.
new_case audio-huge-sound
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$folder/.asoundrc"
# The data chunk's length becomes 0xFFFFFFF0.
at=$(grep -obUa 'data' "$folder/media/s5.wav" | head -n 1 | cut -d: -f1)
printf '\xf0\xff\xff\xff' | dd of="$folder/media/s5.wav" bs=1 seek=$((at + 4)) conv=notrunc 2>/dev/null
as="env HOME=$folder"
if start_game; then
  leave_from_the_menu
  grep -q "brak dźwięku" "$folder/stderr.txt" && fail "no audio, even through the null device"
  named_once s5.wav
fi
as=""

echo "$failures failure(s)"
[ "$failures" = 0 ]
