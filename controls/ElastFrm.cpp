// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ElastFrm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int Threshold = 5;
constexpr int ManyPositionChanges = 10000;

bool HasProperty(const QObject* object, const char* name) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (qstricmp(meta->property(i).name(), name) == 0)
            return true;
    return false;
}

QMetaProperty PropertyOf(const QObject* object, const char* name) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (qstricmp(meta->property(i).name(), name) == 0)
            return meta->property(i);
    return {};
}

TFont* FontProperty(const QObject* object, const char* name) {
    const QMetaProperty property = PropertyOf(object, name);
    if (!property.isValid())
        return nullptr;
    return qvariant_cast<TFont*>(property.read(object));
}

QObject* ObjectValue(const QObject* object, const QMetaProperty& property) {
    if (!(property.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    const QVariant value = property.read(object);
    return value.isValid() ? *static_cast<QObject* const*>(value.constData()) : nullptr;
}

bool IsPage(const TControl* control) {
    return qobject_cast<const TTabSheet*>(control) ||
           (HasProperty(control, "PageIndex") && !HasProperty(control, "Pages"));
}

// The control's font-typed properties other than its main, title and tab font, and those of
// its object-typed properties one and two levels deep.
void CollectExtraFonts(const QObject* object, int depth, QList<TFont*>& fonts) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        QObject* value = ObjectValue(object, property);
        if (!value || value == object)
            continue;
        if (auto* font = qobject_cast<TFont*>(value)) {
            const char* name = property.name();
            if (depth > 0 || (qstricmp(name, "Font") != 0 && qstricmp(name, "TitleFont") != 0 &&
                              qstricmp(name, "TabFont") != 0))
                if (!fonts.contains(font))
                    fonts.append(font);
            continue;
        }
        if (depth < 2 && !qobject_cast<TTabSheet*>(value) && !qobject_cast<TControl*>(value))
            CollectExtraFonts(value, depth + 1, fonts);
    }
}

QString SafePathPart(const QString& part) {
    QString safe;
    for (QChar c : part)
        safe += (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('_') ||
                 c == QLatin1Char('-') || c == QLatin1Char('.'))
                    ? c
                    : QLatin1Char('_');
    return safe;
}

} // namespace

std::function<QRect()> TElasticForm::WorkArea = [] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
};

int TElasticForm::Round(double value) {
    return int(std::nearbyint(value));
}

int TElasticForm::FontRound(double value) {
    const double whole = std::trunc(value);
    return int(std::fabs(value - whole) > 0.5 ? whole + (value < 0 ? -1 : 1) : whole);
}

TElasticForm::TElasticForm(QObject* owner) : TComponent(owner), font_(new TFont(this)) {
    form_ = qobject_cast<TForm*>(owner);
    if (!form_)
        throw std::runtime_error("Owner of TElasticForm component must be a form");
    for (QObject* sibling : owner->children())
        if (sibling != this && qobject_cast<TElasticForm*>(sibling))
            throw std::runtime_error("A TElasticForm component already exists in " +
                                     form_->Name().toStdString());
    PublishEvent(QStringLiteral("OnAfterResize"), OnAfterResize);
    if (const QMetaProperty autoSize = PropertyOf(form_, "Autosize");
        autoSize.isValid() && autoSize.read(form_).toBool())
        autoSize.write(form_, false);
    font_->Assign(*form_->Font());
    previous_ = form_->WindowProc;
    form_->WindowProc = [this](TMessage& message) { Filter(message); };
    hooked_ = true;
}

TElasticForm::~TElasticForm() {
    if (hooked_ && !form_->IsDestroying())
        form_->WindowProc = previous_;
}

void TElasticForm::SetFont(TFont* font) {
    if (font && font != font_)
        font_->Assign(*font);
    form_->Font()->Assign(*font_);
    form_->update();
}

void TElasticForm::SetBkGrndImage(TImage* image) {
    bkGrndImage_ = image;
    if (image)
        image->SetVisible(false);
}

void TElasticForm::Loaded() {
    TComponent::Loaded();
    QList<TControl*> found;
    Walk(form_, found);
    layoutBounds_.clear();
    for (TControl* control : found)
        layoutBounds_.emplace_back(control, control->BoundsRect().ToQRect());
}

QList<TControl*> TElasticForm::ManagedControls() const {
    QList<TControl*> list;
    for (const QPointer<TControl>& control : controls_)
        list.append(control.data());
    return list;
}

// ---- Message filter ---------------------------------------------------------------------

