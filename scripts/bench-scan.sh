#!/usr/bin/env bash
# Steps per second of a memory scan at 200 ms and 1000 ms (--intervals, --vfo, --runs)
# against ft897-sim under Xvfb, beside the ceiling; interleaved rounds, medians. Not part
# of ./test: about three minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh dorv-ft897 ft897-sim dorv-bench-seed
exec python3 bench/bench_scan.py --build build "$@"
