#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, skipping the
# network entirely when everything is already present. With --package also those that
# build the Debian package and check it (scripts/package.sh, scripts/check-package.sh);
# with --fuzz also clang and libFuzzer (scripts/fuzz.sh).
set -euo pipefail
packages=(
    build-essential cmake ccache pkg-config
    qt6-base-dev qt6-serialport-dev libgl1-mesa-dev
    libgtest-dev
    xvfb xauth openbox xdotool imagemagick x11-utils x11-xserver-utils python3
    libhamlib-utils ser2net
    chirp
    appstream desktop-file-utils
)
case "${1:-}" in
--package)
    # dpkg-dev: dpkg-buildflags and dpkg-shlibdeps; file: CPack finds the programs with it.
    packages+=(dpkg-dev file lintian man-db)
    ;;
--fuzz)
    # clang and its libFuzzer build the fuzz targets (scripts/fuzz.sh).
    packages+=(clang libfuzzer-14-dev)
    ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
