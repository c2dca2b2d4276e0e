// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Shapes.h"

#include <algorithm>
#include <climits>

namespace {

// Keeps the fitting sums far from overflow whatever sizes, pen widths and offsets are set.
constexpr qint64 kCoordinateLimit = 1 << 24;

int Clamped(qint64 value) {
    return int(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

// Room for a figure after the pen (and the shadow offset when it takes room) in one direction.
// Boxes are exclusive at the right, hence + 1; a width-0 pen still draws one pixel.
int SquareRoom(int size, int pw, int off) {
    return Clamped(qint64(size) - off - pw + 1 - (pw == 0 ? 1 : 0));
}

// Polygon points are inclusive, hence - 1 where the square's box has + 1.
int PolygonRoom(int size, int pw, int off) {
    return Clamped(qint64(size) - off - 1 - pw - (pw == 0 ? 1 : 0));
}

TRect SquareBox(int width, int height, int pw, int room, int shift) {
    const int s = std::min(SquareRoom(width, pw, room), SquareRoom(height, pw, room));
    const int start = Clamped(qint64(pw / 2) + shift);
    return {start, start, Clamped(qint64(start) + s), Clamped(qint64(start) + s)};
}

// The triangle in percent of its box, closed: apex at the top centre, base along the bottom.
const QVector<TPoint> kTriangle = {{50, 0}, {100, 100}, {0, 100}, {50, 0}};

} // namespace

TCustomShape::TCustomShape(QObject* owner)
    : TGraphicControl(owner), brush_(new TBrush(this)), pen_(new TPen(this)) {
    brush_->OnChange = [this](QObject*) { Invalidate(); };
    pen_->OnChange = [this](QObject*) { Invalidate(); };
    PublishEvent(QStringLiteral("OnDragDrop"), OnDragDrop);
    PublishEvent(QStringLiteral("OnDragOver"), OnDragOver);
    PublishEvent(QStringLiteral("OnEndDrag"), OnEndDrag);
    PublishEvent(QStringLiteral("OnStartDrag"), OnStartDrag);
    SetBounds(0, 0, 65, 65);
}

void TCustomShape::SetShadow(bool shadow) {
    if (shadow == shadow_)
        return;
    shadow_ = shadow;
    Invalidate();
}

void TCustomShape::SetShadowOffset(uint offset) {
    if (offset == shadowOffset_)
        return;
    shadowOffset_ = offset;
    Invalidate();
}

void TCustomShape::SetShadowColor(TColor color) {
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    Invalidate();
}

int TCustomShape::Offset() const {
    return int(std::min<uint>(shadowOffset_, kCoordinateLimit));
}

void TCustomShape::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush().Assign(*brush_);
    canvas.Pen().Assign(*pen_);
    if (shadow_)
        DrawShadow();
    DrawShape();
}

void TCustomShape::DrawShadow() {
    Canvas()->Brush().SetColor(shadowColor_);
    Canvas()->Pen().SetColor(shadowColor_);
}

void TCustomShape::DrawShape() {
    Canvas()->Brush().SetColor(brush_->Color());
    Canvas()->Pen().SetColor(pen_->Color());
}

void TSquareShape::DrawShadow() {
    TCustomShape::DrawShadow();
    Canvas()->Rectangle(SquareBox(Width(), Height(), PenWidth(), Offset(), Offset()));
}

void TSquareShape::DrawShape() {
    TCustomShape::DrawShape();
    Canvas()->Rectangle(SquareBox(Width(), Height(), PenWidth(), Shadow() ? Offset() : 0, 0));
}

void TCircleShape::DrawShadow() {
    TCustomShape::DrawShadow();
    Canvas()->Ellipse(SquareBox(Width(), Height(), PenWidth(), Offset(), Offset()));
}

void TCircleShape::DrawShape() {
    TCustomShape::DrawShape();
    Canvas()->Ellipse(SquareBox(Width(), Height(), PenWidth(), Shadow() ? Offset() : 0, 0));
}

std::optional<int> TCustomPolyShape::MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return std::nullopt;
    const qint64 product = qint64(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const quint64 magnitude = product < 0 ? quint64(-product) : quint64(product);
    const quint64 divisor = denominator < 0 ? quint64(-qint64(denominator)) : quint64(denominator);
    const quint64 quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > (negative ? quint64(INT_MAX) + 1 : quint64(INT_MAX)))
        return std::nullopt;
    return negative ? int(-qint64(quotient)) : int(quotient);
}

bool TCustomPolyShape::ScalePoints(QVector<TPoint>& dest, const QVector<TPoint>& source, int xFactor,
                                   int yFactor) {
    if (dest.size() != source.size())
        return false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const std::optional<int> x = MulDiv(source[i].X, xFactor, 100);
        const std::optional<int> y = MulDiv(source[i].Y, yFactor, 100);
        if (!x || !y)
            return false;
        dest[i] = {*x, *y};
    }
    return true;
}

void TCustomPolyShape::OffsetPoints(QVector<TPoint>& points, int dx, int dy) {
    for (TPoint& p : points)
        p = {Clamped(qint64(p.X) + dx), Clamped(qint64(p.Y) + dy)};
}

void TTriangleShape::DrawTriangle(int a, int b, int offset) {
    QVector<TPoint> points(kTriangle.size());
    if (!ScalePoints(points, kTriangle, a, b))
        return;
    const int shift = PenWidth() / 2 + offset;
    OffsetPoints(points, shift, shift);
    Canvas()->Polygon(points);
}

void TTriangleShape::DrawShadow() {
    TCustomShape::DrawShadow();
    DrawTriangle(PolygonRoom(Width(), PenWidth(), Offset()), PolygonRoom(Height(), PenWidth(), Offset()),
                 Offset());
}

void TTriangleShape::DrawShape() {
    TCustomShape::DrawShape();
    const int room = Shadow() ? Offset() : 0;
    DrawTriangle(PolygonRoom(Width(), PenWidth(), room), PolygonRoom(Height(), PenWidth(), room), 0);
}
