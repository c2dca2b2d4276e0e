// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Graphics.h"

#include "framework/JPEGImage.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QPaintDevice>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Product in 64 bits, quotient rounded half away from zero.
int MulDiv(int number, int numerator, int denominator) {
    const qint64 product = qint64(number) * numerator;
    const qint64 half = denominator / 2;
    return int(((product < 0) != (denominator < 0) ? product - half : product + half) / denominator);
}

template <class T> bool Store(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

// ---- Brush, pen, font ----------------------------------------------------------------

void TBrush::SetColor(TColor color) {
    if (Store(color_, color))
        Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (Store(style_, style))
        Changed();
}

void TBrush::Assign(const TBrush& other) {
    if (std::tie(color_, style_) == std::tie(other.color_, other.style_))
        return;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

void TPen::SetColor(TColor color) {
    if (Store(color_, color))
        Changed();
}

void TPen::SetMode(TPenMode mode) {
    if (Store(mode_, mode))
        Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (Store(style_, style))
        Changed();
}

void TPen::SetWidth(int width) {
    if (Store(width_, std::max(0, width)))
        Changed();
}

void TPen::Assign(const TPen& other) {
    if (std::tie(color_, mode_, style_, width_) ==
        std::tie(other.color_, other.mode_, other.style_, other.width_))
        return;
    color_ = other.color_;
    mode_ = other.mode_;
    style_ = other.style_;
    width_ = other.width_;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (Store(charset_, charset))
        Changed();
}

void TFont::SetColor(TColor color) {
    if (Store(color_, color))
        Changed();
}

void TFont::SetHeight(int height) {
    if (Store(height_, height))
        Changed();
}

void TFont::SetName(const QString& name) {
    if (!name.isEmpty() && Store(name_, name))
        Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (Store(pitch_, pitch))
        Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, 96);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, 96, 72));
}

void TFont::SetStyle(TFontStyles style) {
    if (Store(style_, style))
        Changed();
}

void TFont::Assign(const TFont& other) {
    if (std::tie(charset_, color_, height_, name_, pitch_, style_) ==
        std::tie(other.charset_, other.color_, other.height_, other.name_, other.pitch_, other.style_))
        return;
    charset_ = other.charset_;
    color_ = other.color_;
    height_ = other.height_;
    name_ = other.name_;
    pitch_ = other.pitch_;
    style_ = other.style_;
    Changed();
}

namespace {

constexpr int kDefaultEm = 11;

// The pixel size whose ascent + descent comes closest to a cell height; ties take the
// smaller size so the text still fits. Measuring is slow, so results are kept.
int PixelSizeForCellHeight(QFont font, int cellHeight) {
    static QMutex mutex;
    static QHash<QString, int> cache;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(font.family())
                            .arg(font.bold())
                            .arg(font.italic())
                            .arg(font.fixedPitch())
                            .arg(cellHeight);
    QMutexLocker lock(&mutex);
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    int best = 1;
    int bestDiff = INT_MAX;
    for (int pixels = std::max(1, cellHeight / 2); pixels <= cellHeight; ++pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const int diff = std::abs(metrics.ascent() + metrics.descent() - cellHeight);
        if (diff < bestDiff) {
            best = pixels;
            bestDiff = diff;
        }
    }
    cache.insert(key, best);
    return best;
}

} // namespace

QFont TFont::ToQFont() const {
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);

    QFont font(name_);
    font.setStyleHint(pitch_ == fpFixed ? QFont::TypeWriter : QFont::AnyStyle);
    font.setFixedPitch(pitch_ == fpFixed);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setBold(style_.testFlag(fsBold));
    font.setItalic(style_.testFlag(fsItalic));
    font.setUnderline(style_.testFlag(fsUnderline));
    font.setStrikeOut(style_.testFlag(fsStrikeOut));
    if (height_ < 0)
        font.setPixelSize(-height_);
    else if (height_ > 0)
        font.setPixelSize(PixelSizeForCellHeight(font, height_));
    else
        font.setPixelSize(kDefaultEm);
    return font;
}

// ---- Pixel sets ------------------------------------------------------------------------

