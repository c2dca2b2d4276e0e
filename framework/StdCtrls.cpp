// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/StdCtrls.h"
#include "framework/ComCtrls.h"
#include "framework/FocusRing.h"
#include "framework/Forms.h"
#include "framework/Guard.h"
#include "framework/LayoutReader.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace {

// Measures text with the control's font without a paint in progress.
TRect MeasureText(const TFont& font, const QString& text, int width, unsigned flags) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font().Assign(font);
    TRect r{0, 0, width, 0};
    canvas.DrawText(text.isEmpty() ? QStringLiteral(" ") : text, r, flags | DT_CALCRECT);
    return r;
}

QImage MaskedGlyph(const QImage& source, bool enabled) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) {
                line[x] = 0;
            } else if (!enabled) {
                const int grey = 128 + qGray(line[x]) / 2;
                line[x] = qRgba(grey, grey, grey, 255);
            }
        }
    }
    return image;
}

} // namespace

TLabel::TLabel(QObject* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetLayout(TTextLayout layout) {
    layout_ = layout;
    update();
}

void TLabel::SetShowAccelChar(bool show) {
    showAccelChar_ = show;
    AdjustBounds();
    update();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    AdjustBounds();
    update();
}

void TLabel::SetFitWidth(int width) {
    fitWidth_ = std::max(width, 0);
    AdjustBounds();
    update();
}

void TLabel::Fit() {
    fittedHeight_ = 0;
    fittedWrap_ = false;
    if (fitWidth_ <= 0 || !autoSize_ || wordWrap_ || Caption().isEmpty())
        return;
    TFont font;
    font.Assign(*Font());
    const unsigned flags = TextFlags() & ~(DT_CENTER | DT_RIGHT);
    if (MeasureText(font, Caption(), 0, flags).Width() <= fitWidth_)
        return;
    const int own = std::abs(Font()->Height());
    const int smallest = std::max(1, (own * 2 + 2) / 3);
    const int sign = Font()->Height() < 0 ? -1 : 1;
    for (int height = own - 1; height >= smallest; --height) {
        font.SetHeight(sign * height);
        fittedHeight_ = sign * height;
        if (MeasureText(font, Caption(), 0, flags).Width() <= fitWidth_)
            return;
    }
    fittedWrap_ = true;
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::TextChanged() {
    AdjustBounds();
    update();
}

void TLabel::FontChanged() {
    AdjustBounds();
    update();
}

unsigned TLabel::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (alignment_ == taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    if (wordWrap_ || fittedWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

// Every distinct font costs a font load when it is first measured, and most windows are shown
// long after start-up, if at all: a label on a form that was never shown waits for its showing.
// A word-wrapped label's measure depends on the width the last one left, so it is never put off.
void TLabel::AdjustBounds() {
    if (!autoSize_ || IsLoading())
        return;
    const auto* form = qobject_cast<const TForm*>(window());
    boundsPending_ = form && !form->ShownBefore() && !wordWrap_;
    if (boundsPending_)
        return;
    Fit();
    TFont font;
    font.Assign(*Font());
    if (fittedHeight_ != 0)
        font.SetHeight(fittedHeight_);
    const int width = wordWrap_ ? Width() : fittedWrap_ ? fitWidth_ : 0;
    const TRect r = MeasureText(font, Caption(), width, TextFlags() & ~(DT_CENTER | DT_RIGHT));
    const int left = alignment_ == taRightJustify ? Left() + Width() - r.Width() : Left();
    SetBounds(left, Top(), r.Width(), r.Height());
}

void TLabel::AdjustPendingBounds() {
    if (boundsPending_)
        AdjustBounds();
}

void TLabel::Paint() {
    TCanvas& canvas = *Canvas();
    if (!transparent_) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(ClientRect());
    }
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    if (fittedHeight_ != 0)
        canvas.Font().SetHeight(fittedHeight_);
    TRect r = ClientRect();
    if (layout_ != tlTop) {
        TRect measured = r;
        canvas.DrawText(Caption(), measured, TextFlags() | DT_CALCRECT);
        const int free = Height() - measured.Height();
        r.Top += layout_ == tlCenter ? free / 2 : free;
    }
    canvas.DrawText(Caption(), r, TextFlags());
}

TImage::TImage(QObject* owner) : TGraphicControl(owner), picture_(new TPicture(this)) {
    picture_->OnChange = [this](QObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

void TImage::SetCenter(bool center) {
    center_ = center;
    update();
}

void TImage::SetProportional(bool proportional) {
    proportional_ = proportional;
    update();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void TImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (TGraphic* graphic = picture_->Graphic()) {
        graphic->SetTransparent(transparent_);
        if (autoSize_ && !graphic->Empty())
            SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
    }
    update();
}

TRect TImage::DestRect() const {
    const int w = picture_->Width();
    const int h = picture_->Height();
    if (w <= 0 || h <= 0)
        return {};
    TRect r{0, 0, w, h};
    if (stretch_ || (proportional_ && (w > Width() || h > Height()))) {
        if (proportional_) {
            const double scale = std::min(double(Width()) / w, double(Height()) / h);
            r = {0, 0, int(w * scale), int(h * scale)};
        } else {
            r = ClientRect();
        }
    }
    if (center_) {
        const int dx = (Width() - r.Width()) / 2;
        const int dy = (Height() - r.Height()) / 2;
        r = {dx, dy, dx + r.Width(), dy + r.Height()};
    }
    return r;
}

void TImage::Paint() {
    if (TGraphic* graphic = picture_->Graphic(); graphic && !graphic->Empty())
        Canvas()->StretchDraw(DestRect(), graphic);
}

TBitBtn::TBitBtn(QObject* owner) : TCustomControl(owner), glyph_(new TBitmap(this)) {
    glyph_->OnChange = [this](QObject*) { update(); };
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TBitBtn::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    update();
}

void TBitBtn::SetMargin(int margin) {
    margin_ = margin;
    update();
}

void TBitBtn::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    update();
}

void TBitBtn::SetSpacing(int spacing) {
    spacing_ = spacing;
    update();
}

void TBitBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    update();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TBitBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    update();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TBitBtn::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Guarded([this] { Click(); });
        return;
    }
    TCustomControl::keyPressEvent(event);
}

void TBitBtn::focusInEvent(QFocusEvent*) {
    update();
}
void TBitBtn::focusOutEvent(QFocusEvent*) {
    update();
}

void TBitBtn::Paint() {
    TCanvas& canvas = *Canvas();
    const bool down = MousePressed() && MouseInside();
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect();
    option.state = QStyle::State_None;
    if (Enabled())
        option.state |= QStyle::State_Enabled;
    option.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
    if (MouseInside())
        option.state |= QStyle::State_MouseOver;
    if (hasFocus())
        option.state |= QStyle::State_HasFocus;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &canvas.Painter(), this);
    DrawGlyphAndCaption(canvas, down);
    if (hasFocus() && FocusRingsShown())
        DrawFocusRing(canvas.Painter(), rect(), FocusRingWidth);
}

void TBitBtn::DrawGlyphAndCaption(TCanvas& canvas, bool down) {
    QImage glyph;
    if (!glyph_->Empty()) {
        const int w = glyph_->Width() / numGlyphs_;
        glyph = MaskedGlyph(glyph_->Image().copy(0, 0, w, glyph_->Height()), Enabled());
    }
    TRect text{0, 0, 0, 0};
    if (!Caption().isEmpty())
        canvas.DrawText(Caption(), text, DT_CALCRECT | DT_SINGLELINE);
    const QSize g = glyph.size();
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    const int gap = (!glyph.isNull() && !Caption().isEmpty()) ? spacing_ : 0;
    const int total = horizontal ? g.width() + gap + text.Width() : g.height() + gap + text.Height();
    const int extent = horizontal ? Width() : Height();
    const int start = margin_ < 0 ? (extent - total) / 2 : margin_;
    const int offset = down ? 1 : 0;

    QPoint glyphAt;
    QPoint textAt;
    switch (layout_) {
    case blGlyphLeft:
        glyphAt = {start, (Height() - g.height()) / 2};
        textAt = {start + g.width() + gap, (Height() - text.Height()) / 2};
        break;
    case blGlyphRight:
        textAt = {start, (Height() - text.Height()) / 2};
        glyphAt = {start + text.Width() + gap, (Height() - g.height()) / 2};
        break;
    case blGlyphTop:
        glyphAt = {(Width() - g.width()) / 2, start};
        textAt = {(Width() - text.Width()) / 2, start + g.height() + gap};
        break;
    case blGlyphBottom:
        textAt = {(Width() - text.Width()) / 2, start};
        glyphAt = {(Width() - g.width()) / 2, start + text.Height() + gap};
        break;
    }
    if (!glyph.isNull())
        canvas.Painter().drawImage(glyphAt + QPoint(offset, offset), glyph);
    if (!Caption().isEmpty()) {
        canvas.Font().SetColor(Enabled() ? clBtnText : clGrayText);
        TRect r{textAt.x() + offset, textAt.y() + offset, textAt.x() + offset + text.Width(),
                textAt.y() + offset + text.Height()};
        canvas.DrawText(Caption(), r, DT_SINGLELINE);
    }
}

TShape::TShape(QObject* owner) : TGraphicControl(owner), brush_(new TBrush(this)), pen_(new TPen(this)) {
    brush_->OnChange = [this](QObject*) { update(); };
    pen_->OnChange = [this](QObject*) { update(); };
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType shape) {
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void TShape::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Pen().Assign(*pen_);
    canvas.Brush().Assign(*brush_);
    const int pw = pen_->Width();
    int x = pw / 2;
    int y = x;
    int w = Width() - pw + 1;
    int h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    const int s = std::min(w, h);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = s;
        h = s;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        canvas.Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, s / 4, s / 4);
        break;
    case stCircle:
    case stEllipse:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    }
}

