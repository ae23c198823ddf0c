#!/usr/bin/env bash
# Configures and builds into ./build: the given targets, or everything.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
if [ $# -gt 0 ]; then
    for target in "$@"; do
        cmake --build build -j2 --target "$target"
    done
else
    cmake --build build -j2
fi
