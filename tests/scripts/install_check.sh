#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the programs, the help page, the
# manual pages, the desktop entry with its icons and the AppStream metadata land where a
# desktop, man and a software centre find them.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
fail=0
for f in bin/dorv-ft897 bin/ft897-sim share/dorv-ft897/dorvft897.html \
         share/applications/dorv-ft897.desktop share/icons/hicolor/scalable/apps/dorv-ft897.svg \
         share/icons/hicolor/48x48/apps/dorv-ft897.png share/metainfo/example.dorv.ft897.metainfo.xml \
         share/man/man1/dorv-ft897.1.gz share/man/man1/ft897-sim.1.gz \
         share/doc/dorv-ft897/copyright share/doc/dorv-ft897/changelog.gz; do
    [ -s "$prefix/$f" ] || { echo "not installed: $f" >&2; fail=1; }
done
desktop="$prefix/share/applications/dorv-ft897.desktop"
if [ -f "$desktop" ]; then
    head -n 1 "$desktop" | grep -qx '\[Desktop Entry\]' || { echo "no [Desktop Entry] group" >&2; fail=1; }
    for key in 'Type=Application' 'Exec=dorv-ft897' 'Icon=dorv-ft897' 'Name=DORV FT-897'; do
        grep -qx "$key" "$desktop" || { echo "desktop entry lacks $key" >&2; fail=1; }
    done
fi
# The manual pages are gzip files whose text is a manual of the right name.
for page in dorv-ft897 ft897-sim; do
    gzip -dc "$prefix/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^\.SH NAME" ||
        { echo "$page.1.gz is no compressed manual page" >&2; fail=1; }
done
# The installed program answers from its new place.
"$prefix/bin/dorv-ft897" --version | grep -q '^dorv-ft897 ' || { echo "installed program does not run" >&2; fail=1; }
exit $fail
