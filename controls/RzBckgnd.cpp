// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RzBckgnd.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int Channel(TColor color, int shift) {
    return (ColorToRGB(color) >> shift) & 0xFF;
}

QRgb Blend(TColor from, TColor to, double t) {
    const auto mix = [&](int shift) {
        return int(std::lround(Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * t));
    };
    return qRgb(mix(0), mix(8), mix(16));
}

// How far (0 .. 1) pixel (x, y) of a w x h area lies from the start colour; our own shapes,
// the layouts never show a gradient.
double GradientPosition(TRzBackground::TGradientDirection direction, int x, int y, int w, int h) {
    const double fx = w > 1 ? double(x) / (w - 1) : 0;
    const double fy = h > 1 ? double(y) / (h - 1) : 0;
    const double centreX = 1 - std::abs(2 * fx - 1);
    const double centreY = 1 - std::abs(2 * fy - 1);
    switch (direction) {
    case TRzBackground::gdDiagonalUp:
        return (fx + 1 - fy) / 2;
    case TRzBackground::gdDiagonalDown:
        return (fx + fy) / 2;
    case TRzBackground::gdHorizontalEnd:
        return fx;
    case TRzBackground::gdHorizontalCenter:
        return centreX;
    case TRzBackground::gdVerticalEnd:
        return fy;
    case TRzBackground::gdVerticalCenter:
        return centreY;
    case TRzBackground::gdHorizontalBox:
    case TRzBackground::gdVerticalBox:
        return std::min(centreX, centreY);
    case TRzBackground::gdSquareBox: {
        const double side = std::max(1, std::min(w, h)) / 2.0;
        return std::min(1.0, std::min({x, w - 1 - x, y, h - 1 - y}) / side);
    }
    case TRzBackground::gdBigSquareBox:
        return 1 - std::min(1.0, std::hypot(2 * fx - 1, 2 * fy - 1) / std::sqrt(2.0));
    }
    return fx;
}

} // namespace

void RepeatTile(QImage& bitmap, int tileWidth, int tileHeight) {
    const int cw = bitmap.width();
    const int ch = bitmap.height();
    if (tileWidth <= 0 || tileHeight <= 0 || bitmap.depth() != 32)
        return;
    int w = std::min(tileWidth, cw);
    int h = std::min(tileHeight, ch);
    while (w < cw || h < ch) {
        if (h < ch) {
            const int rows = std::min(h, ch - h);
            for (int y = 0; y < rows; ++y)
                std::memcpy(bitmap.scanLine(h + y), bitmap.constScanLine(y), size_t(w) * 4);
            h += rows;
        }
        if (w < cw) {
            const int columns = std::min(w, cw - w);
            for (int y = 0; y < h; ++y) {
                uchar* line = bitmap.scanLine(y);
                std::memcpy(line + size_t(w) * 4, line, size_t(columns) * 4);
            }
            w += columns;
        }
    }
}

TRzBackground::TRzBackground(QObject* owner)
    : TGraphicControl(owner), image_(new TPicture(this)), texture_(new TPicture(this)) {
    image_->OnChange = [this](QObject*) {
        if (showImage_)
            Changed();
    };
    texture_->OnChange = [this](QObject*) {
        if (showTexture_)
            Changed();
    };
    SetBounds(0, 0, 200, 100);
}

void TRzBackground::Changed() {
    if (!IsLoading())
        Invalidate();
}

void TRzBackground::SetActive(bool active) {
    active_ = active;
    Changed();
}

void TRzBackground::SetFrameColor(TColor color) {
    frameColor_ = color;
    Changed();
}

void TRzBackground::SetFrameStyle(TFrameStyleEx style) {
    frameStyle_ = style;
    Changed();
}

void TRzBackground::SetGradientColorStart(TColor color) {
    gradientColorStart_ = color;
    Changed();
}

void TRzBackground::SetGradientColorStop(TColor color) {
    gradientColorStop_ = color;
    Changed();
}

void TRzBackground::SetGradientDirection(TGradientDirection direction) {
    gradientDirection_ = direction;
    Changed();
}

void TRzBackground::SetGradientSmoothFactor(int factor) {
    gradientSmoothFactor_ = std::clamp(factor, 1, 8);
    Changed();
}

