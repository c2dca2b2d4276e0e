// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for JPEG pictures: any bytes through the decoder and, when they decode, onto
// a canvas. Only EInvalidGraphic may leave the decoder.
#include "framework/JPEGImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TJPEGImage jpeg;
    try {
        jpeg.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    QImage target(16, 16, QImage::Format_RGB32);
    TCanvas canvas(&target);
    canvas.StretchDraw(Rect(0, 0, 16, 16), &jpeg);
    return 0;
}
