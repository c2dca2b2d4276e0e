// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for stored pictures: a format name, a size and the file image, read through
// the picture registry. Only EInvalidGraphic may leave the reader.
#include "framework/Graphics.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPicture picture;
    try {
        picture.ReadData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