void TElasticForm::Filter(TMessage& message) {
    // Only the window system's messages; the framework's own notifications pass unseen.
    const bool windowMessage = message.Msg < CM_BASE;
    const bool running = !Application || (Application->MainForm() && !Application->Terminated());
    if (message.Msg == WM_DESTROY || (windowMessage && Active && running && form_->Visible()))
        Handle(message);
    else
        previous_(message);
}

void TElasticForm::Handle(TMessage& message) {
    if (message.Msg == WM_DESTROY) {
        Unhook(message);
        return;
    }
    BeforeMessage();
    if (!Dispatch(message))
        previous_(message);
}

// The form is going: the filter leaves the chain, and the message goes on down it.
void TElasticForm::Unhook(TMessage& message) {
    hooked_ = false;
    TWndMethod previous = previous_;
    form_->WindowProc = previous;
    message.Result = 0;
    previous(message);
}

// What every message finds done: the focused control noted, the form's font kept as the
// component's, start-up run once, and a saved state applied.
void TElasticForm::BeforeMessage() {
    QWidget* focused = QApplication::focusWidget();
    focus_ = focused && focused->window() == form_ ? focused : nullptr;
    const TFont* formFont = form_->Font();
    if (formFont->Color() != font_->Color() || formFont->Size() != font_->Size())
        SetFont(font_);
    if (!startedUp_)
        StartUp();
    ApplyPendingState();
}

