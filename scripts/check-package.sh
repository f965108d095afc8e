#!/bin/bash
# Builds the Debian package, checks it with lintian, installs it the way a player does, runs
# what it installed, then purges it and checks that none of its files is left. Needs root and a
# machine set up by install-deps.sh; CI runs it after the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "FAILED: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run as root: this installs and purges the package"
if dpkg-query -W -f='${Status}' orvante 2>/dev/null | grep -q "install ok installed"; then
    fail "orvante is installed already; purge it first"
fi

rm -f orvante_*.deb
make package
debs=(orvante_*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || fail "make package made no single package: ${debs[*]}"
deb="./${debs[0]}"
dpkg-deb -c "$deb"

# The machine has these packages already, so installing would not notice one missing from
# Depends; a library package shows that dpkg-shlibdeps ran.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for package in gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation2 \
    qt6-translations-l10n libqt6widgets6; do
    grep -Eq "(^|, )$package( |,|$)" <<< "$depends" || fail "Depends does not name $package"
done
lintian --fail-on error "$deb"

list="$(mktemp)"
trap 'rm -f "$list"; apt-get purge -y -qq orvante > /dev/null 2>&1 || true' EXIT
apt-get install -y -qq "$deb"
dpkg -L orvante > "$list"

version="$(dpkg-deb -f "$deb" Version)"
[ "$(/usr/games/orvante-engine --version)" = "orvante-engine $version" ] || \
    fail "the installed engine is not version $version"
/usr/games/orvante-engine generate 4 1 | grep -q '^givens=' || fail "the installed engine did not generate"
tests/install/check-game-starts.sh /usr/games/orvante

apt-get purge -y -qq orvante
left=()
while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        left+=("$path")
    fi
done < "$list"
for folder in /usr/lib/games/orvante /usr/share/doc/orvante; do
    [ ! -e "$folder" ] || left+=("$folder")
done
[ ${#left[@]} -eq 0 ] || fail "left after purging: ${left[*]}"
echo "$deb built, installed, ran and purged cleanly"
