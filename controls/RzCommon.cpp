// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RzCommon.h"

#include <algorithm>

namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;

void FillPixels(TCanvas& canvas, int left, int top, int right, int bottom, TColor color) {
    if (color == clNone || right <= left || bottom <= top)
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect({left, top, right, bottom});
}

void Shrink(TRect& r, TSides sides, int by) {
    if (sides & sdLeft)
        r.Left += by;
    if (sides & sdTop)
        r.Top += by;
    if (sides & sdRight)
        r.Right -= by;
    if (sides & sdBottom)
        r.Bottom -= by;
}

// fsGroove and fsBump: two interleaved rings with the corners patched where sides are missing.
void DrawEtched(TCanvas& canvas, TRect& r, TColor a, TColor b, TSides sides) {
    const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
    const auto pixel = [&](int x, int y, TColor color) { FillPixels(canvas, x, y, x + 1, y + 1, color); };
    if (right)
        pixel(r.Right - 1, r.Top, b);
    else if (top)
        pixel(r.Right - 1, r.Top, a);
    if (bottom)
        pixel(r.Left, r.Bottom - 1, b);
    else if (left)
        pixel(r.Left, r.Bottom - 1, a);
    if (top && !left)
        pixel(r.Left, r.Top + 1, b);
    if (left && !top)
        pixel(r.Left + 1, r.Top, b);
    if (bottom && !right)
        pixel(r.Right - 1, r.Bottom - 2, a);
    if (right && !bottom)
        pixel(r.Right - 2, r.Bottom - 1, a);
    TRect inner{r.Left + 1, r.Top + 1, r.Right, r.Bottom};
    DrawSides(canvas, inner, b, b, sides);
    TRect outer{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    DrawSides(canvas, outer, a, a, sides);
    Shrink(r, sides, 2);
}

TColor FlatColorOf(const TFrameSettings& frame) {
    return AdjustColor(frame.FlatColor, frame.FlatColorAdjustment);
}

void DrawTwoRings(TCanvas& canvas, TRect& r, TColor outerA, TColor outerB, TColor innerA, TColor innerB,
                  TSides sides) {
    DrawBevel(canvas, r, outerA, outerB, 1, sides);
    DrawBevel(canvas, r, innerA, innerB, 1, sides);
}

// The outer fsFlatRounded: rings that blend the cut corners into the parent and the inside.
TRect DrawRoundedOuter(TCanvas& canvas, TRect r, const TFrameSettings& frame) {
    const TRect start = r;
    const bool border = frame.BorderWidth > 0 || frame.BorderInner != fsNone;
    if (!frame.Transparent) {
        DrawSides(canvas, r, frame.ParentColor, frame.ParentColor, frame.BorderSides);
        const TColor inside = border ? frame.BorderColor : frame.Color;
        DrawSides(canvas, r, inside, inside, frame.BorderSides);
    } else if (border) {
        TRect ring = start;
        Shrink(ring, frame.BorderSides, 1);
        DrawSides(canvas, ring, frame.BorderColor, frame.BorderColor, frame.BorderSides);
    }
    DrawRoundedFlatBorder(canvas, start, FlatColorOf(frame), frame.BorderSides);
    r = start;
    Shrink(r, frame.BorderSides, 2);
    return r;
}

TRect DrawRoundedInner(TCanvas& canvas, TRect r, const TFrameSettings& frame) {
    const TRect start = r;
    DrawSides(canvas, r, frame.BorderColor, frame.BorderColor, frame.BorderSides);
    if (!frame.Transparent)
        DrawSides(canvas, r, frame.Color, frame.Color, frame.BorderSides);
    DrawRoundedFlatBorder(canvas, start, FlatColorOf(frame), frame.BorderSides);
    r = start;
    Shrink(r, frame.BorderSides, 2);
    return r;
}

int HueToRgb(int n1, int n2, int hue) {
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    if (hue < kHlsMax / 6)
        return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    if (hue < kHlsMax / 2)
        return n2;
    if (hue < kHlsMax * 2 / 3)
        return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    return n1;
}

int ToChannel(int value) {
    return std::clamp((value * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax);
}

} // namespace

void DrawSides(TCanvas& canvas, TRect& r, TColor a, TColor b, TSides sides) {
    if (sides & sdLeft)
        FillPixels(canvas, r.Left, r.Top, r.Left + 1, r.Bottom, a);
    if (sides & sdTop)
        FillPixels(canvas, r.Left, r.Top, r.Right, r.Top + 1, a);
    if (sides & sdRight)
        FillPixels(canvas, r.Right - 1, r.Top, r.Right, r.Bottom, b);
    if (sides & sdBottom)
        FillPixels(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom, b);
    Shrink(r, sides, 1);
}

void DrawBevel(TCanvas& canvas, TRect& r, TColor a, TColor b, int count, TSides sides) {
    for (int i = 0; i < count; ++i)
        DrawSides(canvas, r, a, b, sides);
}

TRect DrawBorderSides(TCanvas& canvas, TRect r, TFrameStyleEx style, TSides sides,
                      const TFrameSettings& frame) {
    switch (style) {
    case fsNone:
        break;
    case fsFlat:
        DrawSides(canvas, r, FlatColorOf(frame), FlatColorOf(frame), sides);
        break;
    case fsGroove:
        DrawEtched(canvas, r, clBtnShadow, clBtnHighlight, sides);
        break;
    case fsBump:
        DrawEtched(canvas, r, clBtnHighlight, clBtnShadow, sides);
        break;
    case fsLowered:
        DrawTwoRings(canvas, r, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, sides);
        break;
    case fsButtonDown:
        DrawTwoRings(canvas, r, clBtnText, clBtnText, clBtnShadow, clBtnShadow, sides);
        break;
    case fsRaised:
        DrawTwoRings(canvas, r, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow, sides);
        break;
    case fsButtonUp:
        DrawTwoRings(canvas, r, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, sides);
        break;
    case fsStatus:
        DrawBevel(canvas, r, frame.BorderShadow, frame.BorderHighlight, frame.BevelWidth, sides);
        break;
    case fsPopup:
        DrawBevel(canvas, r, frame.BorderHighlight, frame.BorderShadow, frame.BevelWidth, sides);
        break;
    case fsFlatBold:
        DrawBevel(canvas, r, FlatColorOf(frame), FlatColorOf(frame), 2, sides);
        break;
    case fsFlatRounded:
        DrawRoundedFlatBorder(canvas, r, FlatColorOf(frame), sides);
        Shrink(r, sides, 2);
        break;
    }
    return r;
}

TRect DrawInnerOuterBorders(TCanvas& canvas, TRect r, const TFrameSettings& frame) {
    if (frame.BorderOuter == fsFlatRounded)
        r = DrawRoundedOuter(canvas, r, frame);
    else
        r = DrawBorderSides(canvas, r, frame.BorderOuter, frame.BorderSides, frame);
    if (frame.BorderWidth > 0)
        DrawBevel(canvas, r, frame.BorderColor, frame.BorderColor, frame.BorderWidth, frame.BorderSides);
    if (frame.BorderInner == fsFlatRounded)
        return DrawRoundedInner(canvas, r, frame);
    return DrawBorderSides(canvas, r, frame.BorderInner, frame.BorderSides, frame);
}

void DrawRoundedFlatBorder(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
    const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
    if (left)
        FillPixels(canvas, r.Left, r.Top + (top ? 2 : 0), r.Left + 1, r.Bottom - (bottom ? 2 : 0), color);
    if (top)
        FillPixels(canvas, r.Left + (left ? 2 : 0), r.Top, r.Right - (right ? 2 : 0), r.Top + 1, color);
    if (right)
        FillPixels(canvas, r.Right - 1, r.Top + (top ? 2 : 0), r.Right, r.Bottom - (bottom ? 2 : 0), color);
    if (bottom)
        FillPixels(canvas, r.Left + (left ? 2 : 0), r.Bottom - 1, r.Right - (right ? 2 : 0), r.Bottom, color);
    const auto corner = [&](bool present, int x, int y) {
        if (present)
            FillPixels(canvas, x, y, x + 1, y + 1, color);
    };
    corner(left && top, r.Left + 1, r.Top + 1);
    corner(top && right, r.Right - 2, r.Top + 1);
    corner(right && bottom, r.Right - 2, r.Bottom - 2);
    corner(bottom && left, r.Left + 1, r.Bottom - 2);
}

int FrameThickness(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
        return 1;
    case fsStatus:
    case fsPopup:
        return std::max(0, bevelWidth);
    default:
        return 2;
    }
}