// Acts on one message; true when it is answered here and goes no further.
bool TElasticForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_SHOWWINDOW:
        if (showLayout_) {
            HideControls();
            LayoutAndShow();
        }
        RestoreFocus(false);
        break;
    case WM_SIZE:
        OnSize(message);
        break;
    case WM_ACTIVATE:
        positionChanges_ = ManyPositionChanges;
        if (restoredMaximized_) {
            restoredMaximized_ = false;
            form_->SetWindowState(wsMaximized);
        }
        RestoreFocus(true);
        break;
    case WM_WINDOWPOSCHANGING:
        if (++positionChanges_ >= ManyPositionChanges)
            startPhase_ = false;
        break;
    case WM_SIZING:
        dragging_ = true;
        layoutPending_ = true;
        break;
    case WM_ENTERSIZEMOVE: {
        const QMargins frame = form_->FrameMargins();
        dragBase_ = message.LParam ? QSize(SizeParamWidth(message.LParam) + frame.left() + frame.right(),
                                           SizeParamHeight(message.LParam) + frame.top() + frame.bottom())
                                   : OuterSize();
        break;
    }
    case WM_EXITSIZEMOVE:
        OnExitSizeMove();
        break;
    case WM_GETMINMAXINFO:
        if (message.LParam)
            SizeLimits(*reinterpret_cast<TMinMaxInfo*>(message.LParam));
        break;
    case WM_DISPLAYCHANGE:
        OnDisplayChange(message);
        break;
    case WM_SYSCOMMAND:
        OnSysCommand(message);
        break;
    case WM_SETCURSOR:
        showLayout_ = false;
        break;
    case WM_ERASEBKGND:
        if (PaintBackground(reinterpret_cast<TCanvas*>(message.WParam))) {
            message.Result = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void TElasticForm::OnSize(TMessage& message) {
    if (dragging_ || message.WParam == SIZE_MINIMIZED)
        return;
    const QSize size = OuterSize();
    const bool wide = std::abs(size.width() - lastWidth_) > Threshold;
    const bool tall = std::abs(size.height() - lastHeight_) > Threshold;
    if (message.WParam == SIZE_MAXIMIZED && !maximized_) {
        if (wide && tall)
            HideControls();
        startPhase_ = false;
        maximized_ = true;
        SetFont(font_);
    } else if (message.WParam == SIZE_RESTORED && !startPhase_ && maximized_) {
        HideControls();
        maximized_ = false;
        SetFont(font_);
    }
    const bool noBorder = form_->BorderStyle() == bsNone;
    if ((noBorder || startPhase_) && message.WParam != SIZE_MAXIMIZED && OuterBounds() != start_)
        SetOuterBounds(start_);
    const QSize now = OuterSize();
    if (std::abs(now.width() - lastWidth_) > Threshold || std::abs(now.height() - lastHeight_) > Threshold) {
        Relayout();
        form_->update();
    }
    RestoreFocus(false);
    SaveState();
    ShowControls();
}

void TElasticForm::OnExitSizeMove() {
    startPhase_ = false;
    dragging_ = false;
    if (layoutPending_) {
        layoutPending_ = false;
        HideControls();
        if (MaintainProportions)
            KeepProportions();
        LayoutAndShow();
        RestoreFocus(false);
    }
    maximized_ = false;
    SaveState();
}

void TElasticForm::OnSysCommand(TMessage& message) {
    const bool normalStyle = !HasProperty(form_, "FormStyle") || form_->property("FormStyle").toInt() == 0;
    auto rememberActive = [this] {
        if (QWidget* active = form_->focusWidget())
            if (auto* control = qobject_cast<TControl*>(active); control && !control->Name().isEmpty())
                EFActiveControl = control->Name();
    };
    switch (message.WParam & 0xFFF0) {
    case SC_CLOSE:
        SaveState();
        showLayout_ = false;
        break;
    case SC_MINIMIZE: {
        rememberActive();
        SaveState();
        showLayout_ = false;
        maximized_ = false;
        const QSize size = OuterSize();
        lastWidth_ = size.width();
        lastHeight_ = size.height();
        break;
    }
    case SC_RESTORE:
        if (!normalStyle)
            break;
        [[fallthrough]];
    case SC_MAXIMIZE:
        rememberActive();
        HideControls();
        break;
    default:
        showLayout_ = true;
        break;
    }
}

void TElasticForm::OnDisplayChange(TMessage& message) {
    const int width = SizeParamWidth(message.LParam);
    const int height = SizeParamHeight(message.LParam);
    if (width <= 0 || height <= 0 || screenWidth_ <= 0 || screenHeight_ <= 0)
        return;
    const double fx = double(width) / screenWidth_;
    const double fy = double(height) / screenHeight_;
    DesignScreenWidth = screenWidth_ = width;
    DesignScreenHeight = screenHeight_ = height;
    const QRect outer = OuterBounds();
    HideControls();
    SetOuterBounds(QRect(Round(outer.left() * fx), Round(outer.top() * fy), Round(outer.width() * fx),
                         Round(outer.height() * fy)));
    LayoutAndShow();
}

// ---- Start-up ---------------------------------------------------------------------------

int TElasticForm::Percent(int value, int whole) const {
    return value > 0 ? value : value < 0 ? Round(std::abs(value) * double(whole) / 100.0) : 0;
}

void TElasticForm::StartUp() {
    startedUp_ = true;
    const QRect area = WorkArea();
    FillDesignDefaults(area);
    TakeControls();
    const bool formMaximized = form_->WindowState() == wsMaximized;
    if (formMaximized)
        DesignForMaximized(area);
    ScaleToScreen(area);
    start_ = StartBounds();
    dragBase_ = start_.size();

    startPhase_ = true;
    positionChanges_ = 0;
    HideControls();
    if (MaintainProportions)
        ProportionalLimits();
    if (!formMaximized)
        SetOuterBounds(start_);
    ShowControls();
}

// Design values the layout left out are those of the screen and the form as they are now.
void TElasticForm::FillDesignDefaults(const QRect& area) {
    if (!ResolutionIndependence || DesignScreenWidth <= 0 || DesignScreenHeight <= 0) {
        DesignScreenWidth = area.width();
        DesignScreenHeight = area.height();
    }
    if (DesignFormWidth <= 0 || DesignFormHeight <= 0) {
        DesignFormWidth = OuterSize().width();
        DesignFormHeight = OuterSize().height();
    }
    if (DesignFormClientWidth <= 0 || DesignFormClientHeight <= 0) {
        DesignFormClientWidth = form_->ClientWidth();
        DesignFormClientHeight = form_->ClientHeight();
    }
}

// The controls to manage, a saved state, and which controls show.
void TElasticForm::TakeControls() {
    CollectControls();
    if (!ElFrmIniFile.isEmpty())
        RestoreState();
    for (qsizetype i = 0; i < controls_.size(); ++i)
        frames_[std::size_t(i)].Visible = controls_[i]->Visible();
}

// A form that starts maximized was designed at the maximized place and size.
void TElasticForm::DesignForMaximized(const QRect& area) {
    DesignFormLeft = Percent(MaximizedPosX, DesignScreenWidth);
    DesignFormTop = Percent(MaximizedPosY, DesignScreenHeight);
    if (MaintainProportions) {
        screenWidth_ = area.width();
        screenHeight_ = area.height();
        ProportionalLimits();
        DesignFormWidth = maxWidth_;
        DesignFormHeight = maxHeight_;
    } else {
        DesignFormWidth = DesignScreenWidth;
        DesignFormHeight = DesignScreenHeight;
    }
}

// The scale from the design screen to this one, and the font size it gives.
void TElasticForm::ScaleToScreen(const QRect& area) {
    screenWidth_ = area.width();
    screenHeight_ = area.height();
    screenOrigin_ = area.topLeft();
    sx_ = double(screenWidth_) / DesignScreenWidth;
    sy_ = double(screenHeight_) / DesignScreenHeight;
    fontBase_ = FontRound(form_->Font()->Size() * sy_);
}

// The form's first outer bounds: its design size scaled, placed by its Position, on the screen.
QRect TElasticForm::StartBounds() const {
    const bool noBorder = form_->BorderStyle() == bsNone;
    const int width = Round((noBorder ? DesignFormClientWidth : DesignFormWidth) * sx_);
    const int height = Round((noBorder ? DesignFormClientHeight : DesignFormHeight) * sy_);
    int left = Round(DesignFormLeft * sx_);
    int top = Round(DesignFormTop * sy_);
    switch (form_->Position()) {
    case poScreenCenter:
    case poDesktopCenter:
        left = (screenWidth_ - width) / 2;
        top = (screenHeight_ - height) / 2;
        break;
    case poMainFormCenter:
        if (TForm* main = Application ? Application->MainForm() : nullptr; main && main != form_) {
            left = main->Left() - screenOrigin_.x() + (main->Width() - width) / 2;
            top = main->Top() - screenOrigin_.y() + (main->Height() - height) / 2;
        }
        break;
    default:
        break;
    }
    if (left + width > screenWidth_)
        left = (screenWidth_ - width) / 2;
    if (top + height > screenHeight_)
        top = (screenHeight_ - height) / 2;
    left = std::max(0, left);
    top = std::max(0, top);
    return QRect(screenOrigin_.x() + left, screenOrigin_.y() + top, width, height);
}

// Aligned and anchored controls follow their parent's size: a form maximized before its first
// showing has already stretched them, so they are measured where the layout put them. Code
// may have moved the others, and those keep their place.
QRect TElasticForm::DesignBounds(const TControl* control) const {
    const bool followsParent = control->Align() != alNone || control->Anchors() != TAnchors(akLeft | akTop);
    if (followsParent)
        for (const auto& [laidOut, bounds] : layoutBounds_)
            if (laidOut == control)
                return bounds;
    return control->BoundsRect().ToQRect();
}

void TElasticForm::Walk(TWinControl* parent, QList<TControl*>& found) const {
    for (TControl* control : parent->Controls()) {
        if (!control->Name().isEmpty() && !IsPage(control))
            found.append(control);
        if (auto* container = qobject_cast<TWinControl*>(control))
            Walk(container, found);
    }
}

void TElasticForm::CollectControls() {
    QList<TControl*> found;
    Walk(form_, found);
    struct Entry {
        TControl* control;
        int group;
        int key;
        int index;
    };
    std::vector<Entry> entries;
    for (int i = 0; i < found.size(); ++i) {
        TControl* c = found[i];
        switch (c->Align()) {
        case alTop:
            entries.push_back({c, 0, c->Top(), i});
            break;
        case alBottom:
            entries.push_back({c, 1, -c->Top(), i});
            break;
        case alLeft:
            entries.push_back({c, 2, c->Left(), i});
            break;
        case alRight:
            entries.push_back({c, 3, -c->Left(), i});
            break;
        case alClient:
            entries.push_back({c, 4, c->Left(), i});
            break;
        default:
            entries.push_back({c, 5, i, i});
            break;
        }
    }
    // Among equal keys the one found last goes first.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.group != b.group)
            return a.group < b.group;
        if (a.key != b.key)
            return a.key < b.key;
        return a.index > b.index;
    });
    controls_.clear();
    frames_.clear();
    for (const Entry& e : entries) {
        controls_.append(e.control);
        TFrame frame;
        frame.Owner = this;
        const QRect bounds = DesignBounds(e.control);
        frame.Left = bounds.left();
        frame.Top = bounds.top();
        frame.Width = bounds.width();
        frame.Height = bounds.height();
        frame.Applied = e.control->BoundsRect().ToQRect();
        frames_.push_back(frame);
    }
}

