#!/usr/bin/env bash
# Drives ft897-sim with hamlib's FT-897 backend (rigctl model 1023) and checks that what
# rigctl reads back is what it set. Usage: hamlib_crosscheck.sh FT897_SIM plain|ack
set -uo pipefail
sim=$1
variant=${2:-plain}
if ! command -v rigctl > /dev/null; then
    echo "rigctl is not installed (package libhamlib-utils): skipped"
    exit 77
fi

dir=$(mktemp -d)
link=$dir/ft897
extra=()
[ "$variant" = ack ] && extra=(--ack)
"$sim" --link "$link" --log "$dir/frames.log" "${extra[@]}" > "$dir/sim.out" &
pid=$!
trap 'kill $pid 2> /dev/null; wait $pid 2> /dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 50); do
    [ -L "$link" ] && break
    sleep 0.1
done

passed=0
failed=0
expect() { # expect NAME EXPECTED GOT
    if [ "$3" = "$2" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s:\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$3"
        tail -n 20 "$dir/rigctl.err"
    fi
}
logged() { # logged NAME LINE-PATTERN : the frame log has a matching line
    if grep -Eq "^[0-9]+ $2\$" "$dir/frames.log"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL $1: no log line matching '$2'"
    fi
}
# With hamlib's cache off every get asks the radio.
rig() { timeout 20 rigctl -m 1023 -r "$link" -s 4800 --set-conf=cache_timeout=0 "$@" 2> "$dir/rigctl.err"; }

expect "frequency" "145500000
7050000" "$(rig F 145500000 f F 7050000 f)"
expect "modes" "$(printf '%s\n0\n' LSB USB CW CWR AM FM)" \
    "$(rig M LSB 0 m M USB 0 m M CW 0 m M CWR 0 m M AM 0 m M FM 0 m)"
expect "PTT" "1
0" "$(rig T 1 t T 0 t)"
expect "split" "1
VFOB
1
VFOB
0
VFOA" "$(rig S 1 VFOB s T 1 s T 0 S 0 VFOA s)"
rig S 1 VFOB > /dev/null
# A fresh hamlib reads split from the EEPROM while receiving.
expect "split read at start" "1" "$(rig s | head -n 1)"
rig S 0 VFOA > /dev/null
expect "VFO B" "430100000" "$(rig G TOGGLE F 430100000 f)"
# The backend keeps its own status for a moment, so the read after the toggle back
# runs in a new rigctl.
rig G TOGGLE > /dev/null
expect "VFO A kept its frequency" "7050000" "$(rig f)"

logged "set-frequency frame" "RX 14 55 00 00 01"
logged "PTT frame" "RX 00 00 00 00 08"
logged "split frame" "RX 00 00 00 00 02"
logged "EEPROM reply" "TX 00 80"
echo "hamlib cross-check ($variant): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
