#!/usr/bin/env bash
# Measures what the running panel costs (CPU, CPU per status reading, peak memory,
# traffic) against ft897-sim under Xvfb, beside a bare Qt window; prints medians.
# Not part of ./test: it takes about ten minutes. Options go to bench/bench_panel.py.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh dorv-ft897 ft897-sim dorv-bench-seed bare-qt-window
exec python3 bench/bench_panel.py --build build "$@"
