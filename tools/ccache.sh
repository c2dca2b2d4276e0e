# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the build scripts: compile through ccache when it is there. Paths are hashed
# relative to the checkout, so a fresh clone anywhere on this machine reuses what an earlier
# build compiled (the debug information may then name the earlier build's folder).
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    CCACHE_BASEDIR=$(pwd)
    CCACHE_NOHASHDIR=true
    export CCACHE_BASEDIR CCACHE_NOHASHDIR
fi
