#!/usr/bin/env bash
# Regenerates resources/images/ from tools/icongen: builds the generator, draws every
# picture, then assembles progress.gif with ImageMagick (Qt cannot write GIF).
# Usage: scripts/make-images.sh [contact-sheet.png]
# BUILD_DIR picks the build tree (default: build/ in the source tree).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
images=$root/resources/images
sheet=${1:-}

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
install_packages() {
    echo "Installing: $*"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"
}

if ! command -v convert >/dev/null; then
    install_packages imagemagick
fi
# The Chinese language badges need a font with those glyphs; only the generator uses it,
# the program embeds the finished pictures.
if [ -z "$(fc-list :lang=zh 2>/dev/null)" ]; then
    install_packages fonts-wqy-zenhei
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target icongen -j2

frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

args=("$images" --frames "$frames")
if [ -n "$sheet" ]; then
    args+=(--sheet "$sheet")
fi
QT_QPA_PLATFORM=offscreen "$build/tools/icongen/icongen" "${args[@]}"

# 12 frames of 80 ms, looping forever; each frame replaces the last.
convert -dispose background -delay 8 -loop 0 "$frames"/progress-*.png "$images/progress.gif"
echo "Wrote $images/progress.gif"
