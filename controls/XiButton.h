// SPDX-License-Identifier: GPL-3.0-or-later
// TXiButton: a push button that paints itself completely (gradient face, border, 3-D edge,
// glyph beside the caption, focus outline) with its own colours for each visual state.
#pragma once

#include "framework/Controls.h"

class QShortcut;

// The six colours of one visual state.
struct TXiColorSet {
    TColor Face = clWhite;
    TColor Grad = clWhite;
    TColor Dark = clWhite;
    TColor Light = clWhite;
    TColor Border = clWhite;
    TColor Text = clBlack;
};

class TXiButton : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int ColorFace READ ColorFace WRITE SetColorFace)
    Q_PROPERTY(int ColorGrad READ ColorGrad WRITE SetColorGrad)
    Q_PROPERTY(int ColorDark READ ColorDark WRITE SetColorDark)
    Q_PROPERTY(int ColorLight READ ColorLight WRITE SetColorLight)
    Q_PROPERTY(int ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(int ColorText READ ColorText WRITE SetColorText)
    Q_PROPERTY(int OverColorFace READ OverColorFace WRITE SetOverColorFace)
    Q_PROPERTY(int OverColorGrad READ OverColorGrad WRITE SetOverColorGrad)
    Q_PROPERTY(int OverColorDark READ OverColorDark WRITE SetOverColorDark)
    Q_PROPERTY(int OverColorLight READ OverColorLight WRITE SetOverColorLight)
    Q_PROPERTY(int OverColorBorder READ OverColorBorder WRITE SetOverColorBorder)
    Q_PROPERTY(int OverColorText READ OverColorText WRITE SetOverColorText)
    Q_PROPERTY(int DownColorFace READ DownColorFace WRITE SetDownColorFace)
    Q_PROPERTY(int DownColorGrad READ DownColorGrad WRITE SetDownColorGrad)
    Q_PROPERTY(int DownColorDark READ DownColorDark WRITE SetDownColorDark)
    Q_PROPERTY(int DownColorLight READ DownColorLight WRITE SetDownColorLight)
    Q_PROPERTY(int DownColorBorder READ DownColorBorder WRITE SetDownColorBorder)
    Q_PROPERTY(int DownColorText READ DownColorText WRITE SetDownColorText)
    Q_PROPERTY(int DisabledColorFace READ DisabledColorFace WRITE SetDisabledColorFace)
    Q_PROPERTY(int DisabledColorGrad READ DisabledColorGrad WRITE SetDisabledColorGrad)
    Q_PROPERTY(int DisabledColorDark READ DisabledColorDark WRITE SetDisabledColorDark)
    Q_PROPERTY(int DisabledColorLight READ DisabledColorLight WRITE SetDisabledColorLight)
    Q_PROPERTY(int DisabledColorBorder READ DisabledColorBorder WRITE SetDisabledColorBorder)
    Q_PROPERTY(int DisabledColorText READ DisabledColorText WRITE SetDisabledColorText)
    Q_PROPERTY(int ColorFocusRect READ ColorFocusRect WRITE SetColorFocusRect)
    // Declared after the colours, so a stored named scheme overrides stored colours.
    Q_PROPERTY(TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(fw::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(TBitmap* Glyph READ Glyph)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool TransparentGlyph READ TransparentGlyph WRITE SetTransparentGlyph)
    Q_PROPERTY(bool Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE SetHotTrack)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)

public:
    enum TColorScheme {
        csNeoDesert,
        csNeoSky,
        csNeoGrass,
        csNeoSilver,
        csNeoRose,
        csNeoSun,
        csDesert,
        csGrass,
        csSky,
        csSun,
        csRose,
        csSilver,
        csCustom
    };
    Q_ENUM(TColorScheme)
    enum class TButtonState { Normal, Hot, Down };

    explicit TXiButton(QObject* owner);

    TColor ColorFace() const { return normal_.Face; }
    void SetColorFace(TColor color) { SetSchemeColor(normal_.Face, color); }
    TColor ColorGrad() const { return normal_.Grad; }
    void SetColorGrad(TColor color) { SetSchemeColor(normal_.Grad, color); }
    TColor ColorDark() const { return normal_.Dark; }
    void SetColorDark(TColor color) { SetSchemeColor(normal_.Dark, color); }
    TColor ColorLight() const { return normal_.Light; }
    void SetColorLight(TColor color) { SetSchemeColor(normal_.Light, color); }
    TColor ColorBorder() const { return normal_.Border; }
    void SetColorBorder(TColor color) { SetSchemeColor(normal_.Border, color); }
    TColor ColorText() const { return normal_.Text; }
    void SetColorText(TColor color) { SetSchemeColor(normal_.Text, color); }
    TColor OverColorFace() const { return over_.Face; }
    void SetOverColorFace(TColor color) { SetSchemeColor(over_.Face, color); }
    TColor OverColorGrad() const { return over_.Grad; }
    void SetOverColorGrad(TColor color) { SetSchemeColor(over_.Grad, color); }
    TColor OverColorDark() const { return over_.Dark; }
    void SetOverColorDark(TColor color) { SetSchemeColor(over_.Dark, color); }
    TColor OverColorLight() const { return over_.Light; }
    void SetOverColorLight(TColor color) { SetSchemeColor(over_.Light, color); }
    TColor OverColorBorder() const { return over_.Border; }
    void SetOverColorBorder(TColor color) { SetSchemeColor(over_.Border, color); }
    TColor OverColorText() const { return over_.Text; }
    void SetOverColorText(TColor color) { SetSchemeColor(over_.Text, color); }
    TColor DownColorFace() const { return down_.Face; }
    void SetDownColorFace(TColor color) { SetSchemeColor(down_.Face, color); }
    TColor DownColorGrad() const { return down_.Grad; }
    void SetDownColorGrad(TColor color) { SetSchemeColor(down_.Grad, color); }
    TColor DownColorDark() const { return down_.Dark; }
    void SetDownColorDark(TColor color) { SetSchemeColor(down_.Dark, color); }
    TColor DownColorLight() const { return down_.Light; }
    void SetDownColorLight(TColor color) { SetSchemeColor(down_.Light, color); }
    TColor DownColorBorder() const { return down_.Border; }
    void SetDownColorBorder(TColor color) { SetSchemeColor(down_.Border, color); }
    TColor DownColorText() const { return down_.Text; }
    void SetDownColorText(TColor color) { SetSchemeColor(down_.Text, color); }
    TColor DisabledColorFace() const { return disabled_.Face; }
    void SetDisabledColorFace(TColor color) { SetSchemeColor(disabled_.Face, color); }
    TColor DisabledColorGrad() const { return disabled_.Grad; }
    void SetDisabledColorGrad(TColor color) { SetSchemeColor(disabled_.Grad, color); }
    TColor DisabledColorDark() const { return disabled_.Dark; }
    void SetDisabledColorDark(TColor color) { SetSchemeColor(disabled_.Dark, color); }
    TColor DisabledColorLight() const { return disabled_.Light; }
    void SetDisabledColorLight(TColor color) { SetSchemeColor(disabled_.Light, color); }
    TColor DisabledColorBorder() const { return disabled_.Border; }
    void SetDisabledColorBorder(TColor color) { SetSchemeColor(disabled_.Border, color); }
    TColor DisabledColorText() const { return disabled_.Text; }
    void SetDisabledColorText(TColor color) { SetSchemeColor(disabled_.Text, color); }
    TColor ColorFocusRect() const { return focusRect_; }
    void SetColorFocusRect(TColor color) { SetSchemeColor(focusRect_, color); }

    TColorScheme ColorScheme() const { return colorScheme_; }
    // A named scheme writes its colours (the classic ones keep the four gradient colours);
    // csCustom changes none.
    void SetColorScheme(TColorScheme scheme);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    TBitmap* Glyph() const { return glyph_; }
    // The button keeps its own copy.
    void SetGlyph(const TBitmap& glyph) { glyph_->Assign(glyph); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool TransparentGlyph() const { return transparentGlyph_; }
    void SetTransparentGlyph(bool transparent);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool gradient);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool hotTrack) { hotTrack_ = hotTrack; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    TButtonState State() const { return state_; }
    // Where the glyph's top-left corner and the caption's rectangle go for the current state.
    TPoint GlyphPos() const;
    TRect CaptionRect() const;

    void Click() override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void TextChanged() override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct TPlacement {
        TPoint Glyph;
        TRect Caption;
    };
    void SetSchemeColor(TColor& field, TColor color);
    void SetState(TButtonState state);
    const TXiColorSet& CurrentColors() const;
    TPlacement Place() const;
    void DrawGlyph(TCanvas& canvas, TPoint at) const;

    TXiColorSet normal_;
    TXiColorSet over_;
    TXiColorSet down_;
    TXiColorSet disabled_;
    TColor focusRect_ = clBlack;
    TColorScheme colorScheme_ = csCustom;
    bool ctl3D_ = true;
    TButtonLayout layout_ = blGlyphLeft;
    TBitmap* glyph_;
    int spacing_ = 4;
    bool transparentGlyph_ = true;
    bool gradient_ = false;
    bool hotTrack_ = true;
    bool cancel_ = false;
    bool default_ = false;
    int modalResult_ = 0;

    TButtonState state_ = TButtonState::Normal;
    bool pressed_ = false;
    QShortcut* accelerator_;
    QShortcut* cancelKey_;
    QShortcut* defaultKey_;
};
