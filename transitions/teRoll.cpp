// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teRoll.h"

#include <QPainter>
#include <algorithm>

TRollTransition::TRollTransition(QObject* owner) : TTimedTransitionEffect(owner) {
    SetDirection(te::tedDown);
}

bool TRollTransition::AcceptsDirection(TTEEffectDirection direction) const {
    return direction == te::tedRight || direction == te::tedLeft || direction == te::tedDown ||
           direction == te::tedUp;
}

int TRollTransition::AdjustWidth(int width) const {
    return ThreeD() ? ((width - 1) / 8 + 1) * 8 : width;
}

void TRollTransition::Initialize(TTETransitionData& data, int& frameCount) {
    TTimedTransitionEffect::Initialize(data, frameCount);
    direction_ = EffectiveDirection();
    unrolling_ = unroll_ != EffectiveReversed();
    frameCount = (Horizontal() ? data.Width : data.Height) + 1;
    // Unrolling, the band starts just before the image, a whole `Size` wide; rolling up, it
    // grows from nothing at the image's edge.
    flatEnd_ = 0;
    leadingEdge_ = 0;
    if (ThreeD()) {
        shades_.assign(std::size_t(size_) + 2, 0);
        shadeWidth_ = -1;
        if (unrolling_)
            BuildShadeTable(shades_, shadeWidth_, size_);
    }
    rolled_ = unrolling_ ? data.DstImage : data.SrcImage;
}

void TRollTransition::Finalize(TTETransitionData& data) {
    shades_.clear();
    rolled_ = nullptr;
    TTimedTransitionEffect::Finalize(data);
}

void TRollTransition::DrawFrame(TTETransitionData& data, int frame, int step, int frameCount,
                                int previousFrame) {
    TTimedTransitionEffect::DrawFrame(data, frame, step, frameCount, previousFrame);
    // Along the way, in logical pixels: the strip laid flat in this frame and the band.
    const int flatFrom = flatEnd_;
    int bandFrom = 0;
    int bandTo = 0;
    int fold = 0;
    if (unrolling_) {
        // The band narrows as it reaches the far edge: only the sheet not yet laid down is
        // left on the roll.
        const int framesLeft = frameCount - frame;
        const int bandWidth = framesLeft < size_ ? framesLeft - 1 : size_;
        leadingEdge_ += step;
        bandTo = leadingEdge_;
        bandFrom = bandTo - bandWidth;
        flatEnd_ = bandFrom;
        // The band shows, mirrored, the sheet just beyond its leading edge: what comes next.
        fold = bandTo;
    } else {
        // The roll grows while it picks the old image up.
        const int bandWidth = std::min(frame, size_);
        flatEnd_ += step;
        bandFrom = flatEnd_;
        bandTo = bandFrom + bandWidth;
        // The band shows, mirrored, what it has just picked up behind it.
        fold = bandFrom;
    }

    const int bandFromPixel = data.ToDevice(bandFrom);
    const int bandToPixel = data.ToDevice(bandTo);
    DrawBand(data, bandFromPixel, bandToPixel, data.ToDevice(fold));
    UpdateRect = UnionRect(UpdateRect, Across(data, bandFromPixel, bandToPixel));

    const TRect whole = Rect(0, 0, data.DeviceWidth, data.DeviceHeight);
    const TRect flat = IntersectRect(Across(data, data.ToDevice(flatFrom), data.ToDevice(flatEnd_)), whole);
    if (!IsRectEmpty(flat)) {
        QPainter painter(data.Bitmap);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(flat.ToQRect().topLeft(), *data.DstImage, flat.ToQRect());
    }
    UpdateRect = IntersectRect(UnionRect(UpdateRect, flat), whole);
    if (ThreeD())
        ShadeBand(data, bandFromPixel, bandToPixel);
}

TRect TRollTransition::Across(const TTETransitionData& data, int from, int to) const {
    if (to <= from)
        return {};
    const int length = Horizontal() ? data.DeviceWidth : data.DeviceHeight;
    const int first = Mirrored() ? length - to : from;
    const int last = Mirrored() ? length - from : to;
    return Horizontal() ? Rect(first, 0, last, data.DeviceHeight) : Rect(0, first, data.DeviceWidth, last);
}

int TRollTransition::Line(const TTETransitionData& data, int along) const {
    const int length = Horizontal() ? data.DeviceWidth : data.DeviceHeight;
    return Mirrored() ? length - 1 - along : along;
}