TTimer::TTimer(QObject* owner) : TComponent(owner) {
    PublishEvent(QStringLiteral("OnTimer"), OnTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Guarded([this] { OnTimer(this); }); });
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(int interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    Update();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    Update();
}

void TTimer::Update() {
    timer_.stop();
    if (enabled_ && interval_ > 0 && !IsLoading())
        timer_.start(interval_);
}

TCustomPanel::TCustomPanel(QObject* owner) : TCustomControl(owner) {
    SetParentColor(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
    bevelInner_ = bevel;
    Realign();
    update();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    bevelOuter_ = bevel;
    Realign();
    update();
}

void TCustomPanel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(0, width);
    Realign();
    update();
}

void TCustomPanel::SetBorderWidth(int width) {
    borderWidth_ = std::max(0, width);
    Realign();
    update();
}

TRect TCustomPanel::AdjustClientRect(TRect rect) const {
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    return {rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset};
}

TRect TCustomPanel::Frame3D(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    return r;
}

void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        const bool raised = cut == bvRaised;
        r = Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
                    bevelWidth_);
    };
    if (bevelOuter_ != bvNone)
        bevel(bevelOuter_);
    r = Frame3D(canvas, r, Color(), Color(), borderWidth_);
    if (bevelInner_ != bvNone)
        bevel(bevelInner_);
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(r);
    if (Caption().isEmpty())
        return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER;
    flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    canvas.DrawText(Caption(), r, flags);
}

