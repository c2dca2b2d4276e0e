// SPDX-License-Identifier: GPL-3.0-or-later
// Shape controls: the fitted figure and shadow boxes checked in pixels, MulDiv rounding,
// repaints only on real changes, and which figure a press in the empty corners of a figure reaches.
#include "controls/Shapes.h"
#include "framework/StdCtrls.h"
#include "tests/framework/qt_app.h"

#include <QImage>
#include <QTest>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

constexpr TColor kBackground = 0x00FF00;
constexpr TColor kPen = 0x0000FF;
constexpr TColor kBrush = 0x00FFFF;
constexpr TColor kShadow = 0xFF0000;

TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

// The control drawn on a plain background, as the canvas leaves it.
QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(QColor(0, 0xFF, 0)); // kBackground
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Inclusive bounds of the pixels of one colour; nothing when there are none.
std::optional<QRect> BoundsOf(const QImage& image, TColor color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

std::optional<QRect> BoundsOfAllBut(const QImage& image, TColor color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) != color)
                bounds |= QRect(x, y, 1, 1);
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

// Pixels a pen of width pw covers around an outline through inclusive points x0..x1, y0..y1:
// the pen is centred on the outline, so it reaches w/2 outwards before and the rest after.
QRect PenExtent(int x0, int y0, int x1, int y1, int pw) {
    const int w = std::max(1, pw);
    const int lead = w / 2;
    const int trail = w - 1 - lead;
    return QRect(QPoint(x0 - lead, y0 - lead), QPoint(x1 + trail, y1 + trail));
}

QRect BoxExtent(const TRect& box, int pw) {
    return PenExtent(box.Left, box.Top, box.Right - 1, box.Bottom - 1, pw);
}

QRect PointsExtent(const QVector<TPoint>& points, int pw) {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const TPoint& p : points) {
        left = std::min(left, p.X);
        top = std::min(top, p.Y);
        right = std::max(right, p.X);
        bottom = std::max(bottom, p.Y);
    }
    return PenExtent(left, top, right, bottom, pw);
}

// Draws only the shadow, so that the shadow's own extent can be seen.
template <class Shape> class TShadowOnly : public Shape {
public:
    using Shape::Shape;

protected:
    void DrawShape() override {}
};

template <class Shape> void Configure(Shape& shape, int width, int height, int pw, bool shadow) {
    shape.SetBounds(0, 0, width, height);
    shape.Brush()->SetColor(kBrush);
    shape.Pen()->SetColor(kPen);
    shape.Pen()->SetWidth(pw);
    shape.SetShadow(shadow);
    shape.SetShadowOffset(2);
    shape.SetShadowColor(kShadow);
}

template <class Shape> QImage RenderShape(int width, int height, int pw, bool shadow) {
    Shape shape(nullptr);
    Configure(shape, width, height, pw, shadow);
    return Render(shape);
}

enum class Figure { Square, Circle };

struct BoxCase {
    Figure figure;
    int width, height, pw;
    bool shadow;
    std::optional<TRect> shadowBox;
    TRect figureBox;
};

template <class Shape> void CheckBoxCase(const BoxCase& c) {
    const QImage full = RenderShape<Shape>(c.width, c.height, c.pw, c.shadow);
    const QRect figure = BoxExtent(c.figureBox, c.pw);
    EXPECT_EQ(BoundsOf(full, kPen), figure);
    EXPECT_EQ(PixelAt(full, figure.center().x(), figure.center().y()), kBrush);
    if (!c.shadowBox) {
        EXPECT_EQ(BoundsOf(full, kShadow), std::nullopt);
        EXPECT_EQ(BoundsOfAllBut(full, kBackground), figure);
        return;
    }
    const QRect shadow = BoxExtent(*c.shadowBox, c.pw);
    EXPECT_EQ(BoundsOf(RenderShape<TShadowOnly<Shape>>(c.width, c.height, c.pw, c.shadow), kShadow), shadow);
    EXPECT_EQ(BoundsOfAllBut(full, kBackground), figure | shadow);
}

} // namespace

class ShapeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApp(); }
};

