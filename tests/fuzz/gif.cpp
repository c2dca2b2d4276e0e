// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for GIF pictures: any bytes through the loader and, when they load, every
// frame rendered, the picture drawn, and one synchronous pass of the painter through its
// disposal buffers. Only GIFException may leave the loader.
#include "pictures/GIFImage.h"

#include <cstddef>
#include <cstdint>

namespace {

// Time passes only by the waits asked for, so no delay costs real time.
class InstantClock : public TClock {
public:
    std::int64_t Now() override { return now_; }
    bool WaitFor(TAutoResetEvent&, std::int64_t milliseconds) override {
        now_ += milliseconds;
        return false;
    }
    void Sleep(std::int64_t milliseconds) override { now_ += milliseconds; }

private:
    std::int64_t now_ = 0;
};

// Pictures this large decode fine but would only slow the search down when drawn.
constexpr qint64 kMaxDrawnPixels = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static InstantClock clock;
    TGIFImage picture;
    picture.SetClock(&clock);
    picture.WarningHandler = [](QObject*, TGIFSeverity, const QString&) {};
    try {
        picture.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const GIFException&) {
        return 0;
    }
    qint64 pixels = qint64(picture.Width()) * picture.Height();
    for (int i = 0; i < picture.FrameCount(); ++i)
        pixels += qint64(picture.Frame(i).Width) * picture.Frame(i).Height;
    if (picture.Empty() || pixels > kMaxDrawnPixels)
        return 0;

    // Odd inputs take the dithered path.
    if (size % 2)
        picture.SetPaintOptions(picture.PaintOptions() & ~poAutoDither);
    QImage target(24, 24, QImage::Format_RGB32);
    target.fill(Qt::gray);
    TCanvas canvas(&target);
    picture.DrawFrame(canvas, {0, 0, 24, 24}, picture.Frame(0), size % 3 == 0, true);
    TGIFPainter::Create(&picture, &canvas, {0, 0, 24, 24},
                        poAnimate | poTransparent | (size % 5 == 0 ? poClearAtLoopStart | poTile : 0));
    return 0;
}
