// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RzLabel.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

TRzLabel::TRzLabel(QObject* owner) : TLabel(owner) {
    PublishEvent(QStringLiteral("OnMouseEnter"), OnMouseEnter);
    PublishEvent(QStringLiteral("OnMouseLeave"), OnMouseLeave);
}

void TRzLabel::SetTextStyle(TTextStyle style) {
    textStyle_ = style;
    Invalidate();
}

void TRzLabel::SetLightTextStyle(bool light) {
    lightTextStyle_ = light;
    Invalidate();
}

void TRzLabel::SetHighlightColor(TColor color) {
    highlightColor_ = color;
    Invalidate();
}

void TRzLabel::SetShadowColor(TColor color) {
    shadowColor_ = color;
    Invalidate();
}

void TRzLabel::SetShadowDepth(int depth) {
    shadowDepth_ = depth;
    Invalidate();
}

void TRzLabel::SetCondenseCaption(TRzCondenseCaption condense) {
    condenseCaption_ = condense;
    Invalidate();
}

void TRzLabel::SetBorderSides(TSides sides) {
    frame_.BorderSides = sides;
    Invalidate();
}

void TRzLabel::MouseEnter() {
    if (flyByEnabled_) {
        colorBeforeFlyBy_ = Font()->Color();
        Font()->SetColor(flyByColor_);
    }
    OnMouseEnter(this);
}

void TRzLabel::MouseLeave() {
    if (flyByEnabled_ && colorBeforeFlyBy_ != clNone)
        Font()->SetColor(colorBeforeFlyBy_);
    colorBeforeFlyBy_ = clNone;
    OnMouseLeave(this);
}

void TRzLabel::DrawCaption(TCanvas& canvas, TRect r, unsigned flags, TColor color, int dx, int dy) const {
    r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    canvas.Font().SetColor(color);
    canvas.DrawText(Caption(), r, flags);
}

void TRzLabel::Paint() {
    TCanvas& canvas = *Canvas();
    TFrameSettings frame = frame_;
    frame.Color = Color();
    frame.ParentColor = Parent() ? Parent()->Color() : Color();
    frame.Transparent = Transparent();
    TRect r = DrawInnerOuterBorders(canvas, ClientRect(), frame);
    if (!Transparent()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(r);
    }
    // The canvas has no path ellipsis; both condensing styles cut at the end.
    const unsigned flags = TextFlags() | (condenseCaption_ == ccNone ? 0u : DT_END_ELLIPSIS);
    if (Layout() != tlTop) {
        TRect measured = r;
        canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
        const int free = Height() - frame.BorderWidth - measured.Bottom;
        r.Top += Layout() == tlCenter ? free / 2 : free;
    }
    if (!Enabled()) {
        DrawCaption(canvas, r, flags, clBtnHighlight, 1, 1);
        DrawCaption(canvas, r, flags, clBtnShadow, 0, 0);
        return;
    }
    switch (textStyle_) {
    case tsRaised:
        if (!lightTextStyle_)
            DrawCaption(canvas, r, flags, shadowColor_, 1, 1);
        DrawCaption(canvas, r, flags, highlightColor_, -1, -1);
        break;
    case tsRecessed:
        DrawCaption(canvas, r, flags, highlightColor_, 1, 1);
        if (!lightTextStyle_)
            DrawCaption(canvas, r, flags, shadowColor_, -1, -1);
        break;
    case tsShadow:
        DrawCaption(canvas, r, flags, shadowColor_, shadowDepth_, shadowDepth_);
        break;
    case tsNormal:
        break;
    }
    DrawCaption(canvas, r, flags, Font()->Color(), 0, 0);
}

TRzURLLabel::TOpener TRzURLLabel::Opener = [](const QString& target) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
};

std::function<void(const QString&)> TRzURLLabel::ChooseProgram = [](const QString&) {};

TRzURLLabel::TRzURLLabel(QObject* owner) : TRzLabel(owner) {
    SetCursor(crHandPoint);
    Font()->SetColor(unvisitedColor_);
    Font()->SetStyle(fsUnderline);
}

void TRzURLLabel::UpdateFontColor() {
    Font()->SetColor(visited_ ? visitedColor_ : unvisitedColor_);
}

void TRzURLLabel::SetVisited(bool visited) {
    visited_ = visited;
    UpdateFontColor();
}

void TRzURLLabel::SetVisitedColor(TColor color) {
    visitedColor_ = color;
    UpdateFontColor();
}

void TRzURLLabel::SetUnvisitedColor(TColor color) {
    unvisitedColor_ = color;
    UpdateFontColor();
}

void TRzURLLabel::Click() {
    TRzLabel::Click();
    QString target = url_.trimmed();
    if (target.isEmpty())
        target = Caption().trimmed();
    if (target.isEmpty())
        return;
    if (Opener && Opener(target))
        SetVisited(true);
    else if (QFileInfo(target).suffix().toUpper() == QLatin1String("HTM") && ChooseProgram)
        ChooseProgram(target);
}
