// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/XiButton.h"

#include "controls/XiPanel.h"
#include "framework/FocusRing.h"

#include <QKeyEvent>
#include <QShortcut>
#include <array>

namespace {

struct TButtonScheme {
    TXiColorSet Normal;
    TXiColorSet Over;
    TXiColorSet Down;
    TXiColorSet Disabled;
    TColor FocusRect;
};

constexpr TXiColorSet kNeoDisabled{0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080};
constexpr TXiColorSet kClassicDisabled{0xE2E2E2, 0, 0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080};

// Indexed by TXiButton::TColorScheme. The classic schemes (from csDesert on) have no gradient
// colours: their Grad entries are not used.
const std::array<TButtonScheme, 12> kSchemes = {{
    {{0xC6ECFF, 0x37BEFF, 0x009CE8, 0xB9E7FF, 0x005680, 0},
     {0xB3E7FF, 0x00A3F0, 0x008ED2, 0x95DAFF, 0x005680, 0},
     {0x2BBAFF, 0x77D2FF, 0x8AD9FF, 0x0077B7, 0x0070A6, 0},
     kNeoDisabled,
     0x4080FF},
    {{0xFFEEDD, 0xFFB66C, 0xFFA851, 0xFFECD9, 0xB35900, 0},
     {0xFFEBD7, 0xFFA346, 0xFF9E3E, 0xFFE4CA, 0xB35900, 0},
     {0xFFB366, 0xFFCE9D, 0xFFD3A8, 0xFF9E3E, 0xB35900, 0},
     kNeoDisabled,
     0xFFA953},
    {{0xDDF9E8, 0x5EDF8E, 0x24B95C, 0xCBF5DB, 0x156F37, 0},
     {0xBFF2D2, 0x3DD877, 0x23B459, 0xB5F0CB, 0x17793D, 0},
     {0x4EDC83, 0x80E6A6, 0x89E7AC, 0x177D3E, 0x167439, 0},
     kNeoDisabled,
     0x24B95C},
    {{0xF3F3F3, 0xBCBCBC, 0xA7A7A7, 0xF7F7F7, 0x626262, 0},
     {0xF0F0F0, 0xA6A6A6, 0xA2A2A2, 0xEEEEEE, 0x757575, 0},
     {0xCACACA, 0xDADADA, 0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0},
     kNeoDisabled,
     0xADADAD},
    {{0xE8E8FF, 0x9595FF, 0x8282FF, 0xDDDDFF, 0x00009D, 0},
     {0xDFDFFF, 0x7777FF, 0x6A6AFF, 0xD7D7FF, 0x00009D, 0},
     {0xA6A6FF, 0xB9B9FF, 0xCECEFF, 0x5E5EFF, 0x00009D, 0},
     kNeoDisabled,
     0x5E5EFF},
    {{0xF0FFFF, 0x20D8F9, 0x00BBBB, 0xF2FFFF, 0x006464, 0},
     {0xD5FCFF, 0x05BCDC, 0x00A6A6, 0xCCFFFF, 0x006464, 0},
     {0x05D1F5, 0x66F0FB, 0x66F3FF, 0x008484, 0x006464, 0},
     kNeoDisabled,
     0x00BBBB},
    {{0x95DDFF, 0, 0x009CE8, 0xB9E7FF, 0x005680, 0},
     {0x6FD0FF, 0, 0x008ED2, 0x95DAFF, 0x005680, 0},
     {0x6FD0FF, 0, 0x8AD9FF, 0x0077B7, 0x0070A6, 0},
     kClassicDisabled,
     0x4080FF},
    {{0x98EBB7, 0, 0x24B95C, 0xCBF5DB, 0x156F37, 0},
     {0x68E196, 0, 0x23B459, 0xB5F0CB, 0x17793D, 0},
     {0x4EDC83, 0, 0x89E7AC, 0x177D3E, 0x167439, 0},
     kClassicDisabled,
     0x00A421},
    {{0xFFE0C1, 0, 0xFFA953, 0xFFECD9, 0xB35900, 0},
     {0xFFCD9B, 0, 0xFFB164, 0xFFE4CA, 0xB35900, 0},
     {0xFFC082, 0, 0xFFD3A8, 0xFF9122, 0xB35900, 0},
     kClassicDisabled,
     0xDC9B14},
    {{0xA8FFFF, 0, 0x00BBBB, 0xF2FFFF, 0x006464, 0},
     {0x66F3FF, 0, 0x00A6A6, 0xCCFFFF, 0x006464, 0},
     {0x22EEFF, 0, 0x66F3FF, 0x008484, 0x006464, 0},
     kClassicDisabled,
     0x008CF4},
    {{0xC6C6FF, 0, 0x8282FF, 0xDDDDFF, 0x00009D, 0},
     {0xB0B0FF, 0, 0x6A6AFF, 0xD7D7FF, 0x00009D, 0},
     {0x9F9FFF, 0, 0x8888FF, 0x5E5EFF, 0x00009D, 0},
     kClassicDisabled,
     0x5E5EFF},
    {{0xE0E0E0, 0, 0xAEAEAE, 0xF7F7F7, 0x626262, 0},
     {0xCFCFCF, 0, 0x797979, 0xEEEEEE, 0x757575, 0},
     {0xD3D3D3, 0, 0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0},
     kClassicDisabled,
     0x8A8A8A},
}};

// Writes a scheme's colours over a state's set, keeping the gradient colour for classic schemes.
void ApplySet(TXiColorSet& target, const TXiColorSet& source, bool withGrad) {
    const TColor grad = target.Grad;
    target = source;
    if (!withGrad)
        target.Grad = grad;
}

// The caption as shown: '&' marks the accelerator, "&&" is a plain '&'.
QString ShownCaption(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i >= caption.size())
            break;
        shown += caption[i];
    }
    return shown;
}

