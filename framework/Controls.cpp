// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Controls.h"
#include "framework/Accessibility.h"
#include "framework/Guard.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>
#include <algorithm>

TControl::TControl(QObject* owner)
    : QWidget(qobject_cast<QWidget*>(owner)), TComponentBase(this, owner), font_(new TFont(this)) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
    font_->OnChange = [this](QObject* sender) { OnFontChange(sender); };
    PublishEvent(QStringLiteral("OnClick"), OnClick);
    PublishEvent(QStringLiteral("OnDblClick"), OnDblClick);
    PublishEvent(QStringLiteral("OnMouseDown"), OnMouseDown);
    PublishEvent(QStringLiteral("OnMouseUp"), OnMouseUp);
    PublishEvent(QStringLiteral("OnMouseMove"), OnMouseMove);
    setMouseTracking(true);
    static const bool accessible = (InstallControlAccessibility(), true);
    Q_UNUSED(accessible);
}

TControl::~TControl() {
    SetDestroying();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const QRect bounds(left, top, std::max(0, width), std::max(0, height));
    if (parent_) {
        anchorBounds_ = bounds;
        anchorParentSize_ = parent_->bounds_.size();
    }
    if (bounds == bounds_)
        return;
    bounds_ = bounds;
    ApplyGeometry();
    BoundsChanged();
    RequestParentRealign();
}

void TControl::PlaceBy(const QRect& rect) {
    if (rect == bounds_)
        return;
    bounds_ = rect;
    ApplyGeometry();
}

void TControl::ApplyGeometry() {
    const QSize oldSize = size();
    setGeometry(bounds_);
    if (auto* container = qobject_cast<TWinControl*>(this); container && oldSize != bounds_.size())
        container->Realign();
}

void TControl::RequestParentRealign() {
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    RequestParentRealign();
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
}

void TControl::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    TextChanged();
}

void TControl::SetColor(TColor color) {
    if (!settingFromParent_)
        parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor && parent_)
        ParentColorChanged(parent_->Color());
}

void TControl::ParentColorChanged(TColor color) {
    if (!parentColor_)
        return;
    settingFromParent_ = true;
    SetColor(color);
    settingFromParent_ = false;
}

void TControl::OnFontChange(QObject*) {
    if (!settingFromParent_)
        parentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() {
    update();
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont && parent_)
        ParentFontChanged(*parent_->Font());
}

void TControl::ParentFontChanged(const TFont& font) {
    if (!parentFont_)
        return;
    settingFromParent_ = true;
    font_->Assign(font);
    settingFromParent_ = false;
}

void TControl::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    switch (cursor) {
    case crHandPoint:
        setCursor(Qt::PointingHandCursor);
        break;
    case crArrow:
        setCursor(Qt::ArrowCursor);
        break;
    case crCross:
        setCursor(Qt::CrossCursor);
        break;
    case crIBeam:
        setCursor(Qt::IBeamCursor);
        break;
    case crHourGlass:
        setCursor(Qt::WaitCursor);
        break;
    default:
        unsetCursor();
    }
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    QWidget::setEnabled(enabled);
    EnabledChanged();
}

void TControl::SetHint(const QString& hint) {
    hint_ = hint;
}

void TControl::SetParentShowHint(bool parentShowHint) {
    parentShowHint_ = parentShowHint;
}

void TControl::SetShowHint(bool showHint) {
    showHint_ = showHint;
    parentShowHint_ = false;
}

bool TControl::EffectiveShowHint() const {
    if (parentShowHint_ && parent_)
        return parent_->EffectiveShowHint();
    return showHint_;
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    if (parent_)
        QWidget::setVisible(visible);
    RequestParentRealign();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    parent_ = parent;
    QWidget::setParent(parent);
    if (!parent)
        return;
    setGeometry(bounds_);
    QWidget::setVisible(visible_);
    anchorBounds_ = bounds_;
    anchorParentSize_ = parent->bounds_.size();
    ParentFontChanged(*parent->Font());
    ParentColorChanged(parent->Color());
    RequestParentRealign();
}

void TControl::SetParentComponent(QObject* parent) {
    if (auto* container = qobject_cast<TWinControl*>(parent))
        SetParent(container);
}

void TControl::BringToFront() {
    raise();
}

