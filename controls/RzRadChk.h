// SPDX-License-Identifier: GPL-3.0-or-later
// TRzCheckBox: an owner-drawn check box whose background can show whatever lies behind it
// ("Show Hints" on the main menu), with a drawn 13 x 13 box and a relief caption.
#pragma once

#include "controls/RzCommon.h"
#include "framework/Controls.h"

class QShortcut;

class TRzCheckBox : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(rz::TAlignmentVertical AlignmentVertical READ AlignmentVertical WRITE SetAlignmentVertical)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(rz::TTextStyle TextStyle READ TextStyle WRITE SetTextStyle)
    Q_PROPERTY(bool LightTextStyle READ LightTextStyle WRITE SetLightTextStyle)
    Q_PROPERTY(int TextHighlightColor READ TextHighlightColor WRITE SetTextHighlightColor)
    Q_PROPERTY(int TextShadowColor READ TextShadowColor WRITE SetTextShadowColor)
    Q_PROPERTY(int TextShadowDepth READ TextShadowDepth WRITE SetTextShadowDepth)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE SetHotTrack)
    Q_PROPERTY(int HotTrackColor READ HotTrackColor WRITE SetHotTrackColor)
    Q_PROPERTY(THotTrackColorType HotTrackColorType READ HotTrackColorType WRITE SetHotTrackColorType)
    Q_PROPERTY(int HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(int FrameColor READ FrameColor WRITE SetFrameColor)
    Q_PROPERTY(int DisabledColor READ DisabledColor WRITE SetDisabledColor)
    Q_PROPERTY(TBitmap* CustomGlyphs READ CustomGlyphs)
    Q_PROPERTY(bool UseCustomGlyphs READ UseCustomGlyphs WRITE SetUseCustomGlyphs)
    Q_PROPERTY(int TransparentColor READ TransparentColor WRITE SetTransparentColor)
    Q_PROPERTY(int WinMaskColor READ WinMaskColor WRITE SetWinMaskColor)
    Q_PROPERTY(bool TabOnEnter READ TabOnEnter WRITE SetTabOnEnter)

public:
    enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
    Q_ENUM(TCheckBoxState)
    enum THotTrackColorType { htctComplement, htctActual };
    Q_ENUM(THotTrackColorType)

    static constexpr int BoxSize = 13;

    explicit TRzCheckBox(QObject* owner);

    TCheckBoxState State() const { return state_; }
    // A different state is stored, shown and reported through OnClick.
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
    // taRightJustify: box at the left, caption to its right; taLeftJustify: the other way round.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical alignment);
    // Qt draws children over their parent, so a transparent box just leaves its fill out.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle style);
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool light);
    TColor TextHighlightColor() const { return textHighlightColor_; }
    void SetTextHighlightColor(TColor color);
    TColor TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(TColor color);
    int TextShadowDepth() const { return textShadowDepth_; }
    void SetTextShadowDepth(int depth);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool hotTrack);
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor color);
    THotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(THotTrackColorType type);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor color);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor color);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor color);
    // A strip of 13-pixel-wide box pictures: slices 3 to 5 enabled (unchecked, checked,
    // grayed), 6 to 8 disabled.
    TBitmap* CustomGlyphs() const { return customGlyphs_; }
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool use);
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor color);
    TColor WinMaskColor() const { return winMaskColor_; }
    void SetWinMaskColor(TColor color);
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool tabOnEnter) { tabOnEnter_ = tabOnEnter; }

    // unchecked -> (grayed when allowed) -> checked -> unchecked.
    void Toggle();
    // The framework clicks when the left button is released inside: the click toggles.
    void Click() override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void TextChanged() override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Colours of the drawn box: frame, the two-pixel band (A right/bottom, B left/top), face, mark.
    struct TBoxColors {
        TColor Frame;
        TColor BandA;
        TColor BandB;
        TColor Face;
        TColor Mark;
        bool Band;
    };
    TPoint BoxPos() const;
    TBoxColors BoxColors() const;
    void DrawBox(TCanvas& canvas, TPoint at) const;
    void DrawCustomBox(TCanvas& canvas, TPoint at) const;
    TRect CaptionArea() const;
    void DrawCaption(TCanvas& canvas) const;
    void SetPressed(bool pressed);
    void Changed() { Invalidate(); }

    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    TAlignmentVertical alignmentVertical_ = avTop;
    bool transparent_ = false;
    TTextStyle textStyle_ = tsNormal;
    bool lightTextStyle_ = false;
    TColor textHighlightColor_ = clBtnHighlight;
    TColor textShadowColor_ = clBtnShadow;
    int textShadowDepth_ = 2;
    bool hotTrack_ = false;
    TColor hotTrackColor_ = clHighlight;
    THotTrackColorType hotTrackColorType_ = htctComplement;
    TColor highlightColor_ = clHighlight;
    TColor frameColor_ = clBtnShadow;
    TColor disabledColor_ = clBtnFace;
    TBitmap* customGlyphs_;
    bool useCustomGlyphs_ = false;
    TColor transparentColor_ = clOlive;
    TColor winMaskColor_ = clLime;
    bool tabOnEnter_ = false;

    bool pressed_ = false;
    bool dragging_ = false;
    bool keyToggle_ = false;
    bool mouseOver_ = false;
    QShortcut* accelerator_;
};
