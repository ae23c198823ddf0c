#!/usr/bin/env bash
# The panel's CPU per status reading at the 100 ms and 500 ms meter intervals beside
# hamlib's rigctld (-m 1023, a client polling the frequency at the same intervals) on the
# same simulator, and the panel's peak memory beside a bare Qt window, in interleaved
# rounds; prints medians and ratios. Not part of ./test: about eight minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
command -v rigctld >/dev/null || { echo "rigctld (hamlib) is needed" >&2; exit 1; }
./scripts/build.sh dorv-ft897 ft897-sim dorv-bench-seed bare-qt-window
exec python3 bench/bench_side_by_side.py --build build "$@"
