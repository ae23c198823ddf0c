#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it: lintian reports no error,
# the desktop entry and the AppStream metadata it carries validate, it holds every file a
# user expects, and its programs run and say the package's version.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(./scripts/package.sh | tail -n 1)
version=$(dpkg-deb -f "$deb" Version)
echo "== $deb"
case "$(basename "$deb")" in
    "dorv-ft897_${version}_$(dpkg --print-architecture).deb") ;;
    *) echo "unexpected package name $(basename "$deb")" >&2; exit 1 ;;
esac
fail=0
echo "== lintian"
lintian --fail-on error --display-info "$deb" || fail=1

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "== desktop entry and AppStream metadata"
desktop-file-validate "$root/usr/share/applications/dorv-ft897.desktop" || fail=1
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail=1

echo "== contents"
for f in bin/dorv-ft897 bin/ft897-sim share/man/man1/dorv-ft897.1.gz share/man/man1/ft897-sim.1.gz \
         share/applications/dorv-ft897.desktop share/icons/hicolor/scalable/apps/dorv-ft897.svg \
         share/icons/hicolor/48x48/apps/dorv-ft897.png share/dorv-ft897/dorvft897.html \
         share/doc/dorv-ft897/copyright share/doc/dorv-ft897/changelog.gz; do
    [ -s "$root/usr/$f" ] || { echo "missing: /usr/$f" >&2; fail=1; }
done
for program in dorv-ft897 ft897-sim; do
    said=$("$root/usr/bin/$program" --version)
    [ "$said" = "$program $version" ] ||
        { echo "$program --version says '$said', the package is $version" >&2; fail=1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 ||
    { echo "the dependencies were not computed from the programs" >&2; fail=1; }
[ $fail -eq 0 ] && echo "package checks passed"
exit $fail
