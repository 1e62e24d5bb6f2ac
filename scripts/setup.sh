#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need
# (only those missing), with sudo when not root.
set -euo pipefail

PACKAGES=(
    g++ cmake make pkg-config
    libsdl2-dev libsdl2-ttf-dev libpng-dev zlib1g-dev libgl1-mesa-dev libgl1-mesa-dri
    libgtest-dev libbenchmark-dev fonts-crosextra-carlito
    xvfb xdotool imagemagick x11-utils libx11-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$SUDO apt-get install -y --no-install-recommends "${missing[@]}" ||
    { $SUDO apt-get update && $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; }
