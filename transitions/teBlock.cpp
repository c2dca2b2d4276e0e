// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teBlock.h"
#include "framework/Random.h"

#include <algorithm>
#include <cmath>

namespace {
int RoundDivision(long double numerator, long double denominator) {
    return int(std::nearbyintl(numerator / denominator));
}
int Edge(int size, int count, int index) {
    if (index <= 0)
        return 0;
    if (index >= count)
        return size;
    return int(std::nearbyintl((long double)size / count * index));
}
} // namespace

TBlockTransition::TBlockTransition(QObject* owner) : TMaskedTransition(owner) {}

void TBlockTransition::SetBlockWidth(int width) {
    if (width == blockWidth_)
        return;
    blockWidth_ = std::max(1, width);
    cols_ = 0;
}

void TBlockTransition::SetBlockHeight(int height) {
    if (height == blockHeight_)
        return;
    blockHeight_ = std::max(1, height);
    rows_ = 0;
}

void TBlockTransition::SetCols(int cols) {
    if (cols == cols_)
        return;
    cols_ = std::max(1, cols);
    blockWidth_ = 0;
}

void TBlockTransition::SetRows(int rows) {
    if (rows == rows_)
        return;
    rows_ = std::max(1, rows);
    blockHeight_ = 0;
}

int TBlockTransition::SubStyleCount(int style) const {
    switch (style) {
    case 1:
        return 1;
    case 2:
        return 8;
    default:
        return 4;
    }
}

int TBlockTransition::FrameCount(const TTETransitionData&) const {
    // Only the shuffled order is drawn, whatever the style; one block a frame.
    return gridCols_ * gridRows_;
}

TRect TBlockTransition::BlockRect(int row, int col) const {
    return {Edge(width_, gridCols_, col - 1), Edge(height_, gridRows_, row - 1), Edge(width_, gridCols_, col),
            Edge(height_, gridRows_, row)};
}

void TBlockTransition::Initialize(TTETransitionData& data, int& frameCount) {
    width_ = data.Width;
    height_ = data.Height;
    const int cols = cols_ != 0 ? cols_ : RoundDivision(width_, std::max(1, blockWidth_));
    const int rows = rows_ != 0 ? rows_ : RoundDivision(height_, std::max(1, blockHeight_));
    gridCols_ = std::clamp(cols, 1, std::max(1, width_));
    gridRows_ = std::clamp(rows, 1, std::max(1, height_));
    TMaskedTransition::Initialize(data, frameCount);

    const int count = gridCols_ * gridRows_;
    Randomize();
    order_.resize(std::size_t(count));
    for (int r = 1; r <= gridRows_; ++r)
        for (int c = 1; c <= gridCols_; ++c)
            order_[std::size_t((r - 1) * gridCols_ + c - 1)] = r * 65536 + c;
    for (int i = 0; i < count; ++i)
        std::swap(order_[std::size_t(i)], order_[std::size_t(Random(count))]);
    DirtyRects->Clip = true;
    DirtyRects->Bounds = Rect(0, 0, data.DeviceWidth, data.DeviceHeight);
}

void TBlockTransition::Finalize(TTETransitionData& data) {
    std::vector<int>().swap(order_);
    TMaskedTransition::Finalize(data);
}

void TBlockTransition::DrawFrame(TTETransitionData& data, int n, int k, int N, int previousFrame) {
    TMaskedTransition::DrawFrame(data, n, k, N, previousFrame);
    // The grid is the window's; the blocks are revealed in the screen's pixels.
    QList<TRect> blocks;
    for (int position = n - k + 1; position <= n; ++position) {
        const int block = OrderAt(position);
        blocks.append(data.ToDevice(BlockRect(block / 65536, block % 65536)));
    }
    if (!puzzle_ && k <= 100) {
        for (const TRect& block : blocks)
            FillMask(block, 1);
        if (data.Canvas)
            data.Canvas->Copy(*data.DstImage, blocks, TRect{});
        FramePainted = true;
        return;
    }
    UpdateRect = Rect(0, 0, data.DeviceWidth, data.DeviceHeight);
    for (const TRect& block : blocks) {
        FillMask(block, 1);
        if (k <= 650)
            DirtyRects->Add(block);
    }
    const QList<TRect> areas = DirtyRects->Count() >= 2 ? DirtyRects->Rects() : QList<TRect>{UpdateRect};
    for (const TRect& area : areas) {
        CopyMasked(data, area);
        FillMask(area, 0);
    }
}
