// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Types.h"

#include <QHash>
#include <array>

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// The one place system colours are decided: a light, neutral look that is the same on
// every desktop, so the windows look as they were designed.
constexpr std::array<TColor, 31> kSystemColors = {
    Rgb(0xC8, 0xC8, 0xC8), // scroll bar
    Rgb(0x3A, 0x6E, 0xA5), // background
    Rgb(0x99, 0xB4, 0xD1), // active caption
    Rgb(0xBF, 0xCD, 0xDB), // inactive caption
    Rgb(0xF0, 0xF0, 0xF0), // menu
    Rgb(0xFF, 0xFF, 0xFF), // window
    Rgb(0x64, 0x64, 0x64), // window frame
    Rgb(0x00, 0x00, 0x00), // menu text
    Rgb(0x00, 0x00, 0x00), // window text
    Rgb(0x00, 0x00, 0x00), // caption text
    Rgb(0xB4, 0xB4, 0xB4), // active border
    Rgb(0xF4, 0xF7, 0xFC), // inactive border
    Rgb(0xAB, 0xAB, 0xAB), // application work space
    Rgb(0x00, 0x78, 0xD7), // highlight
    Rgb(0xFF, 0xFF, 0xFF), // highlight text
    Rgb(0xF0, 0xF0, 0xF0), // button face
    Rgb(0xA0, 0xA0, 0xA0), // button shadow
    Rgb(0x6D, 0x6D, 0x6D), // grey text
    Rgb(0x00, 0x00, 0x00), // button text
    Rgb(0x43, 0x4E, 0x54), // inactive caption text
    Rgb(0xFF, 0xFF, 0xFF), // button highlight
    Rgb(0x69, 0x69, 0x69), // 3D dark shadow
    Rgb(0xE3, 0xE3, 0xE3), // 3D light
    Rgb(0x00, 0x00, 0x00), // info text
    Rgb(0xFF, 0xFF, 0xE1), // info background
    Rgb(0x00, 0x00, 0x00), // (unused index)
    Rgb(0x00, 0x66, 0xCC), // hot-tracked item
    Rgb(0xB9, 0xD1, 0xEA), // gradient active caption
    Rgb(0xD7, 0xE4, 0xF2), // gradient inactive caption
    Rgb(0x33, 0x99, 0xFF), // menu highlight
    Rgb(0xF0, 0xF0, 0xF0), // menu bar
};

bool IsSystemColor(TColor color) {
    return (unsigned(color) & 0xFF000000u) == 0xFF000000u;
}

// Layout identifiers are matched without regard to case, as the layouts were written by hand.
QHash<QString, int> LowerCaseKeys(std::initializer_list<std::pair<const char*, int>> pairs) {
    QHash<QString, int> result;
    for (const auto& [name, value] : pairs)
        result.insert(QString::fromLatin1(name).toLower(), value);
    return result;
}

const QHash<QString, TColor>& ColorNames() {
    static const QHash<QString, TColor> names = LowerCaseKeys({
        {"clNone", clNone},
        {"clDefault", clDefault},
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clScrollBar", clScrollBar},
        {"clBackground", clBackground},
        {"clActiveCaption", clActiveCaption},
        {"clInactiveCaption", clInactiveCaption},
        {"clMenu", clMenu},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clMenuText", clMenuText},
        {"clWindowText", clWindowText},
        {"clCaptionText", clCaptionText},
        {"clActiveBorder", clActiveBorder},
        {"clInactiveBorder", clInactiveBorder},
        {"clAppWorkSpace", clAppWorkSpace},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
        {"clInactiveCaptionText", clInactiveCaptionText},
        {"clBtnHighlight", clBtnHighlight},
        {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight},
        {"clInfoText", clInfoText},
        {"clInfoBk", clInfoBk},
        {"clHotLight", clHotLight},
        {"clGradientActiveCaption", clGradientActiveCaption},
        {"clGradientInactiveCaption", clGradientInactiveCaption},
        {"clMenuHighlight", clMenuHighlight},
        {"clMenuBar", clMenuBar},
    });
    return names;
}

const QHash<QString, TCursor>& CursorNames() {
    static const QHash<QString, TCursor> names = LowerCaseKeys({
        {"crDefault", crDefault},
        {"crNone", crNone},
        {"crArrow", crArrow},
        {"crCross", crCross},
        {"crIBeam", crIBeam},
        {"crSizeNESW", crSizeNESW},
        {"crSizeNS", crSizeNS},
        {"crSizeNWSE", crSizeNWSE},
        {"crSizeWE", crSizeWE},
        {"crUpArrow", crUpArrow},
        {"crHourGlass", crHourGlass},
        {"crDrag", crDrag},
        {"crNoDrop", crNoDrop},
        {"crHSplit", crHSplit},
        {"crVSplit", crVSplit},
        {"crMultiDrag", crMultiDrag},
        {"crNo", crNo},
        {"crAppStart", crAppStart},
        {"crHelp", crHelp},
        {"crHandPoint", crHandPoint},
        {"crSizeAll", crSizeAll},
    });
    return names;
}

bool Lookup(const QHash<QString, int>& table, const QString& ident, int& value) {
    const auto it = table.constFind(ident.toLower());
    if (it == table.constEnd())
        return false;
    value = *it;
    return true;
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color))
        return color;
    const unsigned index = unsigned(color) & 0x00FFFFFFu;
    return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
}

QColor ToQColor(TColor color) {
    if (color == clNone)
        return QColor(0, 0, 0, 0);
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) {
    if (!color.isValid() || color.alpha() == 0)
        return clNone;
    const QRgb rgb = color.rgb();
    return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

bool IdentToColor(const QString& ident, TColor& color) {
    return Lookup(ColorNames(), ident, color);
}

bool IdentToCursor(const QString& ident, TCursor& cursor) {
    return Lookup(CursorNames(), ident, cursor);
}
