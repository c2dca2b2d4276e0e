// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ComCtrls.h"
#include "framework/Graphics.h"
#include "framework/Guard.h"

#include <QKeyEvent>

#include <algorithm>

TTrackBar::TTrackBar(QObject* owner) : TCustomControl(owner) {
    setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 150, 45);
    PublishEvent(QStringLiteral("OnChange"), OnChange);
}

void TTrackBar::SetMin(int min) {
    min_ = min;
    max_ = std::max(max_, min_);
    SetPosition(position_);
    update();
}

void TTrackBar::SetMax(int max) {
    max_ = max;
    min_ = std::min(min_, max_);
    SetPosition(position_);
    update();
}

void TTrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    update();
    OnChange(this);
}

void TTrackBar::SetThumbColor(TColor color) {
    thumbColor_ = color;
    update();
}

void TTrackBar::SetFillColor(TColor color) {
    fillColor_ = color;
    update();
}

int TTrackBar::ThumbRadius() const {
    return std::max(4, Height() / 2 - 2);
}

int TTrackBar::ThumbCentre() const {
    if (max_ == min_)
        return TrackLeft();
    const long long span = TrackRight() - TrackLeft();
    return TrackLeft() + int((span * (position_ - min_) + (max_ - min_) / 2) / (max_ - min_));
}

int TTrackBar::PositionAt(int x) const {
    const int span = TrackRight() - TrackLeft();
    if (span <= 0)
        return min_;
    const long long along = std::clamp(x - TrackLeft(), 0, span);
    return min_ + int((along * (max_ - min_) + span / 2) / span);
}

void TTrackBar::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    const int middle = Height() / 2;
    const int groove = std::max(2, Height() / 6);
    const int thumb = ThumbCentre();
    const TRect track{TrackLeft(), middle - groove, TrackRight() + 1, middle + groove};
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Brush().SetColor(Enabled() ? fillColor_ : TColor(clBtnShadow));
    canvas.Rectangle(track.Left, track.Top, thumb + 1, track.Bottom);
    canvas.Brush().SetColor(clWindow);
    canvas.Rectangle(thumb, track.Top, track.Right, track.Bottom);
    const int r = ThumbRadius();
    canvas.Pen().SetColor(hasFocus() ? TColor(clBlack) : TColor(clBtnShadow));
    canvas.Brush().SetColor(Enabled() ? thumbColor_ : TColor(clBtnFace));
    canvas.Ellipse(thumb - r, middle - r, thumb + r + 1, middle + r + 1);
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    setFocus(Qt::MouseFocusReason);
    if (button == mbLeft)
        SetPosition(PositionAt(x));
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y) {
    if (shift.testFlag(ssLeft))
        SetPosition(PositionAt(x));
    TCustomControl::MouseMove(shift, x, y);
}

void TTrackBar::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        step = -lineSize_;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        step = lineSize_;
        break;
    case Qt::Key_Home:
        Guarded([this] { SetPosition(min_); });
        return;
    case Qt::Key_End:
        Guarded([this] { SetPosition(max_); });
        return;
    default:
        TCustomControl::keyPressEvent(event);
        return;
    }
    Guarded([this, step] { SetPosition(position_ + step); });
}

void TTrackBar::focusInEvent(QFocusEvent*) {
    update();
}

void TTrackBar::focusOutEvent(QFocusEvent*) {
    update();
}
