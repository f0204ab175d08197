#!/usr/bin/env bash
# Installs the Debian packages that Lumastrand needs; packages that are
# already there are left alone.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that and what the tests and benchmarks add (the default)
set -euo pipefail

what=${1:-test}

run_packages=(
    # build
    build-essential cmake ninja-build
    qtbase5-dev qtbase5-dev-tools qt5-image-formats-plugins
    # downloads (libcurl, zlib for compressed answers, the authorities that
    # https answers are checked against)
    libcurl4-openssl-dev zlib1g-dev ca-certificates
    # fonts for painted texts ("Arial" resolves to Liberation Sans)
    fonts-liberation fonts-dejavu-core
)

test_packages=(
    # the tests' own certificate authority
    openssl
    # headless runs and screenshots
    xvfb xauth x11-utils xdotool imagemagick libx11-dev
    # a window manager for the tests of windows that it activates
    openbox
    # the tools a user's toolchain checks the written files with
    icoutils icnsutils pngcheck jq libxml2-utils binutils-mingw-w64-i686 pngquant
)

case "$what" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *)
        echo "usage: $0 [run|test]" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
