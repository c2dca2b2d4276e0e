// SPDX-License-Identifier: GPL-3.0-or-later
// TTrackBar: a horizontal slider with a round thumb over a groove that fills up to it; the thumb
// follows a press or drag anywhere on the control and the arrow keys.
#pragma once

#include "framework/Controls.h"

#include <algorithm>

class TTrackBar : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int LineSize READ LineSize WRITE SetLineSize)
    Q_PROPERTY(int ThumbColor READ ThumbColor WRITE SetThumbColor)
    Q_PROPERTY(int FillColor READ FillColor WRITE SetFillColor)
public:
    explicit TTrackBar(QObject* owner);

    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    // Brought into Min..Max; a different position is shown and reported through OnChange.
    void SetPosition(int position);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int size) { lineSize_ = std::max(1, size); }
    TColor ThumbColor() const { return thumbColor_; }
    void SetThumbColor(TColor color);
    TColor FillColor() const { return fillColor_; }
    void SetFillColor(TColor color);

    // The position a press at `x` (client pixels) chooses.
    int PositionAt(int x) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int ThumbRadius() const;
    // The groove's first and last pixel the thumb's centre reaches.
    int TrackLeft() const { return ThumbRadius(); }
    int TrackRight() const { return Width() - 1 - ThumbRadius(); }
    int ThumbCentre() const;

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int lineSize_ = 1;
    TColor thumbColor_ = 0x37BEFF;
    TColor fillColor_ = 0x009CE8;
};
