#!/usr/bin/env bash
# Coverage-guided fuzzing. Builds the targets of fuzz/ with clang's libFuzzer and the
# address and undefined-behaviour sanitizers into ./build-fuzz, runs each for the given
# seconds (60 by default), FUZZ_JOBS of them at once (1 by default), and prints per target
# the inputs executed, the coverage reached (libFuzzer's "cov", in edges) and any finding.
# A target starts from its seeds in fuzz/corpus/<target>/ and from what earlier runs found
# in build-fuzz/corpus/<target>/, where the inputs that reach new code go. An input that
# crashes, breaks a check, hangs or takes too much memory is kept in
# build-fuzz/findings/<target>/ with the log in build-fuzz/logs/<target>.log; any finding
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
jobs="${FUZZ_JOBS:-1}"

./scripts/install-deps.sh --fuzz
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDORV_BUILD_GUI=OFF -DDORV_BUILD_TESTS=OFF -DDORV_BUILD_FUZZ=ON > /dev/null
cmake --build build-fuzz -j2 --target fuzz_targets

# The loaders write and flush a file at every input: on a memory file system that is free.
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent="${TMPDIR:-/tmp}"
DORV_FUZZ_SCRATCH="$(mktemp -d "$scratch_parent/dorv-fuzz.XXXXXX")"
export DORV_FUZZ_SCRATCH
trap 'rm -rf "$DORV_FUZZ_SCRATCH"' EXIT
trap 'kill $(jobs -p) 2> /dev/null; exit 130' INT TERM

logs=build-fuzz/logs
mkdir -p "$logs"
rm -f "$logs"/*.result
started="$logs/started"
touch "$started"

# Runs one target and leaves "target executions edges exit-status [finding...]" in its
# .result file.
run_target() {
    local target="$1"
    local corpus="build-fuzz/corpus/$target" findings="build-fuzz/findings/$target"
    local log="$logs/$target.log"
    mkdir -p "$corpus" "$findings"
    local args=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
        -artifact_prefix="$findings/")
    [ -f "fuzz/$target.dict" ] && args+=(-dict="fuzz/$target.dict")
    local dirs=("$corpus")
    [ -d "fuzz/corpus/$target" ] && dirs+=("fuzz/corpus/$target")
    local status=0
    "build-fuzz/fuzz/$target" "${args[@]}" "${dirs[@]}" > "$log" 2>&1 || status=$?
    local executions edges found
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    edges=$( (grep -o 'cov: [0-9]*' "$log" || true) | tail -n 1 | cut -d' ' -f2)
    found=$(find "$findings" -type f -newer "$started" | sort | tr '\n' ' ')
    echo "$target ${executions:-0} ${edges:-0} $status $found" > "$logs/$target.result"
}

mapfile -t targets < build-fuzz/fuzz/targets.txt
echo "Fuzzing ${#targets[@]} targets for ${seconds} s each, ${jobs} at a time"
for target in "${targets[@]}"; do
    [ -n "$target" ] || continue
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    echo "== $target"
    run_target "$target" &
done
wait

failed=0
total=0
printf '\n%-18s %12s %8s  %s\n' target executions edges result
for target in "${targets[@]}"; do
    [ -n "$target" ] || continue
    read -r name executions edges status found < "$logs/$target.result"
    total=$((total + executions))
    if [ "$status" -eq 0 ] && [ -z "$found" ]; then
        result=ok
    else
        failed=1
        result="FINDING (exit $status): ${found:-see $logs/$target.log}"
    fi
    printf '%-18s %12s %8s  %s\n' "$name" "$executions" "$edges" "$result"
done
printf '%-18s %12s\n' total "$total"
if [ "$failed" -ne 0 ]; then
    echo "Findings are kept in build-fuzz/findings/<target>/; run a target on one to see it again." >&2
    exit 1
fi
