#!/bin/sh
# Remakes the pictures in resources/pictures/, the desktop icons in resources/icons/ and the
# recordings in sounds/.
# Their outputs are committed, so building the game needs none of this; run it
# only to change the artwork. Installs the Debian packages it uses when missing.
set -eu
cd "$(dirname "$0")/.."

missing=""
/usr/bin/python3 -c 'import PIL' 2>/dev/null || missing="$missing python3-pil"
command -v espeak-ng >/dev/null || missing="$missing espeak-ng"
command -v sox >/dev/null || missing="$missing sox"
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends $missing
fi

/usr/bin/python3 tools/make_pictures.py
/usr/bin/python3 tools/make_icons.py
/usr/bin/python3 tools/make_sounds.py
