#!/usr/bin/env bash
# The installed game, played as a player plays it, on a virtual desktop.
#
#   install_play.sh prefix BUILD_FOLDER WINDOW_PROBE
#     `cmake --install` into a temporary prefix; the menu entry and the
#     AppStream file are validated; two players, each with a home of their
#     own, begin a new game and quit: each finds a save in their own folder.
#   install_play.sh deb BUILD_FOLDER WINDOW_PROBE
#     `cpack -G DEB` makes the package; lintian looks at it; it is unpacked
#     with dpkg-deb into a fresh temporary root (see below), and a player
#     begins a new game there and quits, and finds the save.
#
# Either way, the shipped media folder is the same afterwards, file for file.
#
# A fresh root made by debootstrap is not tried: it needs the network archive
# and several minutes per run. The package's dependencies are checked against
# this machine instead (they are all installed here), and the unpacked root
# takes its libraries and fonts from it.
set -u
mode="$1"
build="$(cd "$2" && pwd)"
PROBE="$3"
if [ "${4:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$mode" "$build" "$PROBE" --inside
fi
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../smoke/drive_game.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

case "$mode" in
prefix)
  prefix="$scratch/prefix"
  cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log"; fail "cmake --install"; }
  echo "installed into $prefix"
  for needed in games/zor libexec/zor/zor share/games/zor/t2.jpg \
                share/applications/pl.pracowniaszescian.zor.desktop \
                share/metainfo/pl.pracowniaszescian.zor.metainfo.xml \
                share/icons/hicolor/256x256/apps/pl.pracowniaszescian.zor.png \
                share/icons/hicolor/32x32/apps/pl.pracowniaszescian.zor.png \
                share/man/man6/zor.6.gz share/doc/zor/copyright; do
    [ -e "$prefix/$needed" ] || fail "not installed: $needed"
  done
  echo "desktop-file-validate:"
  desktop-file-validate "$prefix/share/applications/pl.pracowniaszescian.zor.desktop" ||
    fail "desktop-file-validate"
  echo "appstreamcli validate:"
  appstreamcli validate --no-net "$prefix/share/metainfo/pl.pracowniaszescian.zor.metainfo.xml" ||
    fail "appstreamcli validate"
  ;;
deb)
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
  deb=$(ls "$scratch"/package/zor_*.deb)
  echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes"
  dpkg-deb --field "$deb" Depends
  echo "lintian:"
  lintian --display-info "$deb" 2>&1 | grep -v 'running with root privileges' | tee "$scratch/lintian.txt"
  ! grep -q '^E:' "$scratch/lintian.txt" || fail "lintian reports errors"
  # Its dependencies, without their versions, are installed on this machine.
  dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/|.*//; s/ //g' | while read -r package; do
    [ -z "$package" ] || dpkg -s "$package" >/dev/null 2>&1 || { echo "not installed here: $package"; exit 1; }
  done || fail "a dependency of the package is missing on this machine"
  echo "debootstrap: not tried (it needs the network archive and minutes); unpacking with dpkg-deb"
  root="$scratch/root"
  dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
  # fonts-liberation, a dependency, as installed on this machine.
  ln -s /usr/share/fonts "$root/usr/share/fonts"
  prefix="$root/usr"
  ;;
*)
  fail "unknown mode $mode"
  ;;
esac

shipped="$prefix/share/games/zor"
[ -e "$shipped/arial.ttf" ] || fail "the shipped font arial.ttf cannot be read"
snapshot() {
  (cd "$shipped" && find . -printf '%p %y %s %T@ %m %l\n' | sort && find . -type f -exec md5sum {} + | sort)
}
snapshot >"$scratch/shipped-before.txt"

# One player's session: a new game, then Escape. HOME and XDG_DATA_HOME as given.
play() {
  local home=$1 data_home=$2
  mkdir -p "$home"
  env -u XDG_DATA_HOME HOME="$home" ${data_home:+XDG_DATA_HOME="$data_home"} \
    "$prefix/games/zor" 2>"$scratch/stderr.txt" &
  pid=$!
  game_window || { cat "$scratch/stderr.txt"; fail "no window appeared"; }
  window_fit
  begin_new_game 240 || { cat "$scratch/stderr.txt"; fail "no new game"; }
  quit_with_escape "$pid"
  pid=
  [ "$GAME_STATUS" -eq 0 ] || { cat "$scratch/stderr.txt"; fail "the game ended with status $GAME_STATUS"; }
}
saved_here() {   # saved_here FOLDER: a save of the player's own there
  [ -f "$1/media/data.txt" ] && [ ! -L "$1/media/data.txt" ] &&
    [ "$(wc -l <"$1/media/data.txt")" -eq 25 ] && [ -f "$1/media/miniaturki.png" ] &&
    [ ! -L "$1/media/miniaturki.png" ]
}

play "$scratch/player1" ""
folder1="$scratch/player1/.local/share/zor"
saved_here "$folder1" || fail "no save in $folder1/media"
echo "player 1 saved in ~/.local/share/zor/media: $(head -c 40 "$folder1/media/data.txt")..."
snapshot | diff -q "$scratch/shipped-before.txt" - >/dev/null || fail "the shipped media changed"
echo "the shipped media are as they were"

if [ "$mode" = prefix ]; then
  save1=$(md5sum <"$folder1/media/data.txt")
  play "$scratch/player2" "$scratch/player2-data"
  folder2="$scratch/player2-data/zor"
  saved_here "$folder2" || fail "no save in $folder2/media"
  echo "player 2 saved in \$XDG_DATA_HOME/zor/media"
  [ "$(md5sum <"$folder1/media/data.txt")" = "$save1" ] || fail "player 1's save changed"
  [ ! -e "$scratch/player2/.local/share/zor" ] || fail "player 2 wrote into ~/.local/share too"
  snapshot | diff -q "$scratch/shipped-before.txt" - >/dev/null || fail "the shipped media changed"
  echo "each player has a save of their own; the shipped media are as they were"
fi
echo "the installed game plays ($mode)"
