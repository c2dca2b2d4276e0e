#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, run and be tested, when missing.
set -e
packages="build-essential cmake ccache pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libxcb1-dev libxcb-shm0-dev libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
libxcb1-dev xvfb xdotool xclip imagemagick x11-utils x11-xserver-utils openbox python3 python3-numpy desktop-file-utils appstream
clang libclang-rt-14-dev llvm clang-format"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