void TElasticForm::Capture(TControl* control, TFrame& frame) {
    frame.Left = Round(frame.Left * sx_);
    frame.Width = Round(frame.Width * sx_);
    frame.Top = Round(frame.Top * sy_);
    frame.Height = Round(frame.Height * sy_);
    frame.UnscaledFontSize = control->Font()->Size();
    frame.MainFontSize = int(std::trunc(control->Font()->Size() * sy_));
    if (const TFont* title = FontProperty(control, "TitleFont"))
        frame.TitleFontSize = int(std::trunc(title->Size() * sy_));
    if (const TFont* tab = FontProperty(control, "TabFont"))
        frame.TabFontSize = int(std::trunc(tab->Size() * sy_));
    if (LookForExtraFonts) {
        QList<TFont*> fonts;
        CollectExtraFonts(control, 0, fonts);
        for (TFont* font : fonts)
            frame.ExtraFonts.append({font, int(std::trunc(font->Size() * sy_))});
    }
    const bool underSheet = qobject_cast<TTabSheet*>(control->Parent()) != nullptr;
    if ((underSheet && control->ParentFont()) || HasProperty(control, "defaultRowHeight") ||
        HasProperty(control, "columns") || HasProperty(control, "DataSource"))
        control->SetParentFont(false);
    if (const QMetaProperty allow = PropertyOf(control, "AllowHiding");
        allow.isValid() && !allow.read(control).toBool())
        allow.write(control, true);
}