TEST_F(ShapeTest, SquaresAndCirclesFillTheWorkedBoxes) {
    const std::vector<BoxCase> cases = {
        {Figure::Square, 65, 65, 1, true, TRect{2, 2, 65, 65}, {0, 0, 63, 63}},
        {Figure::Square, 170, 170, 2, true, TRect{3, 3, 170, 170}, {1, 1, 168, 168}},
        {Figure::Square, 150, 150, 2, false, std::nullopt, {1, 1, 150, 150}},
        {Figure::Square, 65, 65, 0, true, TRect{2, 2, 65, 65}, {0, 0, 63, 63}},
        {Figure::Circle, 65, 65, 1, true, TRect{2, 2, 65, 65}, {0, 0, 63, 63}},
        {Figure::Circle, 170, 170, 2, true, TRect{3, 3, 170, 170}, {1, 1, 168, 168}},
        {Figure::Circle, 150, 150, 2, false, std::nullopt, {1, 1, 150, 150}},
        {Figure::Circle, 65, 65, 0, true, TRect{2, 2, 65, 65}, {0, 0, 63, 63}},
        // Not square: the figure stays square at the left edge.
        {Figure::Square, 200, 100, 1, true, TRect{2, 2, 100, 100}, {0, 0, 98, 98}},
        {Figure::Circle, 200, 100, 1, true, TRect{2, 2, 100, 100}, {0, 0, 98, 98}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.figure == Figure::Square ? "square " : "circle ") << c.width
                                        << "x" << c.height << " pen " << c.pw << (c.shadow ? " shadow" : ""));
        if (c.figure == Figure::Square)
            CheckBoxCase<TSquareShape>(c);
        else
            CheckBoxCase<TCircleShape>(c);
    }
}

