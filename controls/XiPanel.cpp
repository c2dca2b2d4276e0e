// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/XiPanel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct TPanelScheme {
    TColor Grad;
    TColor Light;
    TColor Dark;
};

// Indexed by TXiPanel::TColorScheme; csCustom has no entry.
constexpr std::array<TPanelScheme, 6> kSchemes = {{
    {0xA4E1FF, 0x008FD5, 0x00699B}, // csDesert
    {0xB0F2CB, 0x3EB56A, 0x156F37}, // csGrass
    {0xDAE0DE, 0x7D7D7D, 0x626262}, // csSilver
    {0xFFE0C1, 0xF0964D, 0xB35900}, // csSky
    {0xCCCCFF, 0x0651CC, 0x00009D}, // csRose
    {0xBFFFFF, 0x009595, 0x006464}, // csSun
}};

int Channel(TColor color, int shift) {
    return (ColorToRGB(color) >> shift) & 0xFF;
}

} // namespace

QVector<TColor> GradientLines(TColor from, TColor to, int steps) {
    QVector<TColor> lines;
    if (steps <= 0) {
        lines.append(ColorToRGB(from));
        return lines;
    }
    std::array<double, 3> value{};
    std::array<double, 3> increment{};
    for (int c = 0; c < 3; ++c) {
        value[c] = Channel(from, 8 * c);
        increment[c] = double(Channel(to, 8 * c) - Channel(from, 8 * c)) / steps;
    }
    lines.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        TColor color = 0;
        for (int c = 0; c < 3; ++c) {
            color |= int(std::nearbyint(value[c])) << (8 * c);
            value[c] += increment[c];
        }
        lines.append(color);
    }
    return lines;
}

TXiPanel::TXiPanel(QObject* owner) : TCustomPanel(owner) {
    colorDark_ = clBlack;
    colorLight_ = clSilver;
    fillDirection_ = fdVertical;
    SetColorScheme(csDesert);
}

void TXiPanel::SetColorFace(TColor color) {
    colorFace_ = color;
    Invalidate();
}

void TXiPanel::SetColorGrad(TColor color) {
    colorGrad_ = color;
    Invalidate();
}

void TXiPanel::SetColorLight(TColor color) {
    colorLight_ = color;
    Invalidate();
}

void TXiPanel::SetColorDark(TColor color) {
    colorDark_ = color;
    Invalidate();
}

void TXiPanel::SetColorScheme(TColorScheme scheme) {
    colorScheme_ = scheme;
    if (scheme > csCustom && scheme <= csSun) {
        const TPanelScheme& colors = kSchemes[scheme - csDesert];
        colorFace_ = clWhite;
        colorGrad_ = colors.Grad;
        colorLight_ = colors.Light;
        colorDark_ = colors.Dark;
    }
    Invalidate();
}

void TXiPanel::SetFillDirection(TFillDirection direction) {
    fillDirection_ = direction;
    Invalidate();
}

void TXiPanel::Paint() {
    TCanvas& canvas = *Canvas();
    DrawGradient(canvas);
    DrawCaption(canvas);
    DrawBevel(canvas, BevelOuter(), 0);
    DrawBevel(canvas, BevelInner(), BevelOuter() != bvNone ? BevelWidth() : 0);
}

void TXiPanel::DrawGradient(TCanvas& canvas) {
    const int cw = Width();
    const int ch = Height();
    const int steps = fillDirection_ == fdHorizontal ? cw : fillDirection_ == fdVertical ? ch : cw + ch;
    const QVector<TColor> lines = GradientLines(colorFace_, colorGrad_, steps);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    for (int i = 0; i < lines.size(); ++i) {
        canvas.Pen().SetColor(lines[i]);
        if (fillDirection_ == fdHorizontal) {
            canvas.MoveTo(i, 0);
            canvas.LineTo(i, ch);
        } else if (fillDirection_ == fdVertical) {
            canvas.MoveTo(0, i);
            canvas.LineTo(cw, i);
        } else {
            // One step past (0, i), so that the left column, which no line would otherwise
            // end in, is painted too.
            canvas.MoveTo(i, 0);
            canvas.LineTo(-1, i + 1);
        }
    }
}

void TXiPanel::DrawCaption(TCanvas& canvas) {
    if (Caption().isEmpty())
        return;
    const int textWidth = canvas.TextWidth(Caption());
    const int inset = BevelInner() != bvNone && BevelOuter() != bvNone ? BevelWidth() : 0;
    int x = (Width() - textWidth) / 2;
    if (Alignment() == taLeftJustify)
        x = BevelWidth() + 2 + inset;
    else if (Alignment() == taRightJustify)
        x = Width() - BevelWidth() - 2 - textWidth - inset;
    const int y = (Height() - canvas.TextHeight(QStringLiteral("AaBbCcDd"))) / 2;
    canvas.TextOut(x, y, Caption());
}

// BevelWidth nested frames from `start` inwards: A on the left and top, B on the right and bottom.
void TXiPanel::DrawBevel(TCanvas& canvas, TBevelCut cut, int start) {
    if (cut == bvNone)
        return;
    const TColor a = cut == bvLowered ? colorDark_ : colorLight_;
    const TColor b = cut == bvLowered ? colorLight_ : colorDark_;
    canvas.Pen().SetWidth(1);
    const int last = std::min(start + BevelWidth(), (std::min(Width(), Height()) + 1) / 2);
    for (int k = start; k < last; ++k) {
        const int w = Width() - 2 * k - 1;
        const int h = Height() - 2 * k - 1;
        canvas.Pen().SetColor(a);
        canvas.MoveTo(k, k + h);
        canvas.LineTo(k, k);
        canvas.LineTo(k + w, k);
        canvas.Pen().SetColor(b);
        canvas.LineTo(k + w, k + h);
        canvas.LineTo(k, k + h);
    }
}