// A control that code moved or resized since the last re-layout (the answer figures placed at
// random, a label fitted to a new text) keeps its new place: its stored bounds are taken back
// from it through the ratios last applied. Aligned and anchored controls are moved by their
// parent, not by code, and keep what they have.
void TElasticForm::TakeBackMovedControls() {
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        TFrame& f = frames_[std::size_t(i)];
        if (!c || !f.Elastic || c->Align() != alNone || c->Anchors() != TAnchors(akLeft | akTop))
            continue;
        const QRect now = c->BoundsRect().ToQRect();
        if (now == f.Applied)
            continue;
        const double rx = ElasticHorizontal && f.HorizontalRatio > 0 ? f.HorizontalRatio : 1.0;
        const double ry = ElasticVertical && f.VerticalRatio > 0 ? f.VerticalRatio : 1.0;
        f.Left = now.left() / rx;
        f.Width = now.width() / rx;
        f.Top = now.top() / ry;
        f.Height = now.height() / ry;
        f.Applied = now;
    }
}

// ---- Re-layout --------------------------------------------------------------------------

QSize TElasticForm::OuterSize() const {
    const QMargins frame = form_->FrameMargins();
    return {form_->ClientWidth() + frame.left() + frame.right(),
            form_->ClientHeight() + frame.top() + frame.bottom()};
}

QRect TElasticForm::OuterBounds() const {
    const QMargins frame = form_->FrameMargins();
    return QRect(form_->TControl::Left(), form_->TControl::Top(), form_->ClientWidth(), form_->ClientHeight())
        .marginsAdded(frame);
}

void TElasticForm::SetOuterBounds(const QRect& outer) {
    const QRect client = outer.marginsRemoved(form_->FrameMargins());
    form_->SetBounds(client.left(), client.top(), std::max(0, client.width()), std::max(0, client.height()));
}

void TElasticForm::FocusRequested() {
    if (!focusRequest_ || EFActiveControl.isEmpty())
        return;
    for (TControl* c : ManagedControls())
        if (auto* w = qobject_cast<TWinControl*>(c); w && c->Name() == EFActiveControl)
            w->SetFocus();
    if (form_->focusWidget())
        focusRequest_ = false;
}

void TElasticForm::LayoutAndShow() {
    Relayout();
    form_->update();
    ShowControls();
}

void TElasticForm::Relayout() {
    if (!startedUp_)
        StartUp();
    if (dragging_)
        return;
    FocusRequested();
    TakeBackMovedControls();
    const bool first = !captured_;
    if (first) {
        for (qsizetype i = 0; i < controls_.size(); ++i)
            if (controls_[i])
                Capture(controls_[i], frames_[std::size_t(i)]);
        font_->SetSize(fontBase_);
        refClientWidth_ = std::max(1, Round(DesignFormClientWidth * sx_));
        refClientHeight_ = std::max(1, Round(DesignFormClientHeight * sy_));
        refFontSize_ = std::max(1, fontBase_);
        captured_ = true;
    }
    const QSize outer = OuterSize();
    const double a = double(outer.height()) * refFontSize_ / refClientHeight_;
    const double b = double(outer.width()) * refFontSize_ / refClientWidth_;
    const double v = b < a ? b : a;
    if (ElasticFont) {
        font_->SetSize(Round(v));
        SetFont(font_);
    }
    const double r = v / refFontSize_;
    const double rx = double(form_->ClientWidth()) / refClientWidth_;
    const double ry = double(form_->ClientHeight()) / refClientHeight_;
    for (qsizetype i = 0; i < controls_.size(); ++i)
        if (controls_[i])
            ApplyControl(controls_[i], frames_[std::size_t(i)], r, rx, ry);
    if (first && !restoredMaximized_)
        ShowControls();
    lastWidth_ = outer.width();
    lastHeight_ = outer.height();
    OnAfterResize(this);
}

