#!/bin/bash
# Installs the build into a temporary prefix and checks what a player's system would get.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "FAILED: $*" >&2; exit 1; }
for path in bin/orvante bin/orvante-engine lib/orvante/orvante \
    lib/orvante/Textes/Francais.txt lib/orvante/graphisme/CHOWFUN_.TTF \
    share/applications/org.orvante.Orvante.desktop \
    share/metainfo/org.orvante.Orvante.metainfo.xml \
    share/icons/hicolor/scalable/apps/orvante.svg \
    share/icons/hicolor/48x48/apps/orvante.png share/man/man6/orvante-engine.6; do
    [ -e "$prefix/$path" ] || fail "$path is not installed"
done
[ -x "$prefix/bin/orvante" ] || fail "the launcher is not executable"

output="$("$prefix/bin/orvante-engine" generate 1 42)"
grep -q '^givens=36$' <<< "$output" || fail "the installed engine did not generate: $output"

desktop-file-validate "$prefix/share/applications/org.orvante.Orvante.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.orvante.Orvante.metainfo.xml" > /dev/null
man -l "$prefix/share/man/man6/orvante-engine.6" > /dev/null 2>&1 || \
    groff -man -Z "$prefix/share/man/man6/orvante-engine.6" > /dev/null
echo "installed and checked in $prefix"
