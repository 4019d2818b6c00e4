#!/usr/bin/env bash
# Installs the Debian packages Lumaro builds and runs with, when any is missing.
# Safe to repeat: it does nothing when everything is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
    libxcb1-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good pulseaudio pulseaudio-utils
    libtomlplusplus-dev libfontconfig-dev python3-fonttools espeak-ng opus-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    fonts-noto-cjk fonts-lxgw-wenkai fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei
    xvfb xauth imagemagick sox poppler-utils dbus-daemon
    libcups2-dev cups-daemon cups-client
    file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
