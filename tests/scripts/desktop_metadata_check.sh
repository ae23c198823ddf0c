#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators, and the newest
# release they and the package's changelog name is the project's version.
#   desktop_metadata_check.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir="$1"
version="$2"
command -v desktop-file-validate > /dev/null && command -v appstreamcli > /dev/null || exit 77
fail=0
desktop-file-validate "$source_dir/data/dorv-ft897.desktop" || fail=1
for metainfo in "$source_dir"/data/*.metainfo.xml; do
    appstreamcli validate --no-net "$metainfo" || fail=1
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] ||
        { echo "$metainfo: newest release $newest, the project is at $version" >&2; fail=1; }
done
changelog=$(head -n 1 "$source_dir/packaging/changelog" | sed -n 's/^dorv-ft897 (\(.*\)).*/\1/p')
[ "$changelog" = "$version" ] ||
    { echo "packaging/changelog: newest entry $changelog, the project is at $version" >&2; fail=1; }
exit $fail
