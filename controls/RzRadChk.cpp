// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RzRadChk.h"

#include <QKeyEvent>
#include <QShortcut>
#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kBox = TRzCheckBox::BoxSize;
// Box width + 4: where the caption starts beside the box.
constexpr int kCaptionIndent = kBox + 4;

// The mark as columns (x, first y) of three pixels each, inside the 13 x 13 box.
constexpr std::array<TPoint, 7> kCheckMark = {{{3, 5}, {4, 6}, {5, 7}, {6, 6}, {7, 5}, {8, 4}, {9, 3}}};

void Fill(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

// The colour opposite `color` in hue, at saturation 220 and lightness 180.
TColor Complement(TColor color) {
    THls hls = ColorToHls(color);
    hls.H = (hls.H + 120) % 240;
    hls.S = 220;
    hls.L = 180;
    return HlsToColor(hls);
}

QRgb Rgb(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

} // namespace

TRzCheckBox::TRzCheckBox(QObject* owner)
    : TCustomControl(owner), customGlyphs_(new TBitmap(this)), accelerator_(new QShortcut(this)) {
    PublishEvent(QStringLiteral("OnMouseEnter"), OnMouseEnter);
    PublishEvent(QStringLiteral("OnMouseLeave"), OnMouseLeave);
    customGlyphs_->OnChange = [this](QObject*) {
        useCustomGlyphs_ = !customGlyphs_->Empty();
        Changed();
    };
    connect(accelerator_, &QShortcut::activated, this, [this] {
        if (!Enabled() || !isVisible())
            return;
        SetFocus();
        Toggle();
    });
    SetColor(clWindow);
    SetParentColor(true);
    SetTabStop(true);
    SetBounds(0, 0, 115, 17);
}

void TRzCheckBox::SetState(TCheckBoxState state) {
    if (state == state_ || state < cbUnchecked || state > cbGrayed)
        return;
    state_ = state;
    Repaint();
    OnClick(this);
}

void TRzCheckBox::Toggle() {
    switch (state_) {
    case cbUnchecked:
        SetState(allowGrayed_ ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    }
}

void TRzCheckBox::Click() {
    Toggle();
}

void TRzCheckBox::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

void TRzCheckBox::SetAlignmentVertical(TAlignmentVertical alignment) {
    alignmentVertical_ = alignment;
    Changed();
}

void TRzCheckBox::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Changed();
}

void TRzCheckBox::SetTextStyle(TTextStyle style) {
    textStyle_ = style;
    Changed();
}

void TRzCheckBox::SetLightTextStyle(bool light) {
    lightTextStyle_ = light;
    Changed();
}

void TRzCheckBox::SetTextHighlightColor(TColor color) {
    textHighlightColor_ = color;
    Changed();
}

void TRzCheckBox::SetTextShadowColor(TColor color) {
    textShadowColor_ = color;
    Changed();
}

void TRzCheckBox::SetTextShadowDepth(int depth) {
    textShadowDepth_ = depth;
    Changed();
}

void TRzCheckBox::SetHotTrack(bool hotTrack) {
    hotTrack_ = hotTrack;
    Changed();
}

void TRzCheckBox::SetHotTrackColor(TColor color) {
    hotTrackColor_ = color;
    Changed();
}

void TRzCheckBox::SetHotTrackColorType(THotTrackColorType type) {
    hotTrackColorType_ = type;
    Changed();
}

void TRzCheckBox::SetHighlightColor(TColor color) {
    highlightColor_ = color;
    Changed();
}

void TRzCheckBox::SetFrameColor(TColor color) {
    frameColor_ = color;
    Changed();
}

void TRzCheckBox::SetDisabledColor(TColor color) {
    disabledColor_ = color;
    Changed();
}

void TRzCheckBox::SetUseCustomGlyphs(bool use) {
    useCustomGlyphs_ = use;
    Changed();
}

void TRzCheckBox::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    Changed();
}

void TRzCheckBox::SetWinMaskColor(TColor color) {
    winMaskColor_ = color;
    Changed();
}