void TElasticForm::ApplyControl(TControl* control, TFrame& frame, double r, double rx, double ry) {
    if (!frame.Elastic) {
        control->SetBounds(Round(frame.Left), Round(frame.Top), Round(frame.Width), Round(frame.Height));
        frame.Applied = control->BoundsRect().ToQRect();
        return;
    }
    const bool toolBar = control->inherits("TToolBar");
    if (ElasticFont && !toolBar) {
        for (const auto& [font, size] : frame.ExtraFonts)
            if (font)
                font->SetSize(FontRound(size * r));
        if (TFont* title = FontProperty(control, "titlefont"))
            title->SetSize(FontRound(frame.TitleFontSize * r));
        control->Font()->SetSize(FontRound(frame.MainFontSize * r));
        if (TFont* tab = FontProperty(control, "TabFont"))
            tab->SetSize(FontRound(frame.TabFontSize * r));
        frame.FontRatio = r;
    }
    const int left = ElasticHorizontal ? Round(frame.Left * rx) : Round(frame.Left);
    const int width = ElasticHorizontal ? Round(frame.Width * rx) : Round(frame.Width);
    const int top = ElasticVertical ? Round(frame.Top * ry) : Round(frame.Top);
    const int height = ElasticVertical ? Round(frame.Height * ry) : Round(frame.Height);
    frame.HorizontalRatio = rx;
    frame.VerticalRatio = ry;
    control->SetBounds(left, top, width, height);
    if (auto* label = qobject_cast<TLabel*>(control)) {
        FitLabel(label);
    } else if (const QMetaProperty autoSize = PropertyOf(control, "AutoSize");
               autoSize.isValid() && autoSize.read(control).toBool()) {
        autoSize.write(control, false);
        autoSize.write(control, true);
    }
    frame.Applied = control->BoundsRect().ToQRect();
}

// A label grows to fit its scaled text, but never shrinks below its scaled size.
void TElasticForm::FitLabel(TLabel* label) {
    if (label->AutoSize()) {
        label->SetAutoSize(false);
        label->SetAutoSize(true);
        return;
    }
    const QRect before = label->BoundsRect().ToQRect();
    label->SetAutoSize(true);
    label->SetAutoSize(false);
    const int width = std::max(label->Width(), before.width());
    const int height = std::max(label->Height(), before.height());
    label->SetBounds(before.left(), before.top(), width, height);
}

// Hidden around a re-layout, so that the form is repainted once, not once per control.
void TElasticForm::HideControls() {
    if (hidden_)
        return;
    hidden_ = true;
    for (qsizetype i = 0; i < controls_.size(); ++i)
        if (controls_[i])
            frames_[std::size_t(i)].Visible = controls_[i]->Visible();
    for (qsizetype i = controls_.size() - 1; i >= 0; --i) {
        TControl* c = controls_[i];
        if (!c || (c->Parent() != form_ && c->Align() == alNone))
            continue;
        if (const QMetaProperty allow = PropertyOf(c, "AllowHiding"); allow.isValid())
            allow.write(c, true);
        c->SetVisible(false);
    }
}

void TElasticForm::ShowControls() {
    if (!hidden_)
        return;
    hidden_ = false;
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        if (c && (c->Parent() == form_ || c->Align() != alNone))
            c->SetVisible(frames_[std::size_t(i)].Visible);
    }
    if (!EFActiveControl.isEmpty() && !form_->focusWidget())
        for (TControl* c : ManagedControls())
            if (auto* w = qobject_cast<TWinControl*>(c); w && c->Name() == EFActiveControl)
                w->SetFocus();
}

void TElasticForm::RestoreFocus(bool always) {
    if (focus_ && (always || focus_ != form_) && focus_->isVisible())
        focus_->setFocus();
}

// ---- Options ----------------------------------------------------------------------------

