// SPDX-License-Identifier: GPL-3.0-or-later
// The stock controls the windows are built from: label, image, button with glyph, shape,
// timer, panel and the page control with its sheets.
#pragma once

#include "framework/Controls.h"

#include <QTimer>

class TLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(fw::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
public:
    explicit TLabel(QObject* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    // The widest a sized-to-text label may grow, 0 for no limit. A longer text is drawn in a
    // smaller font, down to two thirds of the label's own, and beyond that on more lines,
    // broken between words. The label's Font stays as it is.
    int FitWidth() const { return fitWidth_; }
    void SetFitWidth(int width);

    void Loaded() override;
    // Measures the text the label left unmeasured while its form had never been shown.
    void AdjustPendingBounds();

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    // Fits the bounds to the text, keeping the left edge (the right one when right-aligned).
    void AdjustBounds();
    unsigned TextFlags() const;

private:
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool boundsPending_ = false;
    int fitWidth_ = 0;
    // The font height and line breaking that make the text fit FitWidth; none while it fits as is.
    int fittedHeight_ = 0;
    bool fittedWrap_ = false;

    void Fit();
};

class TImage : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(TPicture* Picture READ Picture)
    Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    explicit TImage(QObject* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    TPicture* Picture() const { return picture_; }
    bool Proportional() const { return proportional_; }
    void SetProportional(bool proportional);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // Where the picture is drawn inside the control.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    TPicture* picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

// A push button with a bitmap glyph beside its caption.
class TBitBtn : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(TBitmap* Glyph READ Glyph)
    Q_PROPERTY(fw::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    explicit TBitBtn(QObject* owner);

    TBitmap* Glyph() const { return glyph_; }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }

protected:
    void Paint() override;
    void MouseEnter() override { update(); }
    void MouseLeave() override { update(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawGlyphAndCaption(TCanvas& canvas, bool down);
    TBitmap* glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int modalResult_ = 0;
    int numGlyphs_ = 1;
    int spacing_ = 4;
};

// The framework's geometric shape; the figure fills the control as its Shape says.
class TShape : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(TBrush* Brush READ Brush)
    Q_PROPERTY(TPen* Pen READ Pen)
    Q_PROPERTY(fw::TShapeType Shape READ Shape WRITE SetShape)
public:
    explicit TShape(QObject* owner);

    TBrush* Brush() const { return brush_; }
    TPen* Pen() const { return pen_; }
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    // Only the figure takes the mouse first; the corners it leaves empty show what lies beneath.
    bool DrawnAt(const QPoint& p) const override { return PaintedAt(p); }

protected:
    void Paint() override;

private:
    TBrush* brush_;
    TPen* pen_;
    TShapeType shape_ = stRectangle;
};

class TTimer : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
public:
    explicit TTimer(QObject* owner);

    bool Enabled() const { return enabled_; }
    // Switching on from off starts a fresh count; switching on when on changes nothing.
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    TNotifyEvent OnTimer;

    void Loaded() override;

private:
    void Update();
    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 1000;
};

// A container with raised or lowered bevels and a centred caption.
class TCustomPanel : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(fw::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(fw::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
public:
    explicit TCustomPanel(QObject* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);

    TRect AdjustClientRect(TRect rect) const override;

protected:
    void Paint() override;
    // Draws a bevel of `width` pixels into `r` and returns the rectangle inside it.
    static TRect Frame3D(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, int width);

private:
    TAlignment alignment_ = taCenter;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
};

class TPanel : public TCustomPanel {
    Q_OBJECT
public:
    using TCustomPanel::TCustomPanel;
};

class TPageControl;

class TTabSheet : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
public:
    explicit TTabSheet(QObject* owner);
    ~TTabSheet() override;

    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    TPageControl* PageControl() const;
    int PageIndex() const;
    void SetParent(TWinControl* parent) override;

protected:
    void Paint() override;

private:
    bool tabVisible_ = true;
};

// Pages stacked on each other; the active one shows. Tabs are drawn only for sheets whose
// TabVisible is on.
class TPageControl : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TTabSheet* ActivePage READ ActivePage WRITE SetActivePage)
public:
    explicit TPageControl(QObject* owner);

    QList<TTabSheet*> Pages() const;
    int PageCount() const { return int(Pages().size()); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TRect AdjustClientRect(TRect rect) const override;

    void Loaded() override;
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // Every sheet covers the display area.
    void AlignControls(TRect rect) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void SheetsChanged();
    bool TabsShown() const;
    TRect TabRect(int index) const;
    TTabSheet* activePage_ = nullptr;
    // In the order the sheets were added; raising a sheet changes only the stacking.
    QList<TTabSheet*> pages_;
};

// Makes the stock classes known to the layout reader.
void RegisterStandardClasses();
