// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RzPanel.h"

TRzPanel::TRzPanel(QObject* owner) : TCustomPanel(owner) {
    PublishEvent(QStringLiteral("OnPaint"), OnPaint);
    PublishEvent(QStringLiteral("OnMouseEnter"), OnMouseEnter);
    PublishEvent(QStringLiteral("OnMouseLeave"), OnMouseLeave);
    // The panel's own frame replaces the framework panel's bevel.
    SetBevelOuter(bvNone);
    frame_.BorderOuter = fsRaised;
}

TFrameSettings TRzPanel::Frame() const {
    TFrameSettings frame = frame_;
    frame.BorderWidth = BorderWidth();
    frame.BevelWidth = BevelWidth();
    frame.Color = Color();
    frame.ParentColor = Parent() ? Parent()->Color() : Color();
    return frame;
}

void TRzPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TRzPanel::SetBorderOuter(TFrameStyleEx style) {
    frame_.BorderOuter = style;
    FrameChanged();
}

void TRzPanel::SetBorderInner(TFrameStyleEx style) {
    frame_.BorderInner = style;
    FrameChanged();
}

void TRzPanel::SetBorderSides(TSides sides) {
    frame_.BorderSides = sides;
    FrameChanged();
}

void TRzPanel::SetBorderColor(TColor color) {
    frame_.BorderColor = color;
    Invalidate();
}

void TRzPanel::SetBorderHighlight(TColor color) {
    frame_.BorderHighlight = color;
    Invalidate();
}

void TRzPanel::SetBorderShadow(TColor color) {
    frame_.BorderShadow = color;
    Invalidate();
}

void TRzPanel::SetFlatColor(TColor color) {
    frame_.FlatColor = color;
    Invalidate();
}

void TRzPanel::SetFlatColorAdjustment(int adjustment) {
    frame_.FlatColorAdjustment = adjustment;
    Invalidate();
}

void TRzPanel::SetShowGrid(bool show) {
    showGrid_ = show;
    Invalidate();
}

void TRzPanel::SetGridStyle(TRzGridStyle style) {
    gridStyle_ = style;
    Invalidate();
}

void TRzPanel::SetGridColor(TColor color) {
    gridColor_ = color;
    Invalidate();
}

void TRzPanel::SetGridXSize(ushort size) {
    gridXSize_ = size;
    Invalidate();
}

void TRzPanel::SetGridYSize(ushort size) {
    gridYSize_ = size;
    Invalidate();
}

// Qt draws children over their parent, so leaving the fill out shows the parent's image.
void TRzPanel::SetTransparent(bool transparent) {
    frame_.Transparent = transparent;
    Invalidate();
}

void TRzPanel::SetAlignmentVertical(TAlignmentVertical alignment) {
    alignmentVertical_ = alignment;
    Invalidate();
}

void TRzPanel::SetEnabled(bool enabled) {
    if (enabled == Enabled())
        return;
    const QList<TControl*> children = Controls();
    if (!enabled) {
        childEnabled_.clear();
        for (TControl* child : children) {
            childEnabled_.insert(child, child->Enabled());
            child->SetEnabled(false);
        }
    }
    TCustomPanel::SetEnabled(enabled);
    if (enabled) {
        for (TControl* child : children)
            child->SetEnabled(childEnabled_.value(child, true));
        childEnabled_.clear();
    }
}

TRect TRzPanel::AdjustClientRect(TRect rect) const {
    return FrameInterior(rect, Frame());
}

void TRzPanel::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect r = DrawInnerOuterBorders(canvas, ClientRect(), Frame());
    if (!Transparent()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(r);
    }
    if (showGrid_)
        DrawGrid(canvas, r);
    if (!Caption().isEmpty())
        DrawCaption(canvas, r);
    OnPaint(this);
}

// Grid lines sit on the last pixel of each cell: x = L - 1 + i * GridXSize.
void TRzPanel::DrawGrid(TCanvas& canvas, const TRect& r) const {
    const int nx = gridXSize_ ? r.Width() / gridXSize_ : 0;
    const int ny = gridYSize_ ? r.Height() / gridYSize_ : 0;
    const auto column = [&](int i) { return r.Left - 1 + i * gridXSize_; };
    const auto row = [&](int j) { return r.Top - 1 + j * gridYSize_; };
    const auto dot = [&](int x, int y) { canvas.SetPixel(x, y, gridColor_); };
    if (gridStyle_ == gsDots) {
        for (int i = 1; i <= nx; ++i)
            for (int j = 1; j <= ny; ++j)
                dot(column(i), row(j));
        return;
    }
    // Dotted lines keep every second pixel, starting one after the line's start.
    const int step = gridStyle_ == gsDottedLines ? 2 : 1;
    const int skip = gridStyle_ == gsDottedLines ? 1 : 0;
    for (int i = 1; i <= nx; ++i)
        for (int y = r.Top + skip; y < r.Bottom; y += step)
            dot(column(i), y);
    for (int j = 1; j <= ny; ++j)
        for (int x = r.Left + skip; x < r.Right; x += step)
            dot(x, row(j));
}

void TRzPanel::DrawCaption(TCanvas& canvas, const TRect& r) const {
    unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
    if (Alignment() == taCenter)
        flags |= DT_CENTER;
    else if (Alignment() == taRightJustify)
        flags |= DT_RIGHT;
    TRect area{r.Left + 1, r.Top, r.Right, r.Bottom};
    TRect measured = area;
    const int height = canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
    int top = area.Top;
    if (alignmentVertical_ == avCenter)
        top = (area.Top + area.Bottom - height) / 2;
    else if (alignmentVertical_ == avBottom)
        top = area.Bottom - height - 1;
    TRect place{area.Left, top, area.Right, top + height};
    if (!Enabled()) {
        TRect raised{place.Left + 1, place.Top + 1, place.Right + 1, place.Bottom + 1};
        canvas.Font().SetColor(clBtnHighlight);
        canvas.DrawText(Caption(), raised, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(Caption(), place, flags);
}