void TRzBackground::SetImageStyle(TImageStyle style) {
    imageStyle_ = style;
    Changed();
}

void TRzBackground::SetShowGradient(bool show) {
    if (show == showGradient_)
        return;
    showGradient_ = show;
    if (show)
        showTexture_ = false;
    else if (!showImage_)
        showTexture_ = true;
    Changed();
}

void TRzBackground::SetShowImage(bool show) {
    showImage_ = show;
    Changed();
}

void TRzBackground::SetShowTexture(bool show) {
    if (show == showTexture_)
        return;
    showTexture_ = show;
    showGradient_ = !show;
    Changed();
}

QImage TRzBackground::Compose() const {
    QImage bitmap(std::max(1, Width()), std::max(1, Height()), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    if (showTexture_)
        DrawTexture(bitmap);
    if (showGradient_ && active_ && !(showImage_ && (imageStyle_ == isStretch || imageStyle_ == isTiled)))
        DrawGradient(bitmap);
    if (showImage_)
        DrawImage(bitmap);
    return bitmap;
}

void TRzBackground::DrawTexture(QImage& bitmap) const {
    TGraphic* graphic = texture_->Graphic();
    if (!graphic || graphic->Empty())
        return;
    {
        TCanvas canvas(&bitmap);
        canvas.Draw(0, 0, graphic);
    }
    RepeatTile(bitmap, graphic->Width(), graphic->Height());
}

void TRzBackground::DrawGradient(QImage& bitmap) const {
    const int bands = std::max(2, 256 >> (gradientSmoothFactor_ - 1));
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            const double t = GradientPosition(gradientDirection_, x, y, bitmap.width(), bitmap.height());
            const double banded = std::floor(t * (bands - 1) + 0.5) / (bands - 1);
            line[x] = Blend(gradientColorStart_, gradientColorStop_, banded);
        }
    }
}

void TRzBackground::DrawImage(QImage& bitmap) const {
    TGraphic* graphic = image_->Graphic();
    if (!graphic || graphic->Empty())
        return;
    const TRect target = ImageRect(graphic->Width(), graphic->Height(), bitmap.width(), bitmap.height());
    if (target.Width() <= 0 || target.Height() <= 0)
        return;
    {
        TCanvas canvas(&bitmap);
        canvas.StretchDraw(target, graphic);
    }
    if (imageStyle_ == isTiled)
        RepeatTile(bitmap, graphic->Width(), graphic->Height());
}

TRect TRzBackground::ImageRect(int w, int h, int cw, int ch) const {
    switch (imageStyle_) {
    case isCenter:
        return {(cw - w) / 2, (ch - h) / 2, (cw - w) / 2 + w, (ch - h) / 2 + h};
    case isClip:
    case isTiled:
        return {0, 0, w, h};
    case isFill: {
        if (w == 0 || h == 0)
            return {};
        const double a = double(h) / w;
        if (a <= double(ch) / cw)
            return {0, 0, cw, int(std::trunc(cw * a))};
        return {0, 0, int(std::trunc(ch / a)), ch};
    }
    case isStretch:
        break;
    }
    return {0, 0, cw, ch};
}

void TRzBackground::Paint() {
    if (Width() < 5 || Height() < 5)
        SetBounds(Left(), Top(), std::max(5, Width()), std::max(5, Height()));
    TCanvas& canvas = *Canvas();
    const int t = FrameThickness(frameStyle_, 1);
    canvas.Painter().drawImage(t, t, Compose());
    DrawFrame(canvas);
}

void TRzBackground::DrawFrame(TCanvas& canvas) const {
    TRect r = ClientRect();
    switch (frameStyle_) {
    case fsFlat:
        DrawSides(canvas, r, frameColor_, frameColor_, sdAllSides);
        break;
    case fsStatus:
        DrawSides(canvas, r, clBtnShadow, clBtnHighlight, sdAllSides);
        break;
    case fsPopup:
        DrawSides(canvas, r, clBtnHighlight, clBtnShadow, sdAllSides);
        break;
    case fsFlatBold:
        DrawBevel(canvas, r, clBtnShadow, clBtnShadow, 2, sdAllSides);
        break;
    default:
        DrawBorderSides(canvas, r, frameStyle_, sdAllSides, TFrameSettings());
    }
}