// div truncating toward zero and mod with the dividend's sign, as C++ does for int.
struct THalves {
    int Div;
    int Mod;
};
THalves Halve(int value) {
    return {value / 2, value % 2};
}

} // namespace

TXiButton::TXiButton(QObject* owner)
    : TCustomControl(owner), glyph_(new TBitmap(this)), accelerator_(new QShortcut(this)),
      cancelKey_(new QShortcut(QKeySequence(Qt::Key_Escape), this)),
      defaultKey_(new QShortcut(QKeySequence(Qt::Key_Return), this)) {
    glyph_->OnChange = [this](QObject*) { Invalidate(); };
    for (QShortcut* shortcut : {accelerator_, cancelKey_, defaultKey_})
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (Enabled())
                Click();
        });
    cancelKey_->setEnabled(false);
    defaultKey_->setEnabled(false);
    SetColorScheme(csNeoDesert);
    over_.Grad = clWhite;
    down_.Grad = clWhite;
    disabled_.Grad = clWhite;
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TXiButton::SetSchemeColor(TColor& field, TColor color) {
    field = color;
    colorScheme_ = csCustom;
    Invalidate();
}

void TXiButton::SetColorScheme(TColorScheme scheme) {
    if (scheme < csNeoDesert || scheme > csCustom)
        return;
    colorScheme_ = scheme;
    if (scheme != csCustom) {
        const TButtonScheme& colors = kSchemes[scheme];
        const bool neo = scheme < csDesert;
        ApplySet(normal_, colors.Normal, neo);
        ApplySet(over_, colors.Over, neo);
        ApplySet(down_, colors.Down, neo);
        ApplySet(disabled_, colors.Disabled, neo);
        focusRect_ = colors.FocusRect;
    }
    Invalidate();
}

void TXiButton::SetCtl3D(bool ctl3D) {
    ctl3D_ = ctl3D;
    Invalidate();
}

void TXiButton::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TXiButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TXiButton::SetTransparentGlyph(bool transparent) {
    transparentGlyph_ = transparent;
    Invalidate();
}

void TXiButton::SetGradient(bool gradient) {
    gradient_ = gradient;
    Invalidate();
}

void TXiButton::SetCancel(bool cancel) {
    cancel_ = cancel;
    cancelKey_->setEnabled(cancel);
}

// A default button answers Enter anywhere in its window.
void TXiButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    defaultKey_->setEnabled(isDefault);
}

const TXiColorSet& TXiButton::CurrentColors() const {
    if (!Enabled())
        return disabled_;
    switch (state_) {
    case TButtonState::Hot:
        return over_;
    case TButtonState::Down:
        return down_;
    case TButtonState::Normal:
        break;
    }
    return normal_;
}