TTabSheet::TTabSheet(QObject* owner) : TWinControl(owner) {
    SetParentColor(false);
    SetColor(clBtnFace);
}

TPageControl* TTabSheet::PageControl() const {
    return qobject_cast<TPageControl*>(Parent());
}

int TTabSheet::PageIndex() const {
    TPageControl* pages = PageControl();
    return pages ? int(pages->Pages().indexOf(const_cast<TTabSheet*>(this))) : -1;
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    if (TPageControl* pages = PageControl())
        pages->SheetsChanged();
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (TPageControl* old = PageControl())
        old->RemovePage(this);
    TWinControl::SetParent(parent);
    if (TPageControl* pages = PageControl())
        pages->InsertPage(this);
}

TTabSheet::~TTabSheet() {
    if (TPageControl* pages = PageControl())
        pages->RemovePage(this);
}

void TTabSheet::Paint() {
    Canvas()->Brush().SetColor(Color());
    Canvas()->FillRect(ClientRect());
}

TPageControl::TPageControl(QObject* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

QList<TTabSheet*> TPageControl::Pages() const {
    return pages_;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.append(page);
    SheetsChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
    pages_.removeAll(page);
    if (activePage_ == page)
        activePage_ = nullptr;
    SheetsChanged();
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this)
        return;
    activePage_ = page;
    for (TTabSheet* sheet : Pages())
        sheet->SetVisible(sheet == page);
    if (page)
        page->BringToFront();
    Realign();
    update();
}

