#!/usr/bin/env bash
# The installed command's contract with the player's folder, without a
# window: the game itself is replaced by a stand-in that reports where it
# runs. Installs the build into a temporary prefix with `cmake --install`.
#   launcher_test.sh BUILD_FOLDER SOURCE_FOLDER
set -u
build="$1"
source_folder="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
check() {   # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || {
  cat "$scratch/install.log"; echo "FAIL cmake --install"; exit 1; }
shipped="$prefix/share/games/zor"

# Every file the media generator makes is shipped, but the fonts' licence
# where the fonts are links to the system's.
missing=""
while read -r _ _ name; do
  [ "$name" = LICENSE-fonts.txt ] && [ -L "$shipped/arial.ttf" ] && continue
  [ -e "$shipped/$name" ] || missing="$missing $name"
done < <(grep -v '^#' "$source_folder/media/.generated")
check "every generated media file is shipped${missing:+ (missing:$missing)}" test -z "$missing"
check "nothing of a player's is shipped" test ! -e "$shipped/data.txt" -a ! -e "$shipped/miniaturki.png"

# The stand-in game: says where it runs, lists its media folder, exits 7.
cat >"$prefix/libexec/zor/zor" <<'EOF'
#!/bin/sh
pwd -P > ran-here.txt
exit 7
EOF
chmod 755 "$prefix/libexec/zor/zor"

run() {   # run HOME XDG_DATA_HOME: runs the command, sets STATUS
  env -u XDG_DATA_HOME HOME="$1" ${2:+XDG_DATA_HOME="$2"} "$prefix/games/zor" \
    >"$scratch/out.txt" 2>"$scratch/err.txt"
  STATUS=$?
}
links_to_shipped() {   # every shipped file has a link to it in FOLDER/media
  local folder=$1 file
  for file in "$shipped"/*; do
    [ "$(readlink "$folder/media/${file##*/}")" = "$file" ] || return 1
  done
}

# A first run with XDG_DATA_HOME unset: ~/.local/share/zor.
mkdir -p "$scratch/home1"
run "$scratch/home1" ""
folder="$scratch/home1/.local/share/zor"
check "the game's exit status is passed on" test "$STATUS" -eq 7
check "HOME alone: the folder is ~/.local/share/zor" test -d "$folder/media"
check "the game runs in the player's folder" \
  test "$(cat "$folder/ran-here.txt" 2>/dev/null)" = "$(cd "$folder" && pwd -P)"
check "its media/ links to every shipped file" links_to_shipped "$folder"
check "and holds nothing else" \
  test "$(ls "$folder/media" | wc -l)" -eq "$(ls "$shipped" | wc -l)"

# XDG_DATA_HOME wins over HOME.
run "$scratch/home1" "$scratch/xdg2"
check "XDG_DATA_HOME set: the folder is \$XDG_DATA_HOME/zor" links_to_shipped "$scratch/xdg2/zor"

# A player's own files stay; a link that leads nowhere is made anew.
media="$folder/media"
rm "$media/b1.jpg" "$media/p2.jpg" "$media/w3.jpg"
echo "my own picture" >"$media/b1.jpg"
echo "1 2 3" >"$media/data.txt"
echo "sheet" >"$media/miniaturki.png"
ln -s "$scratch/my-landscape.jpg" "$media/p2.jpg"; echo "landscape" >"$scratch/my-landscape.jpg"
ln -s "$scratch/old-install/w3.jpg" "$media/w3.jpg"
run "$scratch/home1" ""
check "a run with the player's own files ends as the game ends" test "$STATUS" -eq 7
check "the player's own picture stays" test "$(cat "$media/b1.jpg")" = "my own picture" -a ! -L "$media/b1.jpg"
check "the player's save and thumbnails stay" \
  test "$(cat "$media/data.txt")" = "1 2 3" -a "$(cat "$media/miniaturki.png")" = sheet
check "the player's own link stays" test "$(readlink "$media/p2.jpg")" = "$scratch/my-landscape.jpg"
check "a dangling link of an older install is made anew" test "$(readlink "$media/w3.jpg")" = "$shipped/w3.jpg"

# The command reached through a link of its own (as from a bin folder).
mkdir -p "$scratch/bin"; ln -s "$prefix/games/zor" "$scratch/bin/zor"
env HOME="$scratch/home3" XDG_DATA_HOME= "$scratch/bin/zor" >/dev/null 2>&1
check "through a link to the command, the install is found" links_to_shipped "$scratch/home3/.local/share/zor"

# A folder that cannot be made: a clear message and status 1, no game.
echo "a file, not a folder" >"$scratch/not-a-folder"
run "$scratch/home1" "$scratch/not-a-folder"
check "a per-user folder that cannot be made: status 1" test "$STATUS" -eq 1
check "and a message naming it" grep -q "not-a-folder/zor/media" "$scratch/err.txt"
cat "$scratch/err.txt"
run "" ""
check "neither HOME nor XDG_DATA_HOME: status 1" test "$STATUS" -eq 1
cat "$scratch/err.txt"

if [ "$failures" -eq 0 ]; then echo "the launcher keeps its contract"; else echo "$failures checks failed"; fi
[ "$failures" -eq 0 ]
