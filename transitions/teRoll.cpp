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
    const int W = data.Width;
    const int H = data.Height;
    const int S = size_;
    direction_ = EffectiveDirection();
    unrolling_ = unroll_ != EffectiveReversed();
    const bool horizontal = direction_ == te::tedRight || direction_ == te::tedLeft;
    frameCount = horizontal ? W + 1 : H + 1;
    switch (direction_) {
    case te::tedRight:
        flat_ = band_ = unrolling_ ? Rect(-S, 0, 0, H) : Rect(0, 0, 0, H);
        break;
    case te::tedLeft:
        flat_ = band_ = unrolling_ ? Rect(W, 0, W + S, H) : Rect(W, 0, W, H);
        break;
    case te::tedDown:
        flat_ = band_ = unrolling_ ? Rect(0, -S, W, 0) : Rect(0, 0, W, 0);
        break;
    default:
        if (unrolling_) {
            flat_ = Rect(0, H + S, W, H + S);
            band_ = Rect(0, H, W, H + S);
        } else {
            flat_ = band_ = Rect(0, H, W, H);
        }
        break;
    }
    if (ThreeD()) {
        shades_.assign(std::size_t(S) + 2, 0);
        shadeWidth_ = -1;
        if (unrolling_)
            BuildShadeTable(shades_, shadeWidth_, S);
    }
    const QImage& source = unrolling_ ? *data.DstImage : *data.SrcImage;
    mirror_ = source.copy(0, 0, W, H).mirrored(horizontal, !horizontal).convertToFormat(QImage::Format_RGB32);
}

void TRollTransition::Finalize(TTETransitionData& data) {
    shades_.clear();
    mirror_ = QImage();
    TTimedTransitionEffect::Finalize(data);
}

void TRollTransition::DrawFrame(TTETransitionData& data, int n, int k, int N, int previousFrame) {
    TTimedTransitionEffect::DrawFrame(data, n, k, N, previousFrame);
    const int W = data.Width;
    const int H = data.Height;
    int s = 0;
    int from = 0;
    const TRect oldFlat = flat_;
    if (unrolling_) {
        s = N - n < size_ ? N - n - 1 : size_;
        switch (direction_) {
        case te::tedRight:
            band_.Right += k;
            band_.Left = band_.Right - s;
            flat_.Left = oldFlat.Right;
            flat_.Right = band_.Left;
            from = W - band_.Right - s;
            break;
        case te::tedLeft:
            band_.Left -= k;
            band_.Right = band_.Left + s;
            flat_.Right = oldFlat.Left;
            flat_.Left = band_.Right;
            from = W - band_.Right + s - 1;
            break;
        case te::tedDown:
            band_.Bottom += k;
            band_.Top = band_.Bottom - s;
            flat_.Top = oldFlat.Bottom;
            flat_.Bottom = band_.Top;
            from = H - band_.Bottom - s;
            break;
        default:
            band_.Top -= k;
            band_.Bottom = band_.Top + s;
            flat_.Bottom = oldFlat.Top;
            flat_.Top = band_.Bottom;
            from = H - band_.Bottom + s - 1;
            break;
        }
    } else {
        s = std::min(n, size_);
        switch (direction_) {
        case te::tedRight:
            flat_.Left = oldFlat.Right;
            flat_.Right += k;
            band_.Left = flat_.Right;
            band_.Right = flat_.Right + s;
            from = W - band_.Left - 1;
            break;
        case te::tedLeft:
            flat_.Right = oldFlat.Left;
            flat_.Left -= k;
            band_.Right = flat_.Left;
            band_.Left = flat_.Left - s;
            from = W - band_.Right - s;
            break;
        case te::tedDown:
            flat_.Top = oldFlat.Bottom;
            flat_.Bottom += k;
            band_.Top = flat_.Bottom;
            band_.Bottom = flat_.Bottom + s;
            from = H - band_.Top - 1;
            break;
        default:
            flat_.Bottom = oldFlat.Top;
            flat_.Top -= k;
            band_.Bottom = flat_.Top;
            band_.Top = flat_.Top - s;
            from = H - band_.Bottom - s;
            break;
        }
    }
    QImage& work = *data.Bitmap;
    CopyMirror(work, from, s);

    UpdateRect = UnionRect(UpdateRect, band_);
    const TRect flat = IntersectRect(flat_, Rect(0, 0, W, H));
    if (!IsRectEmpty(flat)) {
        QPainter painter(&work);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(flat.ToQRect().topLeft(), *data.DstImage, flat.ToQRect());
    }
    UpdateRect = IntersectRect(UnionRect(UpdateRect, flat_), Rect(0, 0, W, H));
    if (ThreeD()) {
        if (shadeWidth_ != s)
            BuildShadeTable(shades_, shadeWidth_, s);
        ShadeBand(work);
    }
}

void TRollTransition::CopyMirror(QImage& work, int from, int s) const {
    const int W = mirror_.width();
    const int H = mirror_.height();
    if (direction_ == te::tedRight || direction_ == te::tedLeft) {
        for (int i = 0; i < s; ++i) {
            const int to = band_.Left + i;
            const int x = from + i;
            if (to < 0 || to >= W || x < 0 || x >= W)
                continue;
            for (int y = 0; y < H; ++y)
                reinterpret_cast<QRgb*>(work.scanLine(y))[to] =
                    reinterpret_cast<const QRgb*>(mirror_.constScanLine(y))[x];
        }
    } else {
        for (int i = 0; i < s; ++i) {
            const int to = band_.Top + i;
            const int y = from + i;
            if (to < 0 || to >= H || y < 0 || y >= H)
                continue;
            std::copy_n(reinterpret_cast<const QRgb*>(mirror_.constScanLine(y)), W,
                        reinterpret_cast<QRgb*>(work.scanLine(to)));
        }
    }
}

void TRollTransition::ShadeBand(QImage& work) const {
    const TRect area = IntersectRect(band_, UpdateRect);
    if (IsRectEmpty(area))
        return;
    if (direction_ == te::tedRight || direction_ == te::tedLeft) {
        for (int x = area.Left; x < area.Right; ++x) {
            const int shade = shades_[std::size_t(x - band_.Left + 1)];
            for (int y = area.Top; y < area.Bottom; ++y) {
                QRgb& p = reinterpret_cast<QRgb*>(work.scanLine(y))[x];
                p = Shade(p, shade);
            }
        }
    } else {
        for (int y = area.Top; y < area.Bottom; ++y) {
            const int shade = shades_[std::size_t(band_.Bottom - y)];
            auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
            for (int x = area.Left; x < area.Right; ++x)
                line[x] = Shade(line[x], shade);
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