void TControl::SendToBack() {
    lower();
}

void TControl::Loaded() {
    TComponentBase::Loaded();
    if (parent_) {
        anchorBounds_ = bounds_;
        anchorParentSize_ = parent_->bounds_.size();
    }
}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    default:
        break;
    }
}

void TControl::Click() {
    OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    OnMouseMove(this, shift, x, y);
}

TShiftState TControl::ShiftFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TMouseButton TControl::ButtonFrom(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

void TControl::paintEvent(QPaintEvent*) {
    TCanvas canvas(this);
    canvas.Font().Assign(*font_);
    canvas_ = &canvas;
    Guarded([this] { Paint(); });
    canvas_ = nullptr;
}

bool TControl::IgnoredWhileDisabled(QMouseEvent* event) {
    // As on the platform, the mouse input on a disabled control goes on to its parent.
    event->setAccepted(enabled_);
    return !enabled_;
}

bool TControl::PaintedAt(const QPoint& p) const {
    if (!rect().contains(p))
        return false;
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(Qt::transparent);
    const_cast<TControl*>(this)->render(&pixel, QPoint(), QRegion(p.x(), p.y(), 1, 1), {});
    return qAlpha(pixel.pixel(0, 0)) != 0;
}

QWidget* TControl::DrawnBeneath(const QPoint& p) const {
    QWidget* parent = parentWidget();
    if (!parent || isWindow())
        return nullptr;
    const QObjectList& siblings = parent->children();
    const QPoint inParent = mapToParent(p);
    for (qsizetype i = siblings.indexOf(const_cast<TControl*>(this)) - 1; i >= 0; --i) {
        auto* below = qobject_cast<TControl*>(siblings[i]);
        if (!below || below->isWindow() || below->isHidden() || !below->isEnabled() ||
            below->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        const QPoint q = below->mapFromParent(inParent);
        if (!below->rect().contains(q) || !below->DrawnAt(q))
            continue;
        QWidget* child = below->childAt(q);
        return child ? child : below;
    }
    return nullptr;
}

bool TControl::PassedBeneath(QMouseEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    // The first button down decides; the others of the same gesture follow it.
    if (press && event->buttons() == event->button()) {
        const QPoint p = event->position().toPoint();
        passedTo_ = DrawnAt(p) ? nullptr : DrawnBeneath(p);
    }
    const QPointer<QWidget> target = passedTo_;
    if (event->type() == QEvent::MouseButtonRelease && event->buttons() == Qt::NoButton)
        passedTo_ = nullptr;
    if (!target)
        return false;
    const QPointF at = target->mapFrom(window(), mapTo(window(), event->position()));
    QMouseEvent passed(event->type(), at, event->scenePosition(), event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(target, &passed);
    event->accept();
    return true;
}

void TControl::mousePressEvent(QMouseEvent* event) {
    if (IgnoredWhileDisabled(event) || PassedBeneath(event))
        return;
    mousePressed_ = event->button() == Qt::LeftButton;
    const QPoint p = event->position().toPoint();
    Guarded([&] {
        MouseDown(ButtonFrom(event->button()), ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    });
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (IgnoredWhileDisabled(event) || PassedBeneath(event))
        return;
    // A quick second click is still a click: children click fast.
    mousePressed_ = event->button() == Qt::LeftButton;
    const QPoint p = event->position().toPoint();
    const TShiftState shift = ShiftFrom(event->modifiers(), event->buttons()) | ssDouble;
    Guarded([&] {
        MouseDown(ButtonFrom(event->button()), shift, p.x(), p.y());
        OnDblClick(this);
    });
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
    if (IgnoredWhileDisabled(event) || PassedBeneath(event))
        return;
    const bool clicked = mousePressed_ && event->button() == Qt::LeftButton;
    mousePressed_ = false;
    const QPoint p = event->position().toPoint();
    const QPointer<TControl> self(this);
    Guarded([&] {
        // The click comes first; the mouse-up follows, unless the click took the control away.
        if (clicked && rect().contains(p))
            Click();
        if (self)
            MouseUp(ButtonFrom(event->button()), ShiftFrom(event->modifiers(), event->buttons()), p.x(),
                    p.y());
    });
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
    if (IgnoredWhileDisabled(event) || PassedBeneath(event))
        return;
    const QPoint p = event->position().toPoint();
    Guarded([&] { MouseMove(ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void TControl::enterEvent(QEnterEvent*) {
    mouseInside_ = true;
    Guarded([this] { Perform(CM_MOUSEENTER); });
}

void TControl::leaveEvent(QEvent*) {
    mouseInside_ = false;
    Guarded([this] { Perform(CM_MOUSELEAVE); });
}

bool TControl::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (EffectiveShowHint() && !hint_.isEmpty())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint_, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

TGraphicControl::TGraphicControl(QObject* owner) : TControl(owner) {
    setFocusPolicy(Qt::NoFocus);
}

TWinControl::TWinControl(QObject* owner) : TControl(owner) {}

void TWinControl::SetTabOrder(int tabOrder) {
    tabOrder_ = tabOrder;
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

QList<TControl*> TWinControl::Controls() const {
    QList<TControl*> controls;
    for (QObject* child : children()) {
        auto* control = qobject_cast<TControl*>(child);
        if (control && control->Parent() == this)
            controls.append(control);
    }
    return controls;
}

void TWinControl::Realign() {
    if (aligning_ || IsLoading())
        return;
    aligning_ = true;
    AlignControls(AdjustClientRect(ClientRect()));
    AnchorChildren();
    aligning_ = false;
}

void TWinControl::AlignControls(TRect rect) {
    const QList<TControl*> controls = Controls();
    auto aligned = [&](TAlign align, auto before) {
        QList<TControl*> list;
        for (TControl* control : controls)
            if (control->Align() == align && control->Visible())
                list.append(control);
        std::stable_sort(list.begin(), list.end(), before);
        return list;
    };
    for (TControl* c : aligned(alTop, [](auto*a, auto*b) { return a->Top() < b->Top(); })) {
        c->PlaceBy(QRect(rect.Left, rect.Top, rect.Width(), c->Height()));
        rect.Top += c->Height();
    }
    for (TControl* c : aligned(alBottom, [](auto*a, auto*b) { return a->Top() > b->Top(); })) {
        c->PlaceBy(QRect(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height()));
        rect.Bottom -= c->Height();
    }
    for (TControl* c : aligned(alLeft, [](auto*a, auto*b) { return a->Left() < b->Left(); })) {
        c->PlaceBy(QRect(rect.Left, rect.Top, c->Width(), std::max(0, rect.Height())));
        rect.Left += c->Width();
    }
    for (TControl* c : aligned(alRight, [](auto*a, auto*b) { return a->Left() > b->Left(); })) {
        c->PlaceBy(QRect(rect.Right - c->Width(), rect.Top, c->Width(), std::max(0, rect.Height())));
        rect.Right -= c->Width();
    }
    for (TControl* c : aligned(alClient, [](auto*, auto*) { return false; }))
        c->PlaceBy(QRect(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height())));
}

void TWinControl::AnchorChildren() {
    const QSize size = bounds_.size();
    for (TControl* c : Controls()) {
        if (c->Align() != alNone || c->anchorParentSize_.isEmpty())
            continue;
        const TAnchors a = c->Anchors();
        if (a == TAnchors(akLeft | akTop))
            continue;
        const int dx = size.width() - c->anchorParentSize_.width();
        const int dy = size.height() - c->anchorParentSize_.height();
        QRect r = c->anchorBounds_;
        if (a.testFlag(akRight))
            a.testFlag(akLeft) ? r.setWidth(std::max(0, r.width() + dx)) : r.moveLeft(r.left() + dx);
        if (a.testFlag(akBottom))
            a.testFlag(akTop) ? r.setHeight(std::max(0, r.height() + dy)) : r.moveTop(r.top() + dy);
        c->PlaceBy(r);
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
    ApplyTabOrder();
}

void TWinControl::ApplyTabOrder() {
    QList<TWinControl*> ordered;
    for (TControl* control : Controls())
        if (auto* w = qobject_cast<TWinControl*>(control); w && w->TabStop())
            ordered.append(w);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (int i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : Controls())
        c->ParentFontChanged(*Font());
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : Controls())
        c->ParentColorChanged(Color());
}

TCustomControl::TCustomControl(QObject* owner) : TWinControl(owner) {}
