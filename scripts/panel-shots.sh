#!/usr/bin/env bash
# Pictures of the front panel at every display size, face and colour set, in one fixed
# state, and of the band scope and the memory manager, for comparing two builds pixel by
# pixel:
#   scripts/panel-shots.sh OUTDIR [REFDIR]
# With REFDIR (the pictures of another build) it prints ImageMagick's count of differing
# pixels (compare -metric AE) for each picture and exits with 1 when any differs.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: scripts/panel-shots.sh OUTDIR [REFDIR]" >&2
    exit 2
fi
out=$1
mkdir -p "$out"
./scripts/build.sh panel-shots > /dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    build/bench/panel-shots "$out" 2> /dev/null
[ $# -eq 2 ] || exit 0
status=0
for picture in "$out"/*.png; do
    name=$(basename "$picture")
    pixels=$(compare -metric AE "$2/$name" "$picture" null: 2>&1 || true)
    echo "$name $pixels"
    [ "$pixels" = "0" ] || status=1
done
exit $status
