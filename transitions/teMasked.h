// SPDX-License-Identifier: GPL-3.0-or-later
// Effects that reveal the new image through a mask, in styles and sub-styles.
#pragma once

#include "transitions/teTimed.h"

#include <cstdint>
#include <vector>

class TMaskedTransition : public TTimedTransitionEffect {
    Q_OBJECT
public:
    using TTimedTransitionEffect::TTimedTransitionEffect;

    int Style() const { return style_; }
    // Accepted up to the number of styles; a new style resets the sub-style.
    void SetStyle(int style);
    int SubStyle() const { return subStyle_; }
    // Accepted up to the number of sub-styles of the current style.
    void SetSubStyle(int subStyle);

    int AdjustWidth(int width) const override { return ((width - 1) / 32 + 1) * 32; }
    bool MayRenderOldImage() const override { return false; }
    bool NeedsWorkBitmap() const override { return true; }
    bool WorkBitmapIsOldImage() const override { return true; }
    void Initialize(TTETransitionData& data, int& frameCount) override;
    void Finalize(TTETransitionData& data) override;

    virtual int ReverseSubStyle(int style, int subStyle) const;
    virtual int FrameCount(const TTETransitionData& data) const = 0;
    virtual bool UsesSecondMask() const { return false; }
    virtual bool ClearsMaskAfterFrame() const { return false; }
    virtual bool InvertsMask() const { return false; }
    virtual bool UsesSmoothingBuffer() const { return false; }
    virtual bool SmoothingActive() const { return false; }
    virtual int StyleCount() const = 0;
    virtual int SubStyleCount(int style) const = 0;

protected:
    // Style and sub-style of the run, drawn at random where they are 0.
    int RunStyle() const { return runStyle_; }
    int RunSubStyle() const { return runSubStyle_; }
    // The mask, in device pixels: 0 (white) keeps the old image, 1 (black) takes the new one.
    void FillMask(const TRect& rect, std::uint8_t value);
    // Copies the new image into the work bitmap where the mask is black, within `rect` (device).
    void CopyMasked(TTETransitionData& data, const TRect& rect) const;

private:
    int style_ = 1;
    int subStyle_ = 1;
    int runStyle_ = 0;
    int runSubStyle_ = 0;
    std::vector<std::uint8_t> mask_;
    int maskStride_ = 0;
    int maskHeight_ = 0;
};
