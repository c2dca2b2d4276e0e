#include "transitions/teBlock.h"

#include <algorithm>

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