TEST_F(ShapeTest, TrianglesHaveTheWorkedPoints) {
    struct Case {
        int width, height, pw;
        QVector<TPoint> shadow, figure;
    };
    const std::vector<Case> cases = {
        {65, 65, 1, {{33, 2}, {63, 63}, {2, 63}}, {{31, 0}, {61, 61}, {0, 61}}},
        {170, 170, 2, {{86, 3}, {168, 168}, {3, 168}}, {{84, 1}, {166, 166}, {1, 166}}},
        {150, 150, 2, {{76, 3}, {148, 148}, {3, 148}}, {{74, 1}, {146, 146}, {1, 146}}},
        // A wide, flat triangle filling a control that is not square.
        {200, 100, 1, {{100, 2}, {198, 98}, {2, 98}}, {{98, 0}, {196, 96}, {0, 96}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "triangle " << c.width << "x" << c.height << " pen " << c.pw);
        const QImage full = RenderShape<TTriangleShape>(c.width, c.height, c.pw, true);
        EXPECT_EQ(BoundsOf(full, kPen), PointsExtent(c.figure, c.pw));
        for (const TPoint& corner : c.figure)
            EXPECT_EQ(PixelAt(full, corner.X, corner.Y), kPen) << corner.X << "," << corner.Y;
        // The shadow's lower corners stick out beyond the figure.
        EXPECT_EQ(PixelAt(full, c.shadow[1].X, c.shadow[1].Y), kShadow);
        const QImage shadow = RenderShape<TShadowOnly<TTriangleShape>>(c.width, c.height, c.pw, true);
        EXPECT_EQ(BoundsOf(shadow, kShadow), PointsExtent(c.shadow, c.pw));
        // Inside, near the base centre: brush.
        const TPoint inside{c.figure[0].X, c.figure[1].Y - 3};
        EXPECT_EQ(PixelAt(full, inside.X, inside.Y), kBrush);
        // The empty top corners stay background.
        EXPECT_EQ(PixelAt(full, 0, 0), kBackground);
        EXPECT_EQ(PixelAt(full, c.width - 1, 0), kBackground);
    }
}

TEST_F(ShapeTest, TriangleWithoutShadowTakesTheShadowsRoom) {
    const QImage image = RenderShape<TTriangleShape>(150, 150, 2, false);
    // a = 150 - 1 - 2 = 147: points (74, 0) .. (147, 147), moved by 1.
    EXPECT_EQ(BoundsOf(image, kPen), PointsExtent({{75, 1}, {148, 148}, {1, 148}}, 2));
    EXPECT_EQ(BoundsOf(image, kShadow), std::nullopt);
}

TEST(ShapeMulDiv, RoundsHalvesAwayFromZeroWithA64BitProduct) {
    struct Case {
        int number, numerator, denominator;
        std::optional<int> result;
    };
    const std::vector<Case> cases = {
        {50, 61, 100, 31},
        {-50, 61, 100, -31},
        {50, -61, 100, -31},
        {50, 61, -100, -31},
        {-50, -61, -100, -31},
        {-50, -61, 100, 31},
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {7, 1, 3, 2},
        {8, 1, 3, 3},
        {-8, 1, 3, -3},
        {0, 5, 7, 0},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MAX, 2, 1, std::nullopt},
        {INT_MIN, -1, 1, std::nullopt},
        {1, 1, 0, std::nullopt},
        {INT_MAX, INT_MAX, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TCustomPolyShape::MulDiv(c.number, c.numerator, c.denominator), c.result)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(ShapePoints, ScaleAndOffsetInPlace) {
    const QVector<TPoint> triangle = {{50, 0}, {100, 100}, {0, 100}, {50, 0}};
    QVector<TPoint> points(triangle.size());
    ASSERT_TRUE(TCustomPolyShape::ScalePoints(points, triangle, 61, -3));
    EXPECT_EQ(points, (QVector<TPoint>{{31, 0}, {61, -3}, {0, -3}, {31, 0}}));
    TCustomPolyShape::OffsetPoints(points, 2, 5);
    EXPECT_EQ(points, (QVector<TPoint>{{33, 5}, {63, 2}, {2, 2}, {33, 5}}));

    QVector<TPoint> shorter(2);
    EXPECT_FALSE(TCustomPolyShape::ScalePoints(shorter, triangle, 61, 61));
    QVector<TPoint> huge = {{INT_MAX, 1}};
    EXPECT_FALSE(TCustomPolyShape::ScalePoints(huge, QVector<TPoint>{{INT_MAX, 1}}, 1000, 100));
}

namespace {

// Counts the paints the window system really delivers.
class TCountingSquare : public TSquareShape {
public:
    using TSquareShape::TSquareShape;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TSquareShape::Paint();
    }
};

} // namespace

TEST_F(ShapeTest, RepaintsOnlyWhenAShadowSettingChanges) {
    TCountingSquare shape(nullptr);
    shape.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shape));
    QTest::qWait(20);

    const auto paintsAfter = [&](auto change) {
        shape.Paints = 0;
        change();
        QTest::qWait(30);
        return shape.Paints;
    };
    EXPECT_EQ(paintsAfter([&] { shape.SetShadow(true); }), 0);
    EXPECT_EQ(paintsAfter([&] { shape.SetShadowOffset(2); }), 0);
    EXPECT_EQ(paintsAfter([&] { shape.SetShadowColor(clBtnShadow); }), 0);
    EXPECT_GT(paintsAfter([&] { shape.SetShadow(false); }), 0);
    EXPECT_GT(paintsAfter([&] { shape.SetShadowOffset(3); }), 0);
    EXPECT_GT(paintsAfter([&] { shape.SetShadowColor(clRed); }), 0);
    EXPECT_GT(paintsAfter([&] { shape.Brush()->SetColor(clBlue); }), 0);
    EXPECT_GT(paintsAfter([&] { shape.Pen()->SetWidth(3); }), 0);
    TPen pen;
    pen.SetColor(clGreen);
    EXPECT_GT(paintsAfter([&] { shape.SetPen(pen); }), 0);
    EXPECT_EQ(shape.Pen()->Color(), clGreen);
}

TEST_F(ShapeTest, StartValues) {
    TTriangleShape shape(nullptr);
    EXPECT_EQ(shape.Width(), 65);
    EXPECT_EQ(shape.Height(), 65);
    EXPECT_EQ(shape.Brush()->Color(), clWhite);
    EXPECT_EQ(shape.Brush()->Style(), bsSolid);
    EXPECT_EQ(shape.Pen()->Color(), clBlack);
    EXPECT_EQ(shape.Pen()->Width(), 1);
    EXPECT_EQ(shape.Pen()->Style(), psSolid);
    EXPECT_TRUE(shape.Shadow());
    EXPECT_EQ(shape.ShadowOffset(), 2u);
    EXPECT_EQ(shape.ShadowColor(), clBtnShadow);
}