void TElasticForm::SizeLimits(TMinMaxInfo& info) {
    if (!captured_ && form_->WindowState() == wsMaximized)
        Relayout();
    if (!captured_)
        return;
    if (!MaximizedPosX && !MaximizedPosY && !MinimumTrackWidth && !MinimumTrackHeight && !MaximumTrackWidth &&
        !MaximumTrackHeight && !maxWidth_ && !maxHeight_)
        return;
    if (maxWidth_)
        info.MaxSizeX = maxWidth_;
    if (maxHeight_)
        info.MaxSizeY = maxHeight_;
    auto take = [this](int value, int whole, int& target) {
        if (value)
            target = Percent(value, whole);
    };
    take(MaximizedPosX, screenWidth_, info.MaxPositionX);
    take(MaximizedPosY, screenHeight_, info.MaxPositionY);
    take(MinimumTrackWidth, screenWidth_, info.MinTrackSizeX);
    take(MinimumTrackHeight, screenHeight_, info.MinTrackSizeY);
    take(MaximumTrackWidth, screenWidth_, info.MaxTrackSizeX);
    take(MaximumTrackHeight, screenHeight_, info.MaxTrackSizeY);
}

void TElasticForm::ProportionalLimits() {
    if (DesignFormWidth <= 0 || DesignFormHeight <= 0 || screenWidth_ <= 0 || screenHeight_ <= 0)
        return;
    const double c = double(DesignFormWidth) / DesignFormHeight;
    if (double(DesignFormWidth) / screenWidth_ >= double(DesignFormHeight) / screenHeight_) {
        MaximumTrackWidth = screenWidth_ - 6;
        MaximumTrackHeight = Round((screenWidth_ - 6) / c);
    } else {
        MaximumTrackHeight = screenHeight_ - 5;
        MaximumTrackWidth = Round(c * (screenHeight_ - 5));
    }
    maxWidth_ = MaximumTrackWidth;
    maxHeight_ = MaximumTrackHeight;
}

void TElasticForm::KeepProportions() {
    const double w0 = dragBase_.width();
    const double h0 = dragBase_.height();
    if (w0 <= 0 || h0 <= 0)
        return;
    const QSize size = OuterSize();
    int w = size.width();
    int h = size.height();
    const int dw = w - int(w0);
    const int dh = h - int(h0);
    if (w + h > w0 + h0) {
        if (dw > dh)
            h = Round(w * h0 / w0);
        else if (dw < dh)
            w = Round(h * w0 / h0);
    } else if (w + h < w0 + h0) {
        if (dw > dh)
            w = Round(h * w0 / h0);
        else if (dw < dh)
            h = Round(w * h0 / w0);
    }
    const QRect outer = OuterBounds();
    SetOuterBounds(QRect(outer.topLeft(), QSize(w, h)));
}

bool TElasticForm::PaintBackground(TCanvas* canvas) {
    if (!canvas || !bkGrndImage_ || form_->inherits("TMDIChildForm"))
        return false;
    TGraphic* picture = bkGrndImage_->Picture()->Graphic();
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0)
        return false;
    if (bkGrndImage_->Align() == alClient) {
        const QSize outer = OuterSize();
        canvas->StretchDraw(Rect(0, 0, outer.width(), outer.height()), picture);
        return true;
    }
    // Neighbouring tiles share their edge column and row.
    const int pw = picture->Width();
    const int ph = picture->Height();
    for (int i = 0; i <= form_->ClientWidth() / pw; ++i)
        for (int j = 0; j <= form_->ClientHeight() / ph; ++j)
            canvas->Draw(i * (pw - 1), j * (ph - 1), picture);
    return true;
}

