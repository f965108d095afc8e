#!/bin/bash
# Starts an installed game offscreen, in an empty home, and checks that it reaches its main menu:
# the game saves a picture of the menu after the splash and quits (ORVANTE_SCREENSHOT). A game
# that cannot find its program or its data never gets there.
set -euo pipefail
launcher="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

shot="$home/menu.png"
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
    ORVANTE_SCREENSHOT="$shot" timeout 60 "$launcher" \
    || fail "$launcher did not reach its main menu (exit status $?)"
file "$shot" | grep -q 'PNG image data, 1024 x 768' || fail "no picture of the main menu: $(file "$shot")"
# The menu is a full picture: a blank or half-drawn window compresses to far less.
size=$(stat -c %s "$shot")
[ "$size" -gt 100000 ] || fail "the picture of the main menu holds only $size bytes"
# Starting and quitting writes nothing of the game's into the player's home: no settings, no
# folders (GStreamer's plug-in cache and the sound server's files are theirs).
written="$(cd "$home" && find . -mindepth 1 ! -name menu.png ! -path './.cache*' \
    ! -path ./.config ! -path './.config/pulse*')"
[ -z "$written" ] || fail "the game wrote into the home folder: $written"
echo "$launcher reached its main menu"
