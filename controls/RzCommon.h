// SPDX-License-Identifier: GPL-3.0-or-later
// Frame styles of the framed controls (panel, label, check box, background) and the routines
// that draw them ring by ring on a canvas, plus the colour arithmetic the frames need.
#pragma once

#include "framework/Graphics.h"

namespace rz {
Q_NAMESPACE

enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
Q_ENUM_NS(TFrameStyleEx)

enum TSide { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
Q_DECLARE_FLAGS(TSides, TSide)
Q_FLAG_NS(TSides)

enum TAlignmentVertical { avTop, avCenter, avBottom };
Q_ENUM_NS(TAlignmentVertical)

enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
Q_ENUM_NS(TTextStyle)

} // namespace rz

Q_DECLARE_OPERATORS_FOR_FLAGS(rz::TSides)

// The frame vocabulary, unqualified as the controls use it.
using rz::TFrameStyleEx;
using enum rz::TFrameStyleEx;
using rz::TSide;
using enum rz::TSide;
using rz::TAlignmentVertical;
using enum rz::TAlignmentVertical;
using rz::TTextStyle;
using enum rz::TTextStyle;
using rz::TSides;

constexpr TSides sdAllSides = TSides(sdLeft | sdTop | sdRight | sdBottom);

// Everything a control's full frame depends on.
struct TFrameSettings {
    TFrameStyleEx BorderOuter = fsNone;
    TFrameStyleEx BorderInner = fsNone;
    TSides BorderSides = sdAllSides;
    int BorderWidth = 0;
    int BevelWidth = 1;
    TColor BorderColor = clBtnFace;
    TColor BorderHighlight = clBtnHighlight;
    TColor BorderShadow = clBtnShadow;
    TColor FlatColor = clBtnShadow;
    int FlatColorAdjustment = 30;
    // The control's fill and its parent's colour, for the rounded flat border.
    TColor Color = clBtnFace;
    TColor ParentColor = clBtnFace;
    bool Transparent = false;
};

// One ring: colour a on the left and top edges, b on the right and bottom ones (clNone: not
// drawn), only on the present sides; `r` then shrinks by one pixel on each present side.
void DrawSides(TCanvas& canvas, TRect& r, TColor a, TColor b, TSides sides);
// `count` rings inwards.
void DrawBevel(TCanvas& canvas, TRect& r, TColor a, TColor b, int count, TSides sides);
// One frame style on the given sides; returns the rectangle inside it.
TRect DrawBorderSides(TCanvas& canvas, TRect r, TFrameStyleEx style, TSides sides,
                      const TFrameSettings& frame);
// Outer style, solid border and inner style; returns the rectangle inside them all.
TRect DrawInnerOuterBorders(TCanvas& canvas, TRect r, const TFrameSettings& frame);
// The flat border with cut corners of fsFlatRounded, two pixels thick.
void DrawRoundedFlatBorder(TCanvas& canvas, const TRect& r, TColor color, TSides sides);

// Pixels a frame style takes on each present side.
int FrameThickness(TFrameStyleEx style, int bevelWidth);
// The rectangle inside the full frame, for laying out children.
TRect FrameInterior(TRect r, const TFrameSettings& frame);

// Hue, lightness and saturation on the 0..240 scale.
struct THls {
    int H = 0;
    int L = 0;
    int S = 0;
};
THls ColorToHls(TColor color);
TColor HlsToColor(const THls& hls);
// Lightness raised (positive) or lowered (negative) by `adjustment`.
TColor AdjustColor(TColor color, int adjustment);
