#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the pictures in resources/pictures/, the desktop icons in resources/icons/ and the
# recordings in sounds/.
# Their outputs are committed, so building the game needs none of this; run it
# only to change the artwork. Installs the Debian packages it uses when missing.
set -eu
cd "$(dirname "$0")/.."

missing=""
/usr/bin/python3 -c 'import PIL' 2>/dev/null || missing="$missing python3-pil"
command -v festival >/dev/null || missing="$missing festival"
[ -d /usr/share/festival/voices/us/cmu_us_slt_arctic_hts ] || missing="$missing festvox-us-slt-hts"
/usr/bin/python3 -c 'import numpy' 2>/dev/null || missing="$missing python3-numpy"
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends $missing
fi

/usr/bin/python3 tools/make_pictures.py
/usr/bin/python3 tools/make_icons.py
/usr/bin/python3 tools/make_sounds.py
