#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Orvane need, skipping those present.
set -euo pipefail

packages=(
    build-essential cmake ccache clang-format clang-tidy git
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation
    poppler-utils
    default-jdk
    libbenchmark-dev
    desktop-file-utils
    lintian
    xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
