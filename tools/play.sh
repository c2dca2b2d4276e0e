#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game in build/ and starts it.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTP_TESTS=OFF
cmake --build build -j"$(nproc)" --target tovimar-plumkin
exec build/tovimar-plumkin
