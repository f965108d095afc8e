#!/bin/bash
# Installs the Debian packages the build, the game and the tests need; prints the command when
# not root. Packages already installed are left alone.
set -euo pipefail

packages=(
    g++ cmake ninja-build make
    googletest libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation2 qt6-translations-l10n
    desktop-file-utils appstream groff-base
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
