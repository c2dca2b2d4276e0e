// SPDX-License-Identifier: GPL-3.0-or-later
// TXiPanel: a panel that fills itself with a two-colour gradient (the warm bottom bar of every
// window) and draws its own bevels in the gradient's colours.
#pragma once

#include "framework/StdCtrls.h"

#include <QVector>

// Colours of lines 0 .. steps of a gradient from `from` to `to`: each channel advances by
// (to - from) / steps per line in floating point, rounded half to even.
QVector<TColor> GradientLines(TColor from, TColor to, int steps);

class TXiPanel : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(int ColorFace READ ColorFace WRITE SetColorFace)
    Q_PROPERTY(int ColorGrad READ ColorGrad WRITE SetColorGrad)
    Q_PROPERTY(int ColorLight READ ColorLight WRITE SetColorLight)
    Q_PROPERTY(int ColorDark READ ColorDark WRITE SetColorDark)
    Q_PROPERTY(TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(TFillDirection FillDirection READ FillDirection WRITE SetFillDirection)

public:
    enum TColorScheme { csCustom, csDesert, csGrass, csSilver, csSky, csRose, csSun };
    Q_ENUM(TColorScheme)
    enum TFillDirection { fdHorizontal, fdVertical, fdDiagonal };
    Q_ENUM(TFillDirection)

    explicit TXiPanel(QObject* owner);

    TColor ColorFace() const { return colorFace_; }
    void SetColorFace(TColor color);
    TColor ColorGrad() const { return colorGrad_; }
    void SetColorGrad(TColor color);
    TColor ColorLight() const { return colorLight_; }
    void SetColorLight(TColor color);
    TColor ColorDark() const { return colorDark_; }
    void SetColorDark(TColor color);
    TColorScheme ColorScheme() const { return colorScheme_; }
    // A named scheme sets all four colours (the face to white); csCustom keeps them.
    void SetColorScheme(TColorScheme scheme);
    TFillDirection FillDirection() const { return fillDirection_; }
    void SetFillDirection(TFillDirection direction);

protected:
    void Paint() override;

private:
    void DrawGradient(TCanvas& canvas);
    void DrawCaption(TCanvas& canvas);
    void DrawBevel(TCanvas& canvas, TBevelCut cut, int start);

    TColor colorFace_ = clWhite;
    TColor colorGrad_ = clWhite;
    TColor colorLight_ = clWhite;
    TColor colorDark_ = clWhite;
    TColorScheme colorScheme_ = csCustom;
    TFillDirection fillDirection_ = fdVertical;
};
