#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and running Rotavue need.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    build-essential cmake ccache pkg-config
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libqt6sql6-sqlite
    libgl-dev
    libopencv-core-dev
    qt6-translations-l10n
    libbenchmark-dev
    # Video import: libVLC with its demuxers, decoders and memory outputs;
    # ffmpeg only makes the tests' clips.
    libvlc-dev vlc-plugin-base
    ffmpeg
    xvfb xauth openbox xdotool imagemagick
    fonts-dejavu-core
    fonts-wqy-zenhei
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "All packages are installed."
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
