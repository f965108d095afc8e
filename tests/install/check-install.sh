#!/bin/bash
# Installs the build into a temporary prefix and checks what a player's system would get: the
# layout the Debian package has under /usr, one version everywhere, and a game that starts.
set -euo pipefail
build="$1"
here="$(dirname "$0")"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "FAILED: $*" >&2; exit 1; }
for path in games/orvante games/orvante-engine lib/games/orvante/orvante \
    lib/games/orvante/Textes/Francais.txt lib/games/orvante/graphisme/CHOWFUN_.TTF \
    share/applications/org.orvante.Orvante.desktop \
    share/metainfo/org.orvante.Orvante.metainfo.xml \
    share/icons/hicolor/scalable/apps/orvante.svg share/icons/hicolor/48x48/apps/orvante.png \
    share/man/man6/orvante.6.gz share/man/man6/orvante-engine.6.gz \
    share/doc/orvante/copyright share/doc/orvante/changelog.gz; do
    [ -e "$prefix/$path" ] || fail "$path is not installed"
done
[ -x "$prefix/games/orvante" ] || fail "the launcher is not executable"

output="$("$prefix/games/orvante-engine" generate 1 42)"
grep -q '^givens=36$' <<< "$output" || fail "the installed engine did not generate: $output"

# The engine, the metainfo's latest release and the changelog's latest entry name one version.
engine_version="$("$prefix/games/orvante-engine" --version)"
metainfo_version="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$prefix/share/metainfo/org.orvante.Orvante.metainfo.xml" | head -n 1)"
changelog_version="$(zcat "$prefix/share/doc/orvante/changelog.gz" | dpkg-parsechangelog -l - -S Version)"
[ "$engine_version" = "orvante-engine $metainfo_version" ] && \
    [ "$metainfo_version" = "$changelog_version" ] || \
    fail "versions differ: '$engine_version', metainfo '$metainfo_version', changelog '$changelog_version'"

desktop-file-validate "$prefix/share/applications/org.orvante.Orvante.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.orvante.Orvante.metainfo.xml" > /dev/null
for page in orvante orvante-engine; do
    zcat "$prefix/share/man/man6/$page.6.gz" | groff -man -Z -ww > /dev/null 2> "$prefix/groff.log"
    [ ! -s "$prefix/groff.log" ] || fail "manual page $page: $(cat "$prefix/groff.log")"
done

"$here/check-game-starts.sh" "$prefix/games/orvante"
echo "installed and checked in $prefix"