int TPageControl::ActivePageIndex() const {
    return activePage_ ? int(Pages().indexOf(activePage_)) : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    const QList<TTabSheet*> pages = Pages();
    SetActivePage(index >= 0 && index < pages.size() ? pages[index] : nullptr);
}

bool TPageControl::TabsShown() const {
    const QList<TTabSheet*> pages = Pages();
    return std::any_of(pages.begin(), pages.end(), [](TTabSheet* p) { return p->TabVisible(); });
}

TRect TPageControl::AdjustClientRect(TRect rect) const {
    if (!TabsShown())
        return rect;
    return {rect.Left + 2, rect.Top + 26, rect.Right - 2, rect.Bottom - 2};
}

TRect TPageControl::TabRect(int index) const {
    int left = 2;
    const QList<TTabSheet*> pages = Pages();
    for (int i = 0; i < pages.size(); ++i) {
        if (!pages[i]->TabVisible())
            continue;
        const int width = MeasureText(*Font(), pages[i]->Caption(), 0, DT_SINGLELINE).Width() + 16;
        if (i == index)
            return {left, 2, left + width, 26};
        left += width;
    }
    return {};
}

void TPageControl::AlignControls(TRect rect) {
    for (TTabSheet* sheet : Pages())
        sheet->PlaceBy(rect.ToQRect());
    TWinControl::AlignControls(rect);
}

void TPageControl::SheetsChanged() {
    if (!IsLoading())
        SetActivePage(activePage_ && activePage_->PageControl() == this ? activePage_ : nullptr);
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    SetActivePage(activePage_);
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const QList<TTabSheet*> pages = Pages();
    for (int i = 0; i < pages.size(); ++i) {
        const TRect r = TabRect(i);
        if (r.Width() > 0 && r.ToQRect().contains(x, y) && pages[i] != activePage_) {
            SetActivePage(pages[i]);
            OnChange(this);
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TPageControl::Paint() {
    if (!TabsShown())
        return;
    TCanvas& canvas = *Canvas();
    const QList<TTabSheet*> pages = Pages();
    for (int i = 0; i < pages.size(); ++i) {
        const TRect r = TabRect(i);
        if (r.Width() <= 0)
            continue;
        canvas.Brush().SetColor(pages[i] == activePage_ ? clWindow : clBtnFace);
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Rectangle(r);
        TRect text = r;
        canvas.DrawText(pages[i]->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect({0, 25, Width(), Height()});
}

void RegisterStandardClasses() {
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TImage>();
    RegisterComponentClass<TBitBtn>();
    RegisterComponentClass<TShape>();
    RegisterComponentClass<TTimer>();
    RegisterComponentClass<TPanel>();
    RegisterComponentClass<TPageControl>();
    RegisterComponentClass<TTabSheet>();
    RegisterComponentClass<TTrackBar>();
}