void TRollTransition::CopyLine(QImage& to, int toLine, const QImage& from, int fromLine) const {
    if (Horizontal()) {
        const int height = std::min(to.height(), from.height());
        for (int y = 0; y < height; ++y)
            reinterpret_cast<QRgb*>(to.scanLine(y))[toLine] =
                reinterpret_cast<const QRgb*>(from.constScanLine(y))[fromLine];
    } else {
        std::copy_n(reinterpret_cast<const QRgb*>(from.constScanLine(fromLine)),
                    std::min(to.width(), from.width()), reinterpret_cast<QRgb*>(to.scanLine(toLine)));
    }
}

void TRollTransition::DrawBand(TTETransitionData& data, int bandFrom, int bandTo, int fold) const {
    const int length = Horizontal() ? data.DeviceWidth : data.DeviceHeight;
    // Folded at the band's right (or bottom) edge in the image, the band is a true mirror: the
    // line next to the fold shows the line just beyond it. Folded at its left (or top) edge,
    // every line shows the one a line nearer the band: the line at the fold shows itself.
    const bool foldAtStart = unrolling_ == Mirrored();
    const int past = foldAtStart ? (Mirrored() ? -1 : 1) : 0;
    for (int along = std::max(0, bandFrom); along < std::min(bandTo, length); ++along) {
        // Device rounding may reach one line past the image at the far edge.
        const int shows = std::clamp(2 * fold - 1 - along + past, 0, length - 1);
        CopyLine(*data.Bitmap, Line(data, along), *rolled_, Line(data, shows));
    }
}

void TRollTransition::ShadeBand(TTETransitionData& data, int bandFrom, int bandTo) {
    const int bandWidth = bandTo - bandFrom;
    if (bandWidth <= 0)
        return;
    if (shadeWidth_ != bandWidth)
        BuildShadeTable(shades_, shadeWidth_, bandWidth);
    const int length = Horizontal() ? data.DeviceWidth : data.DeviceHeight;
    QImage& work = *data.Bitmap;
    // The profile counts columns from the band's left edge and rows from its bottom edge, in
    // the image, whichever way the band moves.
    const bool fromFarEnd = Mirrored() == Horizontal();
    // Lines outside the image are skipped; the profile stays where the whole band puts it.
    for (int along = std::max(0, bandFrom); along < std::min(bandTo, length); ++along) {
        const int entry = fromFarEnd ? bandTo - along : along - bandFrom + 1;
        const int shade = shades_[std::size_t(entry)];
        const int line = Line(data, along);
        auto shadePixel = [shade](QRgb& p) {
            // Only opaque pixels: a transparent one shows what lies behind the window.
            if (qAlpha(p) == 255)
                p = Shade(p, shade) | 0xFF000000;
        };
        if (Horizontal()) {
            for (int y = 0; y < data.DeviceHeight; ++y)
                shadePixel(reinterpret_cast<QRgb*>(work.scanLine(y))[line]);
        } else {
            auto* row = reinterpret_cast<QRgb*>(work.scanLine(line));
            for (int x = 0; x < data.DeviceWidth; ++x)
                shadePixel(row[x]);
        }
    }
}

std::uint32_t TRollTransition::Shade(std::uint32_t pixel, int shade) {
    std::uint32_t result = 0;
    for (int byte = 0; byte < 4; ++byte) {
        const int value = int((pixel >> (8 * byte)) & 0xFF) + shade;
        result |= std::uint32_t(std::clamp(value, 0, 255)) << (8 * byte);
    }
    return result;
}

void TRollTransition::BuildShadeTable(std::vector<std::int8_t>& t, int& builtFor, int a) {
    if (t.size() < std::size_t(std::max(a, 2)) + 2)
        t.resize(std::size_t(std::max(a, 2)) + 2);
    if (a == builtFor) {
        t[std::size_t(a) + 1] = 0;
        return;
    }
    t[0] = 0;
    if (a == 1) {
        t[1] = 110;
    } else if (a <= 2) {
        t[1] = -110;
        t[2] = 110;
    } else {
        const bool even = a % 2 == 0;
        const int c = (a - 1) / 2;
        const double x = 220.0 / c;
        const int m = (a + 1) / 2;
        t[1] = -110;
        t[std::size_t(a)] = -110;
        t[std::size_t(m)] = 110;
        if (even)
            t[std::size_t(m) + 1] = 110;
        for (int e = 1; e <= (a - 1) / 4; ++e) {
            const auto g = std::int8_t(RoundEven(110 - e * x));
            t[std::size_t(e) + 1] = std::int8_t(-g);
            t[std::size_t(a - e)] = std::int8_t(-g);
            if (a > 6) {
                t[std::size_t(m - e)] = g;
                t[std::size_t(even ? m + e + 1 : m + e)] = g;
            }
        }
    }
    builtFor = a;
    t[std::size_t(a) + 1] = 0;
}
