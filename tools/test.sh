#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and its tests in build/ and runs every test:
# the unit tests and the end-to-end tests, which start their own X server.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/ccache.sh
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTP_TESTS=ON $launcher
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
