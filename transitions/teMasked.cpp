// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teMasked.h"
#include "framework/Random.h"

void TMaskedTransition::SetStyle(int style) {
    if (style < 0 || style > StyleCount() || style == style_)
        return;
    style_ = style;
    subStyle_ = style == 0 ? 0 : 1;
}

void TMaskedTransition::SetSubStyle(int subStyle) {
    const int limit = style_ == 0 ? 0 : SubStyleCount(style_);
    if (subStyle >= 0 && subStyle <= limit)
        subStyle_ = subStyle;
}

int TMaskedTransition::ReverseSubStyle(int, int subStyle) const {
    return subStyle;
}

void TMaskedTransition::Initialize(TTETransitionData& data, int& frameCount) {
    TTimedTransitionEffect::Initialize(data, frameCount);
    runStyle_ = style_ != 0 ? style_ : 1 + Random(StyleCount());
    runSubStyle_ = subStyle_ != 0 ? subStyle_ : 1 + Random(SubStyleCount(runStyle_));
    if (EffectiveReversed())
        runSubStyle_ = ReverseSubStyle(runStyle_, runSubStyle_);
    maskStride_ = AdjustWidth(data.DeviceWidth);
    maskHeight_ = data.DeviceHeight;
    mask_.assign(std::size_t(maskStride_) * std::size_t(maskHeight_), 0);
    frameCount = FrameCount(data);
}

void TMaskedTransition::Finalize(TTETransitionData& data) {
    std::vector<std::uint8_t>().swap(mask_);
    runStyle_ = runSubStyle_ = 0;
    TTimedTransitionEffect::Finalize(data);
}

void TMaskedTransition::FillMask(const TRect& rect, std::uint8_t value) {
    const TRect r = IntersectRect(rect, Rect(0, 0, maskStride_, maskHeight_));
    for (int y = r.Top; y < r.Bottom; ++y)
        std::fill_n(mask_.begin() + std::ptrdiff_t(y) * maskStride_ + r.Left, r.Width(), value);
}

void TMaskedTransition::CopyMasked(TTETransitionData& data, const TRect& rect) const {
    const TRect r = IntersectRect(rect, Rect(0, 0, data.DeviceWidth, data.DeviceHeight));
    for (int y = r.Top; y < r.Bottom; ++y) {
        const std::uint8_t* mask = mask_.data() + std::ptrdiff_t(y) * maskStride_;
        const auto* from = reinterpret_cast<const QRgb*>(data.DstImage->constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(data.Bitmap->scanLine(y));
        for (int x = r.Left; x < r.Right; ++x)
            if (mask[x])
                to[x] = from[x];
    }
}