TPoint TRzCheckBox::BoxPos() const {
    const int x = alignment_ == taLeftJustify ? Width() - kBox : 0;
    switch (alignmentVertical_) {
    case avCenter:
        return {x, (Height() - kBox) / 2};
    case avBottom:
        return {x, Height() - kBox - 2};
    case avTop:
        break;
    }
    return {x, 2};
}

// Without hot tracking: a plain box with a one-pixel frame; with it, a coloured band inside
// the frame that lights up under the mouse.
TRzCheckBox::TBoxColors TRzCheckBox::BoxColors() const {
    if (!hotTrack_) {
        TBoxColors plain{clBtnShadow, clNone, clNone, clWindow, Font()->Color(), false};
        const bool dim = !Enabled() || state_ == cbGrayed;
        if (dim || pressed_)
            plain.Face = clBtnFace;
        if (dim)
            plain.Mark = clBtnShadow;
        return plain;
    }
    TBoxColors colors{frameColor_, clWindow, clWindow, clWindow, highlightColor_, true};
    if (!Enabled()) {
        colors.BandA = colors.BandB = colors.Face = disabledColor_;
        colors.Mark = clBtnShadow;
    } else if (pressed_) {
        colors.BandA = colors.BandB = colors.Face = AdjustColor(clWindow, -20);
    } else if (mouseOver_) {
        colors.BandB =
            hotTrackColorType_ == htctActual ? AdjustColor(hotTrackColor_, 30) : Complement(hotTrackColor_);
        colors.BandA = hotTrackColorType_ == htctActual ? AdjustColor(hotTrackColor_, -30)
                                                        : AdjustColor(colors.BandB, -30);
    }
    return colors;
}

void TRzCheckBox::DrawBox(TCanvas& canvas, TPoint at) const {
    const TBoxColors colors = BoxColors();
    TRect r{at.X, at.Y, at.X + kBox, at.Y + kBox};
    DrawSides(canvas, r, colors.Frame, colors.Frame, sdAllSides);
    if (colors.Band)
        DrawBevel(canvas, r, colors.BandB, colors.BandA, 2, sdAllSides);
    Fill(canvas, r, colors.Face);
    if (state_ == cbGrayed && hotTrack_) {
        Fill(canvas, {at.X + 3, at.Y + 3, at.X + kBox - 3, at.Y + kBox - 3}, colors.Mark);
        return;
    }
    if (state_ == cbUnchecked)
        return;
    for (const TPoint& column : kCheckMark)
        Fill(canvas, {at.X + column.X, at.Y + column.Y, at.X + column.X + 1, at.Y + column.Y + 3},
             colors.Mark);
}

// A slice of CustomGlyphs with its key colours replaced.
void TRzCheckBox::DrawCustomBox(TCanvas& canvas, TPoint at) const {
    const int slice = (Enabled() ? 3 : 6) + int(state_);
    QImage box =
        customGlyphs_->Image().copy(slice * kBox, 0, kBox, kBox).convertToFormat(QImage::Format_ARGB32);
    const QRgb see = Rgb(transparentColor_) & RGB_MASK;
    const QRgb mask = Rgb(winMaskColor_) & RGB_MASK;
    const QRgb frame = Rgb(frameColor_);
    const QRgb back = Rgb(Color());
    const QRgb blend = qRgb((qRed(frame) + qRed(back)) / 2, (qGreen(frame) + qGreen(back)) / 2,
                            (qBlue(frame) + qBlue(back)) / 2);
    for (int y = 0; y < box.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(box.scanLine(y));
        for (int x = 0; x < box.width(); ++x) {
            const QRgb pixel = line[x] & RGB_MASK;
            if (pixel == see)
                line[x] = transparent_ ? 0 : back;
            else if (pixel == mask)
                line[x] = Rgb(clWindow);
            else if (pixel == (Rgb(clGreen) & RGB_MASK))
                line[x] = blend;
        }
    }
    canvas.Painter().drawImage(at.X, at.Y, box);
}

TRect TRzCheckBox::CaptionArea() const {
    TRect r{1, 1, Width() - 1, Height() - 1};
    if (alignment_ == taLeftJustify)
        r.Right -= kCaptionIndent;
    else
        r.Left += kCaptionIndent;
    return r;
}

