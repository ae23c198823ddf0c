#!/usr/bin/env bash
# Runs scripts/install-deps.sh as a normal user on a machine that has every package:
# it must succeed without calling apt-get or asking for root.
set -euo pipefail
script="$1"
command -v dpkg-query > /dev/null || exit 77
fake="$(mktemp -d)"
trap 'rm -rf "$fake"' EXIT
cat > "$fake/apt-get" <<STUB
#!/bin/sh
echo "apt-get \$*" >> "$fake/apt-calls"
exit 1
STUB
cat > "$fake/id" <<'STUB'
#!/bin/sh
echo 1000
STUB
chmod +x "$fake/apt-get" "$fake/id"
if ! output="$(PATH="$fake:$PATH" "$script" 2>&1)"; then
    echo "install-deps.sh failed as a normal user: $output" >&2
    exit 1
fi
if [ -e "$fake/apt-calls" ]; then
    echo "install-deps.sh called apt-get with everything installed:" >&2
    cat "$fake/apt-calls" >&2
    exit 1
fi
if [ -n "$output" ]; then
    echo "install-deps.sh printed with everything installed: $output" >&2
    exit 1
fi