TRect FrameInterior(TRect r, const TFrameSettings& frame) {
    const int width = std::max(0, frame.BorderWidth);
    r = {r.Left + width, r.Top + width, r.Right - width, r.Bottom - width};
    Shrink(r, frame.BorderSides,
           FrameThickness(frame.BorderOuter, frame.BevelWidth) +
               FrameThickness(frame.BorderInner, frame.BevelWidth));
    return r;
}

THls ColorToHls(TColor color) {
    const TColor rgb = ColorToRGB(color);
    const int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    THls hls;
    hls.L = ((high + low) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (high == low) {
        hls.H = kHlsMax * 2 / 3;
        return hls;
    }
    const int range = high - low;
    if (hls.L <= kHlsMax / 2)
        hls.S = (range * kHlsMax + (high + low) / 2) / (high + low);
    else
        hls.S = (range * kHlsMax + (2 * kRgbMax - high - low) / 2) / (2 * kRgbMax - high - low);
    const auto delta = [&](int channel) { return ((high - channel) * (kHlsMax / 6) + range / 2) / range; };
    if (r == high)
        hls.H = delta(b) - delta(g);
    else if (g == high)
        hls.H = kHlsMax / 3 + delta(r) - delta(b);
    else
        hls.H = kHlsMax * 2 / 3 + delta(g) - delta(r);
    if (hls.H < 0)
        hls.H += kHlsMax;
    if (hls.H > kHlsMax)
        hls.H -= kHlsMax;
    return hls;
}

TColor HlsToColor(const THls& hls) {
    int r, g, b;
    if (hls.S == 0) {
        r = g = b = ToChannel(hls.L);
    } else {
        const int magic2 = hls.L <= kHlsMax / 2 ? (hls.L * (kHlsMax + hls.S) + kHlsMax / 2) / kHlsMax
                                                : hls.L + hls.S - (hls.L * hls.S + kHlsMax / 2) / kHlsMax;
        const int magic1 = 2 * hls.L - magic2;
        r = ToChannel(HueToRgb(magic1, magic2, hls.H + kHlsMax / 3));
        g = ToChannel(HueToRgb(magic1, magic2, hls.H));
        b = ToChannel(HueToRgb(magic1, magic2, hls.H - kHlsMax / 3));
    }
    return r | (g << 8) | (b << 16);
}

TColor AdjustColor(TColor color, int adjustment) {
    if (adjustment == 0 || color == clNone)
        return color;
    THls hls = ColorToHls(color);
    hls.L = int(std::clamp<qint64>(qint64(hls.L) + adjustment, 0, kRgbMax));
    return HlsToColor(hls);
}
