// SPDX-License-Identifier: GPL-3.0-or-later
// The block effect: the window appears as a grid of blocks switching from the old screen
// content to the new image one after another, in shuffled order.
#pragma once

#include "transitions/teMasked.h"

class TBlockTransition : public TMaskedTransition {
    Q_OBJECT
    Q_PROPERTY(int BlockWidth READ BlockWidth WRITE SetBlockWidth)
    Q_PROPERTY(int BlockHeight READ BlockHeight WRITE SetBlockHeight)
    Q_PROPERTY(int Cols READ Cols WRITE SetCols)
    Q_PROPERTY(int Rows READ Rows WRITE SetRows)
    Q_PROPERTY(bool Dual READ Dual WRITE SetDual)
    Q_PROPERTY(int Milliseconds READ Milliseconds WRITE SetMilliseconds)
    Q_PROPERTY(bool Puzzle READ Puzzle WRITE SetPuzzle)
    Q_PROPERTY(bool Reversed READ Reversed WRITE SetReversed)
    Q_PROPERTY(int Style READ Style WRITE SetStyle)
    Q_PROPERTY(int SubStyle READ SubStyle WRITE SetSubStyle)
public:
    explicit TBlockTransition(QObject* owner);

    int BlockWidth() const { return blockWidth_; }
    void SetBlockWidth(int width);
    int BlockHeight() const { return blockHeight_; }
    void SetBlockHeight(int height);
    int Cols() const { return cols_; }
    void SetCols(int cols);
    int Rows() const { return rows_; }
    void SetRows(int rows);
    bool Dual() const { return dual_; }
    void SetDual(bool dual) { dual_ = dual; }
    bool Puzzle() const { return puzzle_; }
    void SetPuzzle(bool puzzle) { puzzle_ = puzzle; }
    QString Description() const override { return QStringLiteral("Blocks"); }

    int StyleCount() const override { return 4; }
    int SubStyleCount(int style) const override;
    int FrameCount(const TTETransitionData& data) const override;
    void Initialize(TTETransitionData& data, int& frameCount) override;
    void Finalize(TTETransitionData& data) override;
    void DrawFrame(TTETransitionData& data, int frame, int step, int frameCount, int previousFrame) override;

    // The grid of the last run and its blocks, rows and columns from 1.
    int GridCols() const { return gridCols_; }
    int GridRows() const { return gridRows_; }
    TRect BlockRect(int row, int col) const;
    // The block (row * 65536 + column) at order position `position` (from 1) of the run.
    int OrderAt(int position) const { return order_.at(std::size_t(position) - 1); }

private:
    int blockWidth_ = 50;
    int blockHeight_ = 50;
    int cols_ = 0;
    int rows_ = 0;
    bool dual_ = false;
    bool puzzle_ = false;

    int gridCols_ = 0;
    int gridRows_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<int> order_;
};
