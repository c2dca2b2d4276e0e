// SPDX-License-Identifier: GPL-3.0-or-later
// Controls: the visual components. A control is a QWidget with bounds, alignment, anchors,
// font and colour that follow its parent, mouse events, and painting through a TCanvas.
#pragma once

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>

class TWinControl;

class TControl : public QWidget, public TComponentBase {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(fw::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(fw::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TControl(QObject* owner);
    ~TControl() override;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int Left() const { return bounds_.left(); }
    int Top() const { return bounds_.top(); }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    // Geometry as placed by the parent's alignment; keeps the anchors' reference.
    void PlaceBy(const QRect& rect);
    TRect BoundsRect() const { return TRect::FromQRect(bounds_); }
    TRect ClientRect() const { return {0, 0, Width(), Height()}; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont* Font() const { return font_; }
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);

    // The parent control (a window control), or null.
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(QObject* parent) override;

    // Shown on screen: visible itself and all its parents.
    bool Showing() const { return isVisible(); }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    void BringToFront();
    void SendToBack();
    void Invalidate() { update(); }
    void Repaint() { repaint(); }
    void Refresh() { repaint(); }

    void Loaded() override;

    // Simulated or real mouse actions land here; overridable by components.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TEvent<QObject*, TMouseButton, TShiftState, int, int> OnMouseDown;
    TEvent<QObject*, TMouseButton, TShiftState, int, int> OnMouseUp;
    TEvent<QObject*, TShiftState, int, int> OnMouseMove;

    virtual void Click();

    // What the control is to a screen reader. A control with a role of its own is named by its
    // accessible name, else by its caption, and a button is pressed as a click presses it.
    virtual QAccessible::Role AccessibleRole() const { return QAccessible::NoRole; }

    // Whether the control draws something at `p` (its own coordinates). Where a control leaves
    // its rectangle empty, a mouse press goes on to a control drawn beneath it; where nothing
    // is drawn beneath either, the control keeps it.
    virtual bool DrawnAt(const QPoint& p) const { return rect().contains(p); }

    // The canvas of the paint in progress (null outside painting).
    TCanvas* Canvas() const { return canvas_; }

    // Every message sent to the control passes through this chain; components may
    // replace it and pass on what they do not handle.
    TWndMethod WindowProc;
    std::intptr_t Perform(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Hints show when the control's ShowHint (or its parent's, through ParentShowHint) is on.
    bool EffectiveShowHint() const;

protected:
    virtual void Paint() {}
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void FontChanged();
    virtual void ColorChanged() { update(); }
    virtual void TextChanged() { update(); }
    virtual void EnabledChanged() { update(); }
    // Called when the bounds changed by SetBounds (not by alignment of the parent).
    virtual void BoundsChanged() {}

    // The control's own message handling, at the end of the WindowProc chain.
    virtual void WndProc(TMessage& message);

    bool MouseInside() const { return mouseInside_; }
    bool MousePressed() const { return mousePressed_; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    // Lets a disabled control's mouse event on to its parent; true when it did.
    bool IgnoredWhileDisabled(QMouseEvent* event);
    // For controls that leave parts of their rectangle empty: whether painting sets the pixel.
    bool PaintedAt(const QPoint& p) const;

    void ApplyGeometry();

private:
    friend class TWinControl;
    void ParentFontChanged(const TFont& font);
    void ParentColorChanged(TColor color);
    void RequestParentRealign();
    void OnFontChange(QObject*);
    static TShiftState ShiftFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    static TMouseButton ButtonFrom(Qt::MouseButton button);
    // The widget under `p` in the topmost sibling beneath this control that is drawn there.
    QWidget* DrawnBeneath(const QPoint& p) const;
    // Hands a mouse event on to the control drawn beneath the press, if there is one; true
    // when it did.
    bool PassedBeneath(QMouseEvent* event);

    int tag_ = 0;
    QRect bounds_{0, 0, 0, 0};
    TAlign align_ = alNone;
    TAnchors anchors_ = TAnchors(akLeft | akTop);
    // Bounds and parent client size the anchors measure from.
    QRect anchorBounds_;
    QSize anchorParentSize_;
    QString caption_;
    TColor color_ = clBtnFace;
    TFont* font_;
    bool parentColor_ = true;
    bool parentFont_ = true;
    bool settingFromParent_ = false;
    TCursor cursor_ = crDefault;
    bool enabled_ = true;
    QString hint_;
    bool parentShowHint_ = true;
    bool showHint_ = false;
    bool visible_ = true;
    TWinControl* parent_ = nullptr;
    TCanvas* canvas_ = nullptr;
    bool mouseInside_ = false;
    bool mousePressed_ = false;
    // Where the mouse events go from a press in an empty part until the last button is up.
    QPointer<QWidget> passedTo_;
};

// A control that never takes the keyboard focus and has no window of its own.
class TGraphicControl : public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(QObject* owner);
};

// A control that can hold other controls, take the focus and align its children.
class TWinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
public:
    explicit TWinControl(QObject* owner);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int tabOrder);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    // Child controls in creation (= stacking) order.
    QList<TControl*> Controls() const;
    int ControlCount() const { return int(Controls().size()); }

    // Client area left for aligned children, after borders.
    virtual TRect AdjustClientRect(TRect rect) const { return rect; }
    void Realign();
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    bool Focused() const { return hasFocus(); }

    void Loaded() override;

protected:
    virtual void AlignControls(TRect rect);
    void FontChanged() override;
    void ColorChanged() override;

private:
    friend class TControl;
    void ApplyTabOrder();
    void AnchorChildren();
    int tabOrder_ = -1;
    bool tabStop_ = false;
    bool aligning_ = false;
};

// A window control that paints itself on a canvas.
class TCustomControl : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomControl(QObject* owner);
};