namespace {

// Pixel runs collected row by row, merged into a region once complete so that pixels
// touched twice are painted once (which matters for the raster-operation pen modes).
class Spans {
public:
    void Add(int y, int left, int right) {
        if (left <= right)
            rows_[y].push_back({left, right});
    }
    void AddBox(int left, int top, int right, int bottom) {
        for (int y = top; y <= bottom; ++y)
            Add(y, left, right);
    }
    QRegion ToRegion() const;

private:
    std::map<int, std::vector<std::pair<int, int>>> rows_;
};

QRegion Spans::ToRegion() const {
    QRegion region;
    for (auto [y, runs] : rows_) {
        std::sort(runs.begin(), runs.end());
        auto [left, right] = runs.front();
        for (const auto& [l, r] : runs) {
            if (l > right + 1) {
                region += QRect(left, y, right - left + 1, 1);
                left = l;
            }
            right = std::max(right, r);
        }
        region += QRect(left, y, right - left + 1, 1);
    }
    return region;
}

// A figure as one run per row: rectangles, rounded rectangles and ellipses.
struct RowShape {
    int Top = 0;
    std::vector<std::pair<int, int>> Rows;
};

// How far row `row` (0 = top) of an ew x eh ellipse starts inside its box; computed from
// the pixel centres, per distance from the nearer edge, so every figure is symmetric.
int CornerInset(int row, int ew, int eh) {
    if (ew <= 0 || eh <= 0)
        return 0;
    const double a = ew / 2.0;
    const double b = eh / 2.0;
    const double dy = (b - (row + 0.5)) / b;
    if (dy <= 0)
        return 0;
    const double half = a * std::sqrt(1 - dy * dy);
    return std::max(0, int(std::ceil(a - half - 0.5 - 1e-9)));
}

// The rows of a box (exclusive right/bottom) with corners cut by an ew x eh ellipse. Only
// the rows in `visible` (plus one on either side) are made, so huge figures stay cheap.
RowShape RoundBox(const TRect& box, int ew, int eh, const QRect& visible) {
    RowShape shape;
    const int width = box.Width();
    const int height = box.Height();
    if (width <= 0 || height <= 0)
        return shape;
    ew = std::min(ew, width);
    eh = std::min(eh, height);
    const int first = std::clamp(visible.top() - 1 - box.Top, 0, height);
    const int last = std::clamp(visible.bottom() + 2 - box.Top, first, height);
    shape.Top = box.Top + first;
    for (int i = first; i < last; ++i) {
        const int inset = std::min(CornerInset(std::min(i, height - 1 - i), ew, eh), (width - 1) / 2);
        shape.Rows.push_back({box.Left + inset, box.Right - 1 - inset});
    }
    return shape;
}

void AddShape(Spans& spans, const RowShape& shape) {
    for (size_t i = 0; i < shape.Rows.size(); ++i)
        spans.Add(shape.Top + int(i), shape.Rows[i].first, shape.Rows[i].second);
}

// The pixels of a figure that have a 4-neighbour outside it: a closed one-pixel outline.
void AddBoundary(Spans& spans, const RowShape& shape) {
    const int count = int(shape.Rows.size());
    for (int i = 0; i < count; ++i) {
        const auto [left, right] = shape.Rows[i];
        const int y = shape.Top + i;
        if (i == 0 || i == count - 1) {
            spans.Add(y, left, right);
            continue;
        }
        const int innerLeft = std::max({left + 1, shape.Rows[i - 1].first, shape.Rows[i + 1].first});
        const int innerRight = std::min({right - 1, shape.Rows[i - 1].second, shape.Rows[i + 1].second});
        if (innerLeft > innerRight) {
            spans.Add(y, left, right);
        } else {
            spans.Add(y, left, innerLeft - 1);
            spans.Add(y, innerRight + 1, right);
        }
    }
}

// Pixels of `outer` that are not in `inner`.
void AddDifference(Spans& spans, const RowShape& outer, const RowShape& inner) {
    for (size_t i = 0; i < outer.Rows.size(); ++i) {
        const int y = outer.Top + int(i);
        const auto [left, right] = outer.Rows[i];
        const int j = y - inner.Top;
        if (j < 0 || j >= int(inner.Rows.size())) {
            spans.Add(y, left, right);
            continue;
        }
        spans.Add(y, left, std::min(right, inner.Rows[j].first - 1));
        spans.Add(y, std::max(left, inner.Rows[j].second + 1), right);
    }
}

// Calls `pixel` for every point from a towards b, b itself left out.
template <class F> void LinePixels(TPoint a, TPoint b, F&& pixel) {
    const int dx = std::abs(b.X - a.X);
    const int dy = -std::abs(b.Y - a.Y);
    const int sx = a.X < b.X ? 1 : -1;
    const int sy = a.Y < b.Y ? 1 : -1;
    int error = dx + dy;
    int x = a.X;
    int y = a.Y;
    while (x != b.X || y != b.Y) {
        pixel(x, y);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// The pixels whose centres lie within width / 2 of the segment a-b (a capsule: a band with
// a half disc at either end), row by row; only rows and columns near `visible` are made.
void AddCapsule(Spans& spans, TPoint a, TPoint b, int width, const QRect& visible) {
    const double r = width / 2.0;
    const double shift = width % 2 == 0 ? 0.5 : 0.0;
    const double ax = a.X - shift, ay = a.Y - shift, bx = b.X - shift, by = b.Y - shift;
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    constexpr double eps = 1e-9;
    const double top = visible.top() - 1.0, bottom = visible.bottom() + 1.0;
    const int first = int(std::clamp(std::ceil(std::min(ay, by) - r - eps), top, bottom + 1));
    const int last = int(std::clamp(std::floor(std::max(ay, by) + r + eps), top - 1, bottom));
    const double left = visible.left() - 1.0 - r, right = visible.right() + 1.0 + r;
    for (int y = first; y <= last; ++y) {
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        // The end discs.
        for (const auto& [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double h = r * r - (y - cy) * (y - cy);
            if (h >= -eps) {
                const double half = std::sqrt(std::max(0.0, h));
                lo = std::min(lo, cx - half);
                hi = std::max(hi, cx + half);
            }
        }
        // The band: within r of the line, and between the perpendiculars at a and b. Both are
        // linear in x along the row: |dx (y - ay) - dy (x - ax)| <= r L and
        // 0 <= dx (x - ax) + dy (y - ay) <= L^2.
        if (length2 > 0) {
            double from = left, to = right;
            const auto limit = [&](double k, double c, double min, double max) {
                // min <= k x + c <= max
                if (std::fabs(k) < eps) {
                    if (c < min - eps || c > max + eps)
                        from = HUGE_VAL;
                    return;
                }
                double x1 = (min - c) / k, x2 = (max - c) / k;
                if (x1 > x2)
                    std::swap(x1, x2);
                from = std::max(from, x1);
                to = std::min(to, x2);
            };
            const double reach = r * std::sqrt(length2);
            limit(-dy, dx * (y - ay) + dy * ax, -reach, reach);
            limit(dx, -dx * ax + dy * (y - ay), 0.0, length2);
            if (from <= to) {
                lo = std::min(lo, from);
                hi = std::max(hi, to);
            }
        }
        if (lo > hi)
            continue;
        const double x0 = std::max(lo, left), x1 = std::min(hi, right);
        if (x0 <= x1)
            spans.Add(y, int(std::ceil(x0 - eps)), int(std::floor(x1 + eps)));
    }
}

// On/off run lengths of the dashed one-pixel styles; empty for solid.
std::vector<int> DashPattern(TPenStyle style) {
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

bool DashOn(const std::vector<int>& pattern, int index) {
    if (pattern.empty())
        return true;
    int period = 0;
    for (int run : pattern)
        period += run;
    index %= period;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (index < pattern[i])
            return i % 2 == 0;
        index -= pattern[i];
    }
    return true;
}

// Odd-even fill of a polygon over inclusive points: pixel (x, y) is inside when the point
// (x, y) is; edges on the right and bottom belong outside, the outline covers them.
void AddPolygonFill(Spans& spans, const QVector<TPoint>& points, const QRect& visible) {
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (const TPoint& p : points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    top = std::max(top, visible.top());
    bottom = std::min(bottom, visible.bottom() + 1);
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (qsizetype i = 0; i < points.size(); ++i) {
            const TPoint a = points[i];
            const TPoint b = points[(i + 1) % points.size()];
            if (a.Y == b.Y || y < std::min(a.Y, b.Y) || y >= std::max(a.Y, b.Y))
                continue;
            crossings.push_back(a.X + double(y - a.Y) * (b.X - a.X) / (b.Y - a.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            spans.Add(y, int(std::ceil(crossings[i])), int(std::ceil(crossings[i + 1])) - 1);
    }
}

struct RasterOp {
    QPainter::CompositionMode Mode = QPainter::CompositionMode_SourceOver;
    bool Skip = false;
    bool Black = false;
    bool White = false;
};

RasterOp RasterOpFor(TPenMode mode) {
    using CM = QPainter::CompositionMode;
    switch (mode) {
    case pmBlack:
        return {CM::CompositionMode_SourceOver, false, true, false};
    case pmWhite:
        return {CM::CompositionMode_SourceOver, false, false, true};
    case pmNop:
        return {CM::CompositionMode_SourceOver, true};
    case pmNot:
        return {CM::RasterOp_NotDestination};
    case pmCopy:
        return {CM::CompositionMode_SourceOver};
    case pmNotCopy:
        return {CM::RasterOp_NotSource};
    case pmMergePenNot:
        return {CM::RasterOp_SourceOrNotDestination};
    case pmMaskPenNot:
        return {CM::RasterOp_SourceAndNotDestination};
    case pmMergeNotPen:
        return {CM::RasterOp_NotSourceOrDestination};
    case pmMaskNotPen:
        return {CM::RasterOp_NotSourceAndDestination};
    case pmMerge:
        return {CM::RasterOp_SourceOrDestination};
    case pmNotMerge:
        return {CM::RasterOp_NotSourceAndNotDestination};
    case pmMask:
        return {CM::RasterOp_SourceAndDestination};
    case pmNotMask:
        return {CM::RasterOp_NotSourceOrNotDestination};
    case pmXor:
        return {CM::RasterOp_SourceXorDestination};
    case pmNotXor:
        return {CM::RasterOp_NotSourceXorDestination};
    }
    return {};
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
    switch (style) {
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    case bsClear:
        return Qt::NoBrush;
    case bsSolid:
        break;
    }
    return Qt::SolidPattern;
}

TRect Normalized(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace

// ---- Canvas ------------------------------------------------------------------------------

TCanvas::TCanvas(QPaintDevice* device) : device_(device) {
    if (!device_ || !painter_.begin(device_))
        return;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

TCanvas::~TCanvas() {
    if (painter_.isActive())
        painter_.end();
}

QRect TCanvas::VisibleRows() const {
    return QRect(0, 0, device_->width(), device_->height());
}

QBrush TCanvas::FillBrush() const {
    return QBrush(ToQColor(brush_.Color()), ToQtBrushStyle(brush_.Style()));
}

void TCanvas::PaintRegion(const QRegion& region, const QBrush& brush, bool penMode) {
    if (!painter_.isActive() || region.isEmpty())
        return;
    QBrush paint = brush;
    if (penMode) {
        const RasterOp op = RasterOpFor(pen_.Mode());
        if (op.Skip)
            return;
        if (op.Black || op.White)
            paint.setColor(op.Black ? Qt::black : Qt::white);
        painter_.setCompositionMode(op.Mode);
    }
    for (const QRect& rect : region)
        painter_.fillRect(rect, paint);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::PaintPen(const QRegion& region) {
    PaintRegion(region, QBrush(ToQColor(pen_.Color())), true);
}

void TCanvas::PaintBrush(const QRegion& region, bool penMode) {
    if (brush_.Style() != bsClear)
        PaintRegion(region, FillBrush(), penMode);
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    PaintPen(Stroke({penPos_, {x, y}}, false));
    penPos_ = {x, y};
}

// The pixels a pen leaves along the points. A one-pixel pen sets the pixels of the line
// (dashed by its style) and leaves out the end point of an open path. A wider pen is
// geometric, as the platform makes it: every pixel whose centre lies within half the width of
// the path, which gives round end caps and round joins and the same thickness at any angle;
// the dash styles draw solid. An even width has no centre pixel, so the pen's centre lies half
// a pixel up and left of the path, as the one-pixel outlines it widens do.
QRegion TCanvas::Stroke(const QVector<TPoint>& points, bool closed) {
    if (pen_.Style() == psClear || points.size() < 2)
        return {};
    Spans spans;
    const int width = std::max(1, pen_.Width());
    if (width > 1) {
        const QRect visible = VisibleRows();
        for (qsizetype i = 0; i + 1 < points.size(); ++i)
            AddCapsule(spans, points[i], points[i + 1], width, visible);
        if (closed)
            AddCapsule(spans, points.back(), points.front(), width, visible);
        return spans.ToRegion();
    }
    const std::vector<int> pattern = DashPattern(pen_.Style());
    if (pattern.empty() && points.size() == 2 && !closed) {
        // A solid line along a row or a column, as gradients draw them by the hundred: one box.
        const TPoint a = points[0], b = points[1];
        if (a.Y == b.Y)
            return a.X < b.X ? QRect(a.X, a.Y, b.X - a.X, 1) : QRect(b.X + 1, a.Y, a.X - b.X, 1);
        if (a.X == b.X)
            return a.Y < b.Y ? QRect(a.X, a.Y, 1, b.Y - a.Y) : QRect(a.X, b.Y + 1, 1, a.Y - b.Y);
    }
    int index = 0;
    const auto pixel = [&](int x, int y) {
        if (DashOn(pattern, index++))
            spans.Add(y, x, x);
    };
    for (qsizetype i = 0; i + 1 < points.size(); ++i)
        LinePixels(points[i], points[i + 1], pixel);
    if (closed)
        LinePixels(points.back(), points.front(), pixel);
    return spans.ToRegion();
}

void TCanvas::DrawFigure(TRect box, int cornerWidth, int cornerHeight, bool ellipse) {
    const bool outlined = pen_.Style() != psClear;
    const int width = std::max(1, pen_.Width());
    const int lead = width / 2;
    const int trail = width - 1 - lead;
    if (outlined && pen_.Style() == psInsideFrame && width > 1)
        box = {box.Left + lead, box.Top + lead, box.Right - trail, box.Bottom - trail};
    const auto corner = [&](const TRect& r, int w, int h) {
        return ellipse ? std::make_pair(r.Width(), r.Height())
                       : std::make_pair(std::max(0, w), std::max(0, h));
    };
    const QRect visible = VisibleRows();

    // A wide pen goes round a rectangle's corners with its round join.
    if (outlined && width > 1 && !ellipse && cornerWidth <= 0 && cornerHeight <= 0 && box.Width() > 0 &&
        box.Height() > 0) {
        const QRegion pen = Stroke({{box.Left, box.Top},
                                    {box.Right - 1, box.Top},
                                    {box.Right - 1, box.Bottom - 1},
                                    {box.Left, box.Bottom - 1}},
                                   true);
        Spans fill;
        AddShape(fill, RoundBox(box, 0, 0, visible));
        PaintBrush(fill.ToRegion() - pen, true);
        PaintPen(pen);
        return;
    }

    // The fill is the figure inside the outer edge of the pen less the outline, so a pen
    // that grows unevenly (even widths) still encloses it.
    RowShape outer = RoundBox(box, cornerWidth, cornerHeight, visible);
    Spans outline;
    if (outlined && width == 1) {
        AddBoundary(outline, outer);
    } else if (outlined) {
        const TRect outerBox{box.Left - lead, box.Top - lead, box.Right + trail, box.Bottom + trail};
        const TRect innerBox{box.Left + trail + 1, box.Top + trail + 1, box.Right - 1 - lead,
                             box.Bottom - 1 - lead};
        const auto [outerW, outerH] = corner(outerBox, cornerWidth + width - 1, cornerHeight + width - 1);
        const auto [innerW, innerH] = corner(innerBox, cornerWidth - width + 1, cornerHeight - width + 1);
        outer = RoundBox(outerBox, outerW, outerH, visible);
        AddBoundary(outline, outer);
        AddDifference(outline, outer, RoundBox(innerBox, innerW, innerH, visible));
    }
    const QRegion pen = outline.ToRegion();
    Spans fill;
    AddShape(fill, outer);
    PaintBrush(fill.ToRegion() - pen, true);
    PaintPen(pen);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    DrawFigure(Normalized(x1, y1, x2, y2), 0, 0, false);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const TRect box = Normalized(x1, y1, x2, y2);
    DrawFigure(box, box.Width(), box.Height(), true);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    DrawFigure(Normalized(x1, y1, x2, y2), w, h, false);
}

void TCanvas::Polygon(const QVector<TPoint>& points) {
    if (points.size() < 2)
        return;
    const QRegion outline = Stroke(points, true);
    Spans fill;
    AddPolygonFill(fill, points, VisibleRows());
    PaintBrush(fill.ToRegion() - outline, true);
    PaintPen(outline);
}

void TCanvas::Polyline(const QVector<TPoint>& points) {
    PaintPen(Stroke(points, false));
}

void TCanvas::FillRect(const TRect& r) {
    if (r.Width() > 0 && r.Height() > 0)
        PaintBrush(QRegion(r.ToQRect()), false);
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    Spans spans;
    AddBoundary(spans, RoundBox(r, 0, 0, VisibleRows()));
    PaintBrush(spans.ToRegion(), false);
}

TColor TCanvas::Pixel(int x, int y) const {
    if (!device_ || device_->devType() != QInternal::Image)
        return clNone;
    const QImage* image = static_cast<const QImage*>(device_);
    if (!image->valid(x, y))
        return clNone;
    const QRgb rgb = image->pixel(x, y);
    return FromQColor(QColor(qRed(rgb), qGreen(rgb), qBlue(rgb)));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (painter_.isActive())
        painter_.fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void TCanvas::ClipRect(const TRect& r) {
    if (painter_.isActive())
        painter_.setClipRect(r.ToQRect(), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (graphic && !graphic->Empty())
        graphic->Draw(*this, Rect(x, y, x + graphic->Width(), y + graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (graphic && !graphic->Empty())
        graphic->Draw(*this, r);
}

// ---- Text --------------------------------------------------------------------------------

namespace {

QString ExpandTabs(const QString& text) {
    QString out;
    int column = 0;
    for (const QChar c : text) {
        if (c == u'\t') {
            do {
                out += u' ';
            } while (++column % 8 != 0);
            continue;
        }
        out += c;
        column = (c == u'\n' || c == u'\r') ? 0 : column + 1;
    }
    return out;
}

// Drops the '&' marks; "&&" stands for '&'. Returns the positions of the marked characters.
QString StripPrefixes(const QString& text, QVector<int>& marked) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            break;
        if (text[i] != u'&')
            marked.append(int(out.size()));
        out += text[i];
    }
    return out;
}

bool IsBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

int TrimmedLength(const QString& text, int start, int length) {
    while (length > 0 && text[start + length - 1] == u' ')
        --length;
    return length;
}

} // namespace

void TCanvas::DrawTextLine(int x, int y, const QString& line, const QVector<int>& underlined) {
    if (!painter_.isActive())
        return;
    const QFont font = font_.ToQFont();
    const QFontMetrics metrics(font);
    const QColor color = ToQColor(font_.Color());
    painter_.setFont(font);
    painter_.setPen(color);
    const int baseline = y + metrics.ascent();
    painter_.drawText(QPoint(x, baseline), line);
    for (int index : underlined) {
        if (index < 0 || index >= line.size())
            continue;
        const int left = x + metrics.horizontalAdvance(line.left(index));
        const int width = metrics.horizontalAdvance(line.at(index));
        painter_.fillRect(
            QRect(left, baseline + metrics.underlinePos(), width, std::max(1, metrics.lineWidth())), color);
    }
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    DrawTextLine(x, y, text, {});
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
    if (!painter_.isActive())
        return;
    painter_.save();
    ClipRect(r);
    DrawTextLine(x, y, text, {});
    painter_.restore();
}

int TCanvas::TextWidth(const QString& text) {
    return QFontMetrics(font_.ToQFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) {
    const QFontMetrics metrics(font_.ToQFont());
    return metrics.ascent() + metrics.descent();
}

// Lines as ranges of `text`: hard breaks unless single-line, then greedy word wrapping at
// spaces when asked; a word wider than the rectangle keeps a line of its own.
QVector<TCanvas::TextLine> TCanvas::SplitLines(const QString& text, unsigned flags, int width) const {
    QVector<TextLine> lines;
    if (text.isEmpty())
        return lines;
    if (flags & DT_SINGLELINE)
        return {{0, int(text.size())}};
    const QFontMetrics metrics(font_.ToQFont());
    const int size = int(text.size());
    int start = 0;
    while (start <= size) {
        int end = start;
        while (end < size && !IsBreak(text[end]))
            ++end;
        if (!(flags & DT_WORDBREAK)) {
            lines.append({start, end - start});
        } else {
            int pos = start;
            do {
                int lineEnd = pos;
                for (int next = pos; next < end;) {
                    while (next < end && text[next] == u' ')
                        ++next;
                    while (next < end && text[next] != u' ')
                        ++next;
                    const int measured = TrimmedLength(text, pos, next - pos);
                    if (lineEnd != pos && metrics.horizontalAdvance(text.mid(pos, measured)) > width)
                        break;
                    lineEnd = next;
                }
                lines.append({pos, TrimmedLength(text, pos, lineEnd - pos)});
                pos = lineEnd;
                while (pos < end && text[pos] == u' ')
                    ++pos;
            } while (pos < end);
        }
        if (end >= size)
            break;
        start = end + (text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n' ? 2 : 1);
    }
    return lines;
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags) {
    QString shown = (flags & DT_EXPANDTABS) ? ExpandTabs(text) : text;
    QVector<int> marked;
    if (!(flags & DT_NOPREFIX))
        shown = StripPrefixes(shown, marked);
    if (flags & DT_SINGLELINE)
        std::replace_if(shown.begin(), shown.end(), IsBreak, QChar(u' '));

    const QFontMetrics metrics(font_.ToQFont());
    const int lineHeight = metrics.ascent() + metrics.descent();
    const QVector<TextLine> lines = SplitLines(shown, flags, r.Width());
    const int height = int(lines.size()) * lineHeight;
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(shown.mid(line.Start, line.Length)));
        r.Right = r.Left + widest;
        r.Bottom = r.Top + height;
        return height;
    }
    if (!painter_.isActive())
        return height;

    int y = r.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            y = (r.Top + r.Bottom - height) / 2;
        else if (flags & DT_BOTTOM)
            y = r.Bottom - height;
    }
    painter_.save();
    if (!(flags & DT_NOCLIP))
        ClipRect(r);
    for (const TextLine& line : lines) {
        QString content = shown.mid(line.Start, line.Length);
        if ((flags & DT_END_ELLIPSIS) && metrics.horizontalAdvance(content) > r.Width())
            content = metrics.elidedText(content, Qt::ElideRight, r.Width());
        const int lineWidth = metrics.horizontalAdvance(content);
        int x = r.Left;
        if (flags & DT_CENTER)
            x = (r.Left + r.Right - lineWidth) / 2;
        else if (flags & DT_RIGHT)
            x = r.Right - lineWidth;
        QVector<int> underlined;
        for (int index : marked)
            underlined.append(index - line.Start);
        DrawTextLine(x, y, content, underlined);
        y += lineHeight;
    }
    painter_.restore();
    return height;
}

// ---- Graphics ----------------------------------------------------------------------------

void TGraphic::SetTransparent(bool transparent) {
    if (Store(transparent_, transparent))
        Changed();
}

void TGraphic::ReadData(const QByteArray& data) {
    if (data.size() < 4)
        throw EInvalidGraphic("Picture data is truncated: the 4-byte size is missing");
    const quint32 size = qFromLittleEndian<quint32>(data.constData());
    if (size > quint32(data.size() - 4))
        throw EInvalidGraphic(QStringLiteral("Picture data is truncated: %1 bytes announced, %2 present")
                                  .arg(size)
                                  .arg(data.size() - 4)
                                  .toStdString());
    LoadFromData(data.mid(4, qsizetype(size)));
}

namespace {

// Far beyond any glyph or picture of the windows; keeps run-length files that promise huge
// images from costing memory and time.
constexpr qint64 kMaxBitmapPixels = 1 << 22;

// The image reader pads missing pixel rows with black, so a cut-off file is caught here:
// uncompressed pixels must all be present.
void CheckBmpLength(const QByteArray& data) {
    if (data.size() < 18 || !data.startsWith("BM"))
        throw EInvalidGraphic("Bitmap data does not start with a BMP file header");
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    if (headerSize != 12 && (headerSize < 40 || 14 + headerSize > data.size()))
        throw EInvalidGraphic("Bitmap data has an unknown or truncated header");
    if (headerSize == 12 && data.size() < 26)
        throw EInvalidGraphic("Bitmap data has a truncated header");
    const bool core = headerSize == 12;
    const qint64 width =
        core ? qFromLittleEndian<quint16>(bytes + 18) : qFromLittleEndian<qint32>(bytes + 18);
    const qint64 height =
        core ? qFromLittleEndian<quint16>(bytes + 20) : qFromLittleEndian<qint32>(bytes + 22);
    const qint64 bits = qFromLittleEndian<quint16>(bytes + (core ? 24 : 28));
    const quint32 compression = core ? 0 : qFromLittleEndian<quint32>(bytes + 30);
    if (width <= 0 || height == 0)
        throw EInvalidGraphic("Bitmap data has no pixels");
    if (width * std::abs(height) > kMaxBitmapPixels)
        throw EInvalidGraphic(QStringLiteral("Bitmap of %1 x %2 pixels is too large")
                                  .arg(width)
                                  .arg(std::abs(height))
                                  .toStdString());
    constexpr quint32 kRgb = 0;
    constexpr quint32 kBitFields = 3;
    if (compression != kRgb && compression != kBitFields)
        return;
    const qint64 offset = std::max<qint64>(qFromLittleEndian<quint32>(bytes + 10), 14 + headerSize);
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 available = data.size() - offset;
    if (available < 0 || stride > available / std::abs(height))
        throw EInvalidGraphic(
            QStringLiteral("Bitmap data is truncated: %1 x %2 pixels do not fit in %3 bytes")
                .arg(width)
                .arg(std::abs(height))
                .arg(data.size())
                .toStdString());
}

} // namespace

void TBitmap::LoadFromData(const QByteArray& data) {
    CheckBmpLength(data);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // Only the BMP reader, never a guess from the content.
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic("Bitmap data is damaged or of an unsupported kind");
    SetImage(image);
}

void TBitmap::SetImage(const QImage& image) {
    if (image.isNull())
        image_ = QImage();
    else
        image_ = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                               : QImage::Format_RGB32);
    masked_ = QImage();
    Changed();
}

void TBitmap::Assign(const TBitmap& other) {
    image_ = other.image_;
    masked_ = QImage();
    // One notification, whether or not the transparency changed too.
    if (Transparent() == other.Transparent())
        Changed();
    else
        TGraphic::SetTransparent(other.Transparent());
}

void TBitmap::SetTransparent(bool transparent) {
    masked_ = QImage();
    TGraphic::SetTransparent(transparent);
}

TColor TBitmap::TransparentColor() const {
    if (Empty())
        return clNone;
    const QRgb rgb = image_.pixel(0, image_.height() - 1);
    return FromQColor(QColor(qRed(rgb), qGreen(rgb), qBlue(rgb)));
}

// The image with every pixel of the transparent colour cleared, made on first use.
const QImage& TBitmap::MaskedImage() const {
    if (!masked_.isNull())
        return masked_;
    masked_ = image_.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image_.pixel(0, image_.height() - 1) & RGB_MASK;
    for (int y = 0; y < masked_.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(masked_.scanLine(y));
        for (int x = 0; x < masked_.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return masked_;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty() || r.Width() <= 0 || r.Height() <= 0 || !canvas.Painter().isActive())
        return;
    canvas.Painter().drawImage(r.ToQRect(), Transparent() ? MaskedImage() : image_);
}

// ---- Picture -----------------------------------------------------------------------------

namespace {

QHash<QString, TPicture::Factory>& Formats() {
    static QHash<QString, TPicture::Factory> formats{
        {QStringLiteral("tbitmap"), [] { return new TBitmap; }},
        {QStringLiteral("tjpegimage"), [] { return new TJPEGImage; }},
    };
    return formats;
}

} // namespace

TPicture::~TPicture() {
    delete graphic_;
}

void TPicture::RegisterFileFormat(const QString& className, Factory factory) {
    Formats().insert(className.toLower(), std::move(factory));
}

void TPicture::SetGraphic(TGraphic* graphic) {
    if (graphic == graphic_)
        return;
    delete graphic_;
    graphic_ = graphic;
    if (graphic_) {
        graphic_->setParent(this);
        graphic_->OnChange = [this](QObject*) { OnChange(this); };
    }
    OnChange(this);
}

TBitmap* TPicture::Bitmap() {
    auto* bitmap = qobject_cast<TBitmap*>(graphic_);
    if (!bitmap) {
        bitmap = new TBitmap;
        SetGraphic(bitmap);
    }
    return bitmap;
}

void TPicture::ReadData(const QByteArray& data) {
    if (data.isEmpty())
        throw EInvalidGraphic("Picture data is empty");
    const int nameLength = quint8(data[0]);
    if (nameLength == 0)
        throw EInvalidGraphic("Picture data names no picture format");
    if (data.size() < 1 + nameLength)
        throw EInvalidGraphic("Picture data is truncated inside the format name");
    const QString className = QString::fromLatin1(data.mid(1, nameLength));
    const auto factory = Formats().constFind(className.toLower());
    if (factory == Formats().constEnd())
        throw EInvalidGraphic(
            QStringLiteral("Picture data is of unknown format \"%1\"").arg(className).toStdString());
    std::unique_ptr<TGraphic> graphic((*factory)());
    graphic->ReadData(data.mid(1 + nameLength));
    SetGraphic(graphic.release());
}