TEST_F(ShapeTest, MouseDownInAnEmptyCornerOfTheTriangleIsReported) {
    TCustomControl host(nullptr);
    host.SetBounds(0, 0, 120, 120);
    auto* triangle = new TTriangleShape(&host);
    triangle->SetParent(&host);
    triangle->SetBounds(10, 10, 65, 65);
    std::optional<QPoint> down;
    triangle->OnMouseDown = [&](QObject* sender, TMouseButton button, TShiftState, int x, int y) {
        EXPECT_EQ(sender, triangle);
        EXPECT_EQ(button, mbLeft);
        down = QPoint(x, y);
    };
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(12, 12));
    ASSERT_TRUE(down.has_value());
    EXPECT_EQ(*down, QPoint(2, 2));
}

namespace {

// A 100 x 100 figure of one kind, as the levels configure them, and a point of its rectangle
// that it leaves empty.
struct HitCase {
    const char* kind;
    std::function<TControl*(TWinControl*)> make;
    QPoint emptyCorner;
};

template <class Shape> TControl* AnswerFigure(TWinControl* host) {
    auto* figure = new Shape(host);
    figure->Pen()->SetWidth(2);
    return figure;
}

TControl* FrameworkCircle(TWinControl* host) {
    auto* circle = new TShape(host);
    circle->SetShape(stCircle);
    return circle;
}

// Presses and releases reported by the figures, by figure.
struct Presses {
    std::vector<std::pair<TControl*, QPoint>> down;
    std::vector<TControl*> up;
    void Watch(TControl* figure) {
        figure->OnMouseDown = [this, figure](QObject*, TMouseButton, TShiftState, int x, int y) {
            down.emplace_back(figure, QPoint(x, y));
        };
        figure->OnMouseUp = [this, figure](QObject*, TMouseButton, TShiftState, int, int) {
            up.push_back(figure);
        };
    }
};

} // namespace

TEST_F(ShapeTest, PressGoesToTheTopmostFigureDrawnThereElseToTheTopmostRectangle) {
    const HitCase cases[] = {
        {"square", AnswerFigure<TSquareShape>, QPoint(99, 0)},
        {"circle", AnswerFigure<TCircleShape>, QPoint(3, 3)},
        {"triangle", AnswerFigure<TTriangleShape>, QPoint(3, 3)},
        {"framework circle", FrameworkCircle, QPoint(3, 3)},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.kind);
        TCustomControl host(nullptr);
        host.SetBounds(0, 0, 300, 300);
        TControl* lower = c.make(&host);
        TControl* upper = c.make(&host);
        for (TControl* figure : {lower, upper})
            figure->SetParent(&host);
        // The upper figure's empty corner lies over the middle of the lower figure.
        const QPoint corner(100, 100);
        lower->SetBounds(50, 50, 100, 100);
        upper->SetBounds(corner.x() - c.emptyCorner.x(), corner.y() - c.emptyCorner.y(), 100, 100);
        Presses presses;
        presses.Watch(lower);
        presses.Watch(upper);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, corner);
        ASSERT_EQ(presses.down.size(), 1u);
        EXPECT_EQ(presses.down[0], std::pair(lower, QPoint(50, 50)));
        EXPECT_EQ(presses.up, std::vector<TControl*>{lower});

        // Where the upper figure is drawn, it is the one pressed.
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, upper->geometry().center());
        ASSERT_EQ(presses.down.size(), 2u);
        EXPECT_EQ(presses.down[1].first, upper);

        // With nothing drawn beneath, the empty corner still belongs to its own figure.
        lower->SetVisible(false);
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, corner);
        ASSERT_EQ(presses.down.size(), 3u);
        EXPECT_EQ(presses.down[2], std::pair(upper, c.emptyCorner));
        EXPECT_EQ(presses.up.back(), upper);
    }
}
