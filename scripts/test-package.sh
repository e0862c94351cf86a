#!/usr/bin/env bash
# Builds the Debian package of the build tree BUILD, unpacks it into a
# temporary root and runs the command-line tool from there: its version and
# a card built from the package's own icon. Run by CTest (test "package").
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/rotavue_*.deb)
# Read whole first: grep -q ending the pipe early would fail it under pipefail.
info=$(dpkg-deb --info "$deb")
grep -q '^ Depends: .*libqt6' <<<"$info" || { echo "no Qt dependency found by dpkg-shlibdeps"; echo "$info"; exit 1; }
dpkg-deb -x "$deb" "$work/root"

export HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME"
card_tool="$work/root/usr/bin/rotavue-card"
version=$("$card_tool" --version)
echo "$version"
[[ "$version" == *0.* ]] || { echo "unexpected version: $version"; exit 1; }
"$card_tool" build -o "$work/card.bin" "$work/root/usr/share/icons/hicolor/64x64/apps/rotavue.png"
[ -s "$work/card.bin" ] || { echo "no card written"; exit 1; }
summary=$("$card_tool" info "$work/card.bin")
grep -q '"blocks": 1' <<<"$summary" || { echo "unexpected card: $summary"; exit 1; }
for f in usr/bin/rotavue usr/share/applications/org.rotavue.Rotavue.desktop \
         usr/share/metainfo/org.rotavue.Rotavue.metainfo.xml usr/share/mime/packages/rotavue.xml \
         usr/share/icons/hicolor/scalable/apps/rotavue.svg usr/share/man/man1/rotavue-card.1.gz \
         usr/share/rotavue/default.bin usr/share/doc/rotavue/copyright; do
    [ -e "$work/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
echo "package ok: $(basename "$deb")"