TXiButton::TPlacement TXiButton::Place() const {
    TCanvas measure(nullptr);
    measure.Font().Assign(*Font());
    const QString caption = ShownCaption(Caption());
    const int tw = measure.TextWidth(caption);
    const int th = measure.TextHeight(caption);
    int tx = (Width() - tw) / 2;
    int ty = (Height() - th) / 2;
    TPoint glyph;
    if (!glyph_->Empty()) {
        const THalves gw = Halve(glyph_->Width());
        const THalves gh = Halve(glyph_->Height());
        const THalves s = Halve(spacing_);
        const bool spaced = !caption.isEmpty();
        switch (layout_) {
        case blGlyphLeft:
            glyph = {tx - gw.Div - (spaced ? s.Div + s.Mod : 0), (Height() - glyph_->Height()) / 2};
            tx += gw.Div + (spaced ? s.Div : 0);
            break;
        case blGlyphRight:
            glyph = {tx + tw - gw.Div + (spaced ? s.Div + s.Mod : 0), (Height() - glyph_->Height()) / 2};
            tx -= gw.Div + (spaced ? s.Div : 0);
            break;
        case blGlyphTop:
            glyph = {(Width() - glyph_->Width()) / 2, ty - gh.Div - gh.Mod - (spaced ? s.Div + s.Mod : 0)};
            ty += gh.Div + (spaced ? s.Div : 0);
            break;
        case blGlyphBottom:
            glyph = {(Width() - glyph_->Width()) / 2, ty + th - gh.Div + (spaced ? s.Div + s.Mod : 0)};
            ty -= gh.Div + (spaced ? s.Div : 0);
            break;
        }
    }
    // A pressed button shows its content one pixel right and down.
    const int shift = state_ == TButtonState::Down ? 1 : 0;
    return {{glyph.X + shift, glyph.Y + shift}, {tx + shift, ty + shift, tx + shift + tw, ty + shift + th}};
}

TPoint TXiButton::GlyphPos() const {
    return Place().Glyph;
}

TRect TXiButton::CaptionRect() const {
    return Place().Caption;
}

// The glyph's top-left pixel names its transparent colour.
void TXiButton::DrawGlyph(TCanvas& canvas, TPoint at) const {
    QImage image = glyph_->Image();
    if (transparentGlyph_) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, 0) & RGB_MASK;
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & RGB_MASK) == key)
                    line[x] = 0;
        }
    }
    canvas.Painter().drawImage(at.X, at.Y, image);
}

void TXiButton::Paint() {
    TCanvas& canvas = *Canvas();
    const TXiColorSet& colors = CurrentColors();
    const int w = Width();
    const int h = Height();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(colors.Face);
    canvas.FillRect(ClientRect());
    if (gradient_) {
        const QVector<TColor> lines = GradientLines(colors.Face, colors.Grad, h);
        for (int y = 0; y < lines.size(); ++y) {
            canvas.Brush().SetColor(lines[y]);
            canvas.FillRect({0, y, w, y + 1});
        }
    }
    const TPlacement place = Place();
    if (!glyph_->Empty())
        DrawGlyph(canvas, place.Glyph);
    if (!Caption().isEmpty()) {
        canvas.Font().SetColor(colors.Text);
        TRect r = place.Caption;
        canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    canvas.Brush().SetColor(colors.Border);
    canvas.FrameRect(ClientRect());
    if (ctl3D_) {
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetColor(colors.Light);
        canvas.MoveTo(1, h - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(w - 1, 1);
        canvas.Pen().SetColor(colors.Dark);
        canvas.MoveTo(w - 2, 1);
        canvas.LineTo(w - 2, h - 2);
        canvas.LineTo(1, h - 2);
    }
    if (hasFocus()) {
        canvas.Brush().SetColor(focusRect_);
        canvas.FrameRect({3, 3, w - 3, h - 3});
        if (FocusRingsShown())
            DrawFocusRing(canvas.Painter(), rect(), FocusRingWidth);
    }
}

// State changes show at once rather than at the next paint cycle.
void TXiButton::SetState(TButtonState state) {
    state_ = state;
    Repaint();
}

void TXiButton::MouseEnter() {
    if (hotTrack_)
        SetState(pressed_ ? TButtonState::Down : TButtonState::Hot);
}

void TXiButton::MouseLeave() {
    SetState(TButtonState::Normal);
}

void TXiButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        pressed_ = true;
        SetState(TButtonState::Down);
        if (TabStop())
            SetFocus();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// Comes after the click of a mouse click, so a click ends hot (or normal without HotTrack).
void TXiButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    pressed_ = false;
    if (x > 0 && x < Width() && y > 0 && y < Height())
        SetState(hotTrack_ ? TButtonState::Hot : TButtonState::Normal);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TXiButton::Click() {
    SetState(TButtonState::Normal);
    TCustomControl::Click();
}

void TXiButton::TextChanged() {
    accelerator_->setKey(QKeySequence::mnemonic(Caption()));
    Invalidate();
}

void TXiButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            SetState(TButtonState::Down);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Click();
        break;
    default:
        TCustomControl::keyPressEvent(event);
    }
}

void TXiButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        TCustomControl::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    SetState(TButtonState::Normal);
    Click();
}

void TXiButton::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    Invalidate();
}

void TXiButton::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    SetState(TButtonState::Normal);
}
