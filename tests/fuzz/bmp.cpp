// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for BMP pictures: any bytes as a bitmap and, when they load, drawn stretched
// and transparent. Only EInvalidGraphic may leave the reader.
#include "framework/Graphics.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    QImage target(16, 16, QImage::Format_RGB32);
    TCanvas canvas(&target);
    canvas.StretchDraw(Rect(0, 0, 16, 16), &bitmap);
    bitmap.SetTransparent(true);
    canvas.Draw(0, 0, &bitmap);
    return 0;
}