// The store lives in the desktop's per-user configuration folder; the key names a file there,
// never a place outside it.
QString TElasticForm::StorePath() const {
    QStringList parts;
    for (const QString& part :
         QString(ElFrmIniFile).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/')))
        if (!part.isEmpty() && part != QLatin1String(".") && part != QLatin1String(".."))
            parts.append(SafePathPart(part));
    if (parts.isEmpty())
        return {};
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(parts.join(QLatin1Char('/')) + QStringLiteral(".ini"));
}

void TElasticForm::SaveState() {
    if (ElFrmIniFile.isEmpty() || !startedUp_)
        return;
    const QString path = StorePath();
    if (path.isEmpty())
        return;
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(form_->Name().isEmpty() ? QString::fromLatin1(form_->metaObject()->className())
                                             : form_->Name());
    store.setValue(QStringLiteral("Total Controls"), int(controls_.size()));
    store.setValue(QStringLiteral("Window State"), maximized_ ? 2 : 0);
    const QRect outer = OuterBounds();
    if (!maximized_ && screenWidth_ > 0 && screenHeight_ > 0) {
        store.setValue(QStringLiteral("Left"), double(outer.left() - screenOrigin_.x()) / screenWidth_);
        store.setValue(QStringLiteral("Top"), double(outer.top() - screenOrigin_.y()) / screenHeight_);
        store.setValue(QStringLiteral("Width"), double(outer.width()) / screenWidth_);
        store.setValue(QStringLiteral("Height"), double(outer.height()) / screenHeight_);
    }
    if (maximized_ && screenWidth_ > 0 && screenHeight_ > 0) {
        MaximumTrackWidth = -Round(double(outer.width()) / screenWidth_ * 100);
        MaximumTrackHeight = -Round(double(outer.height()) / screenHeight_ * 100);
        if (MaximumTrackWidth <= -100)
            MaximumTrackWidth = 0;
        if (MaximumTrackHeight <= -100)
            MaximumTrackHeight = 0;
    }
    store.setValue(QStringLiteral("MaxTrackWidth"), MaximumTrackWidth);
    store.setValue(QStringLiteral("MaxTrackHeight"), MaximumTrackHeight);
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        const bool visible =
            hidden_ || !controls_[i] ? frames_[std::size_t(i)].Visible : controls_[i]->Visible();
        store.setValue(QStringLiteral("Visible %1").arg(i), visible);
    }
    if (!maximized_) {
        store.setValue(QStringLiteral("wp length "), 44);
        store.setValue(QStringLiteral("wp flags"), 0);
        store.setValue(QStringLiteral("wp showCmd"), 1);
        store.setValue(QStringLiteral("wp MinPosX"), -1);
        store.setValue(QStringLiteral("wp MinPosY"), -1);
        store.setValue(QStringLiteral("wp MaxPosX"), -1);
        store.setValue(QStringLiteral("wp MaxPosY"), -1);
        store.setValue(QStringLiteral("wp NormPosLeft"), outer.left());
        store.setValue(QStringLiteral("wp NormPosTop"), outer.top());
        store.setValue(QStringLiteral("wp NormPosRight"), outer.right() + 1);
        store.setValue(QStringLiteral("wp NormPosBottom"), outer.bottom() + 1);
    }
}

void TElasticForm::RestoreState() {
    const QString path = StorePath();
    if (path.isEmpty() || !QFile::exists(path))
        return;
    QSettings store(path, QSettings::IniFormat);
    const QString section =
        form_->Name().isEmpty() ? QString::fromLatin1(form_->metaObject()->className()) : form_->Name();
    if (!store.childGroups().contains(section))
        return;
    store.beginGroup(section);
    if (store.value(QStringLiteral("Total Controls"), -1).toInt() != controls_.size())
        return;
    if (store.value(QStringLiteral("Window State"), 0).toInt() == 2) {
        restoredMaximized_ = true;
    } else {
        // Missing values take the window's own place.
        const QRect outer = OuterBounds();
        const double sw = std::max(1, WorkArea().width());
        const double sh = std::max(1, WorkArea().height());
        auto real = [&](const char* key, const char* placementKey, double fallback, double whole) {
            if (store.contains(QLatin1String(key)))
                return store.value(QLatin1String(key)).toDouble();
            if (store.contains(QLatin1String(placementKey)))
                return store.value(QLatin1String(placementKey)).toDouble() / whole;
            return fallback / whole;
        };
        savedLeft_ = real("Left", "wp NormPosLeft", outer.left(), sw);
        savedTop_ = real("Top", "wp NormPosTop", outer.top(), sh);
        savedWidth_ = real("Width", "", outer.width(), sw);
        savedHeight_ = real("Height", "", outer.height(), sh);
        pendingPosition_ = pendingSize_ = true;
    }
    MaximumTrackWidth = store.value(QStringLiteral("MaxTrackWidth"), MaximumTrackWidth).toInt();
    MaximumTrackHeight = store.value(QStringLiteral("MaxTrackHeight"), MaximumTrackHeight).toInt();
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        const QString key = QStringLiteral("Visible %1").arg(i);
        if (store.contains(key))
            controls_[i]->SetVisible(store.value(key).toBool());
    }
}

// A restored place and size take over from the start bounds, so that the start phase keeps
// them instead of snapping back.
void TElasticForm::ApplyPendingState() {
    if (!pendingPosition_ && !pendingSize_)
        return;
    QRect outer = OuterBounds();
    if (pendingPosition_) {
        pendingPosition_ = false;
        outer.moveTo(screenOrigin_.x() + Round(savedLeft_ * screenWidth_),
                     screenOrigin_.y() + Round(savedTop_ * screenHeight_));
    }
    if (pendingSize_ && savedWidth_ > 0 && savedHeight_ > 0) {
        pendingSize_ = false;
        outer.setSize(QSize(Round(savedWidth_ * screenWidth_), Round(savedHeight_ * screenHeight_)));
    }
    start_ = outer;
    SetOuterBounds(outer);
}
