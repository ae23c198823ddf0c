#!/usr/bin/env bash
# Steps per second of SCAN at a scanning interval (200 ms unless --interval says otherwise)
# against ft897-sim under Xvfb; prints medians. Not part of ./test: about two minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh dorv-ft897 ft897-sim dorv-bench-seed
exec python3 bench/bench_scan.py --build build "$@"