void TRzCheckBox::DrawCaption(TCanvas& canvas) const {
    const unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
    const TRect area = CaptionArea();
    TRect measured = area;
    const int height = canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
    int top = area.Top;
    if (alignmentVertical_ == avCenter)
        top = (area.Top + area.Bottom - height) / 2;
    else if (alignmentVertical_ == avBottom)
        top = area.Bottom - height - 1;
    const TColor textColor = Font()->Color();
    const auto draw = [&](TColor color, int d) {
        TRect r{area.Left + d, top + d, area.Right + d, top + height + d};
        canvas.Font().SetColor(color);
        canvas.DrawText(Caption(), r, flags);
    };
    if (!Enabled()) {
        draw(clBtnHighlight, 1);
        draw(clBtnShadow, 0);
        return;
    }
    if (textStyle_ == tsRaised) {
        if (!lightTextStyle_)
            draw(textShadowColor_, 1);
        draw(textHighlightColor_, -1);
    } else if (textStyle_ == tsRecessed) {
        draw(textHighlightColor_, 1);
        if (!lightTextStyle_)
            draw(textShadowColor_, -1);
    } else if (textStyle_ == tsShadow) {
        draw(textShadowColor_, textShadowDepth_);
    }
    draw(textColor, 0);
    if (!hasFocus())
        return;
    // Dotted outline: every second pixel of each edge, from one after its start.
    TRect dotted = measured;
    canvas.DrawText(Caption().trimmed(), dotted, flags | DT_CALCRECT);
    const TRect focus{area.Left - 1, area.Top - 1,
                      std::min(area.Right + 1, area.Left - 1 + dotted.Width() + 3), area.Bottom + 1};
    for (int x = focus.Left + 1; x < focus.Right; x += 2) {
        canvas.SetPixel(x, focus.Top, clBlack);
        canvas.SetPixel(x, focus.Bottom - 1, clBlack);
    }
    for (int y = focus.Top + 1; y < focus.Bottom; y += 2) {
        canvas.SetPixel(focus.Left, y, clBlack);
        canvas.SetPixel(focus.Right - 1, y, clBlack);
    }
}

void TRzCheckBox::Paint() {
    TCanvas& canvas = *Canvas();
    if (!transparent_)
        Fill(canvas, ClientRect(), Color());
    if (useCustomGlyphs_ && !customGlyphs_->Empty())
        DrawCustomBox(canvas, BoxPos());
    else
        DrawBox(canvas, BoxPos());
    if (!Caption().isEmpty())
        DrawCaption(canvas);
}

void TRzCheckBox::SetPressed(bool pressed) {
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    Repaint();
}

void TRzCheckBox::MouseEnter() {
    mouseOver_ = true;
    OnMouseEnter(this);
    if (hotTrack_)
        Changed();
}

void TRzCheckBox::MouseLeave() {
    mouseOver_ = false;
    OnMouseLeave(this);
    if (hotTrack_)
        Changed();
}

void TRzCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && Enabled()) {
        SetFocus();
        if (hasFocus()) {
            dragging_ = true;
            SetPressed(true);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TRzCheckBox::MouseMove(TShiftState shift, int x, int y) {
    if (dragging_)
        SetPressed(x >= 0 && x < Width() && y >= 0 && y < Height());
    TCustomControl::MouseMove(shift, x, y);
}

void TRzCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    dragging_ = false;
    SetPressed(false);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TRzCheckBox::TextChanged() {
    accelerator_->setKey(QKeySequence::mnemonic(Caption()));
    Changed();
}

void TRzCheckBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            keyToggle_ = true;
            SetPressed(true);
        }
    } else if (event->key() == Qt::Key_Escape && keyToggle_) {
        keyToggle_ = false;
        SetPressed(false);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && tabOnEnter_) {
        focusNextChild();
    } else {
        TCustomControl::keyPressEvent(event);
    }
}

void TRzCheckBox::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        TCustomControl::keyReleaseEvent(event);
        return;
    }
    SetPressed(false);
    if (std::exchange(keyToggle_, false))
        Toggle();
}

void TRzCheckBox::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    Changed();
}

void TRzCheckBox::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    pressed_ = false;
    Changed();
}
