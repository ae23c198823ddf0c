#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the programs, the help page and
# the desktop entry with its icon land where a desktop finds them.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
fail=0
for f in bin/dorv-ft897 bin/ft897-sim share/dorv-ft897/dorvft897.html \
         share/applications/dorv-ft897.desktop share/icons/hicolor/scalable/apps/dorv-ft897.svg; do
    [ -s "$prefix/$f" ] || { echo "not installed: $f" >&2; fail=1; }
done
desktop="$prefix/share/applications/dorv-ft897.desktop"
if [ -f "$desktop" ]; then
    head -n 1 "$desktop" | grep -qx '\[Desktop Entry\]' || { echo "no [Desktop Entry] group" >&2; fail=1; }
    for key in 'Type=Application' 'Exec=dorv-ft897' 'Icon=dorv-ft897' 'Name=DORV FT-897'; do
        grep -qx "$key" "$desktop" || { echo "desktop entry lacks $key" >&2; fail=1; }
    done
fi
# The installed program answers from its new place.
"$prefix/bin/dorv-ft897" --version | grep -q '^dorv-ft897 ' || { echo "installed program does not run" >&2; fail=1; }
exit $fail
