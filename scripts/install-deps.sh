#!/usr/bin/env bash
# Installs the Debian 12 packages Trellan needs to build, run, test and take
# screenshots, and any packages named as arguments; only what is missing is
# installed.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick x11-utils
    fonts-dejavu-core fonts-liberation2
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != *"install ok installed"* ]]; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
