#!/usr/bin/env bash
# Every figure of the panel at the link's limit from one run of interleaved rounds: CPU per
# status reading beside hamlib's rigctld at 100 ms and 500 ms, peak memory beside a bare Qt
# window, scan steps and band scope sweep readings per second against their ceilings, and
# the reply-to-paint and key-to-frame latencies under strace; prints one table of medians.
# Not part of ./test: about four minutes a round (--runs, 3 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
command -v rigctld >/dev/null || { echo "rigctld (hamlib) is needed" >&2; exit 1; }
if ! command -v strace >/dev/null; then
    [ "$(id -u)" -eq 0 ] || { echo "strace is needed (run as root to install it)" >&2; exit 1; }
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends strace
fi
./scripts/build.sh dorv-ft897 ft897-sim dorv-bench-seed bare-qt-window
exec python3 bench/bench_link_limit.py --build build "$@"
