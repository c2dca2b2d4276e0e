// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas pixel rules, drawing objects and colours, checked pixel by pixel on images.
#include "framework/Graphics.h"
#include "qt_app.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kBlack = 0xFF000000;

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Empty when every pixel has the expected colour, else the first few differences.
std::string Mismatches(const QImage& image, const std::function<QRgb(int, int)>& expected) {
    std::string report;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = expected(x, y);
            const QRgb got = image.pixel(x, y);
            if (got != want && count++ < 5)
                report += QStringLiteral("(%1,%2) is %3, expected %4; ")
                              .arg(x)
                              .arg(y)
                              .arg(got, 8, 16)
                              .arg(want, 8, 16)
                              .toStdString();
        }
    }
    return count ? report + std::to_string(count) + " pixels differ" : std::string();
}

// Bounding box of the pixels that are not white.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A fill pixel next to a white one means the outline has a gap.
bool FillTouchesOutside(const QImage& image, QRgb fill) {
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x)
            if (image.pixel(x, y) == fill &&
                (image.pixel(x - 1, y) == kWhite || image.pixel(x + 1, y) == kWhite ||
                 image.pixel(x, y - 1) == kWhite || image.pixel(x, y + 1) == kWhite))
                return true;
    return false;
}

QImage Transposed(const QImage& image) {
    QImage result(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            result.setPixel(y, x, image.pixel(x, y));
    return result;
}

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureQtApp(); }

    // Draws with a red pen of the given width and a blue brush.
    QImage Draw(int width, int height, int penWidth, const std::function<void(TCanvas&)>& draw) {
        QImage image = WhiteImage(width, height);
        TCanvas canvas(&image);
        canvas.Pen().SetColor(clRed);
        canvas.Pen().SetWidth(penWidth);
        canvas.Brush().SetColor(clBlue);
        draw(canvas);
        return image;
    }
};

struct RectangleCase {
    int penWidth;
    int x1, y1, x2, y2;
    int outer1, outer2; // pen extent, inclusive
    int inner1, inner2; // brush extent, inclusive
};

class RectangleEdges : public CanvasTest, public ::testing::WithParamInterface<RectangleCase> {};

TEST_P(RectangleEdges, PenIsCentredOnTheOnePixelOutline) {
    const RectangleCase c = GetParam();
    const QImage image =
        Draw(180, 180, c.penWidth, [&](TCanvas& canvas) { canvas.Rectangle(c.x1, c.y1, c.x2, c.y2); });
    const auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    EXPECT_EQ(Mismatches(image,
                         [&](int x, int y) {
                             if (within(x, c.inner1, c.inner2) && within(y, c.inner1, c.inner2))
                                 return kBlue;
                             if (within(x, c.outer1, c.outer2) && within(y, c.outer1, c.outer2))
                                 return kRed;
                             return kWhite;
                         }),
              "");
}

INSTANTIATE_TEST_SUITE_P(Widths, RectangleEdges,
                         ::testing::Values(RectangleCase{0, 5, 5, 20, 20, 5, 19, 6, 18},
                                           RectangleCase{1, 5, 5, 20, 20, 5, 19, 6, 18},
                                           RectangleCase{2, 5, 5, 20, 20, 4, 19, 6, 17},
                                           RectangleCase{3, 5, 5, 20, 20, 4, 20, 7, 17},
                                           RectangleCase{2, 1, 1, 168, 168, 0, 167, 2, 165},
                                           RectangleCase{1, 20, 20, 5, 5, 5, 19, 6, 18}));

TEST_F(CanvasTest, ClearBrushAndClearPen) {
    const QImage hollow = Draw(30, 30, 1, [](TCanvas& canvas) {
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(5, 5, 20, 20);
    });
    EXPECT_EQ(Mismatches(hollow,
                         [](int x, int y) {
                             const bool inside = x >= 5 && x <= 19 && y >= 5 && y <= 19;
                             const bool interior = x >= 6 && x <= 18 && y >= 6 && y <= 18;
                             return inside && !interior ? kRed : kWhite;
                         }),
              "");

    const QImage solid = Draw(30, 30, 3, [](TCanvas& canvas) {
        canvas.Pen().SetStyle(psClear);
        canvas.Rectangle(5, 5, 20, 20);
    });
    EXPECT_EQ(
        Mismatches(solid,
                   [](int x, int y) { return x >= 5 && x <= 19 && y >= 5 && y <= 19 ? kBlue : kWhite; }),
        "");
}

TEST_F(CanvasTest, InsideFramePenStaysInTheBox) {
    const QImage image = Draw(30, 30, 3, [](TCanvas& canvas) {
        canvas.Pen().SetStyle(psInsideFrame);
        canvas.Rectangle(5, 5, 20, 20);
    });
    EXPECT_EQ(Ink(image), QRect(QPoint(5, 5), QPoint(19, 19)));
    EXPECT_EQ(image.pixel(7, 12), kRed);
    EXPECT_EQ(image.pixel(8, 12), kBlue);
}

struct EllipseCase {
    int penWidth;
    TRect box;
    QRect ink;
};

class EllipseShape : public CanvasTest, public ::testing::WithParamInterface<EllipseCase> {};

TEST_P(EllipseShape, FillsTheBoxSymmetricallyWithAClosedOutline) {
    const EllipseCase c = GetParam();
    const QImage image = Draw(180, 180, c.penWidth, [&](TCanvas& canvas) { canvas.Ellipse(c.box); });
    ASSERT_EQ(Ink(image), c.ink);
    const QRect ink = c.ink;
    EXPECT_EQ(image.copy(ink), image.copy(ink).mirrored(true, false));
    EXPECT_EQ(image.copy(ink), image.copy(ink).mirrored(false, true));
    if (ink.width() == ink.height()) {
        EXPECT_EQ(image.copy(ink), Transposed(image.copy(ink)));
    }
    EXPECT_EQ(image.pixel(ink.center()), kBlue);
    // The extremes are outline pixels in the middle of each side.
    EXPECT_EQ(image.pixel(ink.left(), ink.top() + ink.height() / 2), kRed);
    EXPECT_EQ(image.pixel(ink.left() + ink.width() / 2, ink.bottom()), kRed);
    // Round, not a rounded square: the corners stay white.
    EXPECT_EQ(image.pixel(ink.left() + ink.width() / 10, ink.top() + ink.height() / 10), kWhite);
    EXPECT_FALSE(FillTouchesOutside(image, kBlue));
}

INSTANTIATE_TEST_SUITE_P(Boxes, EllipseShape,
                         ::testing::Values(EllipseCase{1, {0, 0, 63, 63}, QRect(0, 0, 63, 63)},
                                           EllipseCase{1, {10, 20, 90, 50}, QRect(10, 20, 80, 30)},
                                           EllipseCase{0, {3, 3, 12, 12}, QRect(3, 3, 9, 9)},
                                           EllipseCase{2, {1, 1, 168, 168}, QRect(0, 0, 168, 168)},
                                           EllipseCase{3, {5, 5, 40, 40}, QRect(4, 4, 37, 37)}));

struct PolygonCase {
    int penWidth;
    QVector<TPoint> points;
    QRect ink;
};

class PolygonShape : public CanvasTest, public ::testing::WithParamInterface<PolygonCase> {};

TEST_P(PolygonShape, PointsAreInclusive) {
    const PolygonCase c = GetParam();
    const QImage image = Draw(180, 180, c.penWidth, [&](TCanvas& canvas) { canvas.Polygon(c.points); });
    EXPECT_EQ(Ink(image), c.ink);
    for (const TPoint& p : c.points)
        EXPECT_EQ(image.pixel(p.X, p.Y), kRed) << p.X << "," << p.Y;
    EXPECT_EQ(image.pixel(c.ink.center().x(), c.ink.top() + c.ink.height() * 2 / 3), kBlue);
    EXPECT_FALSE(FillTouchesOutside(image, kBlue));
}

INSTANTIATE_TEST_SUITE_P(
    Triangles, PolygonShape,
    ::testing::Values(
        PolygonCase{1, {{31, 0}, {61, 61}, {0, 61}, {31, 0}}, QRect(0, 0, 62, 62)},
        PolygonCase{2, {{84, 1}, {166, 166}, {1, 166}, {84, 1}}, QRect(QPoint(0, 0), QPoint(166, 166))}));

TEST_F(CanvasTest, PolygonWithClearPenFillsOnlyTheInside) {
    const QImage image = Draw(20, 20, 1, [](TCanvas& canvas) {
        canvas.Pen().SetStyle(psClear);
        canvas.Polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
    });
    // Right and bottom edges belong outside, as with an exclusive rectangle.
    EXPECT_EQ(Ink(image), QRect(2, 2, 10, 10));
}

struct LineCase {
    TPoint from, to;
    QVector<QPoint> drawn;
    QPoint end;
};

class LineEnd : public CanvasTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineEnd, LineLeavesOutItsEndPoint) {
    const LineCase c = GetParam();
    QImage image = WhiteImage(20, 20);
    {
        TCanvas canvas(&image);
        canvas.MoveTo(c.from.X, c.from.Y);
        canvas.LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(canvas.PenPos(), c.to);
    }
    EXPECT_EQ(
        Mismatches(image, [&](int x, int y) { return c.drawn.contains(QPoint(x, y)) ? kBlack : kWhite; }),
        "");
    EXPECT_EQ(image.pixel(c.end), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Directions, LineEnd,
                         ::testing::Values(LineCase{{2, 3}, {6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}, {6, 3}},
                                           LineCase{{9, 2}, {6, 2}, {{9, 2}, {8, 2}, {7, 2}}, {6, 2}},
                                           LineCase{{4, 9}, {4, 6}, {{4, 9}, {4, 8}, {4, 7}}, {4, 6}},
                                           LineCase{{3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}, {3, 4}},
                                           LineCase{{1, 1}, {5, 5}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}, {5, 5}},
                                           LineCase{{7, 7}, {7, 7}, {}, {7, 7}}));

TEST_F(CanvasTest, DottedLineAndPolylineEnd) {
    const QImage dotted = Draw(20, 3, 1, [](TCanvas& canvas) {
        canvas.Pen().SetStyle(psDot);
        canvas.MoveTo(0, 1);
        canvas.LineTo(12, 1);
    });
    EXPECT_EQ(
        Mismatches(dotted, [](int x, int y) { return y == 1 && x < 12 && (x / 3) % 2 == 0 ? kRed : kWhite; }),
        "");

    const QImage corner = Draw(10, 10, 1, [](TCanvas& canvas) { canvas.Polyline({{1, 5}, {1, 1}, {5, 1}}); });
    EXPECT_EQ(Mismatches(corner,
                         [](int x, int y) {
                             return (x == 1 && y >= 1 && y <= 5) || (y == 1 && x >= 1 && x <= 4) ? kRed
                                                                                                 : kWhite;
                         }),
              "");
}

TEST_F(CanvasTest, WidePensHaveRoundCapsAndJoinsAndTheirWidthAtAnyAngle) {
    struct Probe {
        int x, y;
        bool inked;
        const char* why;
    };
    struct Case {
        int width;
        QVector<TPoint> path;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        // Width 5 round an L: radius 2.5 around the path's pixels.
        {5,
         {{10, 30}, {10, 10}, {30, 10}},
         {{8, 8, false, "outer corner of the join, 2.83 from (10, 10)"},
          {8, 9, true, "join, 2.24 from (10, 10)"},
          {9, 8, true, "join"},
          {8, 20, true, "left edge of the upright"},
          {7, 20, false, "beyond the left edge"},
          {12, 20, true, "right edge of the upright"},
          {13, 20, false, "beyond the right edge"},
          {10, 32, true, "start cap, 2 below the start"},
          {10, 33, false, "past the start cap"},
          {8, 32, false, "corner of a square cap, 2.83 from the start"},
          {9, 32, true, "start cap, 2.24 from the start"},
          {32, 10, true, "end cap: a wide pen draws the end point too"},
          {33, 10, false, "past the end cap"},
          {32, 12, false, "corner of a square cap at the end"}}},
        // Width 4 on a diagonal: 4 across the line, not 4 x sqrt 2. The pen's centre lies half a
        // pixel up and left of the path, so the distances are those of the pixel (x + 0.5, y + 0.5).
        {4,
         {{10, 10}, {30, 30}},
         {{20, 18, true, "1.41 from the line"},
          {20, 17, false, "2.12 from the line, inked by a square stamp"},
          {18, 20, true, "1.41 on the other side"},
          {17, 20, false, "2.12 on the other side"}}},
        // Width 2: two rows, up and left of the path, and both end points capped.
        {2,
         {{10, 10}, {20, 10}},
         {{9, 9, true, "start, up and left"},
          {8, 10, false, "before the start cap"},
          {20, 10, true, "end point"},
          {20, 9, true, "end point, upper row"},
          {21, 10, false, "past the end cap"},
          {15, 8, false, "above the two rows"},
          {15, 11, false, "below the two rows"}}},
    };
    for (const Case& c : cases) {
        for (TPenStyle style : {psSolid, psDash}) {
            SCOPED_TRACE(testing::Message() << "width " << c.width << " style " << int(style));
            const QImage image = Draw(45, 45, c.width, [&](TCanvas& canvas) {
                canvas.Pen().SetStyle(style); // dashes are for one-pixel pens; wide ones draw solid
                canvas.Polyline(c.path);
            });
            for (const Probe& p : c.probes)
                EXPECT_EQ(image.pixel(p.x, p.y), p.inked ? kRed : kWhite)
                    << p.x << "," << p.y << ": " << p.why;
        }
    }
}

TEST_F(CanvasTest, WidePenRoundsTheCornersOfARectangle) {
    // Width 5 round the one-pixel outline (10, 10)-(29, 29): radius 2.5 at every corner.
    const QImage image = Draw(45, 45, 5, [](TCanvas& canvas) { canvas.Rectangle(10, 10, 30, 30); });
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {{8, 8, kWhite},  {8, 9, kRed},    {9, 8, kRed},   {31, 31, kWhite}, {31, 30, kRed},
                  {20, 8, kRed},   {20, 7, kWhite}, {20, 31, kRed}, {20, 32, kWhite}, {12, 12, kRed},
                  {13, 13, kBlue}, {26, 26, kBlue}, {27, 27, kRed}};
    for (const auto& p : probes)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(CanvasTest, FillRectAndFrameRectUseTheBrush) {
    const QImage image = Draw(20, 20, 1, [](TCanvas& canvas) {
        canvas.FillRect(Rect(2, 3, 6, 5));
        canvas.FrameRect(Rect(10, 10, 15, 14));
        canvas.Brush().SetStyle(bsClear);
        canvas.FillRect(Rect(0, 0, 20, 20));
    });
    EXPECT_EQ(Mismatches(image,
                         [](int x, int y) {
                             const bool fill = x >= 2 && x <= 5 && y >= 3 && y <= 4;
                             const bool frame = x >= 10 && x <= 14 && y >= 10 && y <= 13 &&
                                                (x == 10 || x == 14 || y == 10 || y == 13);
                             return fill || frame ? kBlue : kWhite;
                         }),
              "");
}

struct ModeCase {
    TPenMode mode;
    QRgb result; // on white, red pen
};

class PenModes : public CanvasTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(PenModes, OverlappingPixelsArePaintedOnce) {
    const ModeCase c = GetParam();
    const QImage image = Draw(20, 20, 3, [&](TCanvas& canvas) {
        canvas.Pen().SetMode(c.mode);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(5, 5, 15, 15);
    });
    // The corners lie under two sides of the wide pen.
    EXPECT_EQ(image.pixel(4, 4), c.result);
    EXPECT_EQ(image.pixel(10, 5), c.result);
    EXPECT_EQ(image.pixel(10, 10), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Modes, PenModes,
                         ::testing::Values(ModeCase{pmCopy, kRed}, ModeCase{pmXor, 0xFF00FFFF},
                                           ModeCase{pmNot, kBlack}, ModeCase{pmNop, kWhite},
                                           ModeCase{pmBlack, kBlack}));

TEST_F(CanvasTest, PixelReadsAndWrites) {
    QImage image = WhiteImage(4, 4);
    TCanvas canvas(&image);
    canvas.SetPixel(1, 2, clYellow);
    EXPECT_EQ(canvas.Pixel(1, 2), clYellow);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(4, 0), clNone);
}

TEST_F(CanvasTest, ClipRectLimitsDrawing) {
    const QImage image = Draw(20, 20, 1, [](TCanvas& canvas) {
        canvas.ClipRect(Rect(0, 0, 10, 20));
        canvas.ClipRect(Rect(5, 0, 20, 20));
        canvas.FillRect(Rect(0, 0, 20, 20));
    });
    EXPECT_EQ(Mismatches(image, [](int x, int) { return x >= 5 && x < 10 ? kBlue : kWhite; }), "");
}

// The same rules on a widget inside its paint event.
class FigureWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        TCanvas canvas(this);
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, width(), height()));
        canvas.Pen().SetWidth(2);
        canvas.Brush().SetColor(clBlue);
        canvas.Rectangle(1, 1, 11, 11);
        pixel = canvas.Pixel(0, 0);
    }

public:
    TColor pixel = clBlack;
};

TEST_F(CanvasTest, DrawsOnAWidget) {
    FigureWidget widget;
    widget.resize(12, 12);
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Ink(image), QRect(0, 0, 11, 11));
    EXPECT_EQ(image.pixel(1, 5), kBlack);
    EXPECT_EQ(image.pixel(2, 5), kBlue);
    EXPECT_EQ(widget.pixel, clNone) << "pixels read back only from images";
}

// ---- Text ----

class TextTest : public CanvasTest {
protected:
    QImage image = WhiteImage(200, 60);
};

TEST_F(TextTest, CentredTextIsInkOfTheFontColourInsideTheRect) {
    TRect r = Rect(10, 10, 190, 50);
    int width = 0;
    int height = 0;
    {
        TCanvas canvas(&image);
        canvas.Font().SetColor(clBlue);
        canvas.Font().SetHeight(-16);
        width = canvas.TextWidth("Hello");
        height = canvas.TextHeight("Hello");
        canvas.DrawText("Hello", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    const QRect ink = Ink(image);
    ASSERT_FALSE(ink.isEmpty());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(image.pixel(x, y) == kWhite || image.pixel(x, y) == kBlue)
                << "anti-aliased at " << x << "," << y;
    const int left = (10 + 190 - width) / 2;
    const int top = (10 + 50 - height) / 2;
    EXPECT_GE(ink.left(), left - 1);
    EXPECT_LE(ink.right(), left + width);
    EXPECT_GE(ink.top(), top);
    EXPECT_LE(ink.bottom(), top + height - 1);
    EXPECT_NEAR(ink.center().x(), 100, 3);
}

TEST_F(TextTest, CalcRectMeasuresLinesAndWordBreaks) {
    TCanvas canvas(&image);
    const int line = canvas.TextHeight("x");
    TRect r = Rect(5, 7, 500, 7);
    EXPECT_EQ(canvas.DrawText("Play", r, DT_CALCRECT | DT_SINGLELINE), line);
    EXPECT_EQ(r, Rect(5, 7, 5 + canvas.TextWidth("Play"), 7 + line));

    TRect lines = Rect(0, 0, 500, 0);
    EXPECT_EQ(canvas.DrawText("one\ntwo\r\nthree", lines, DT_CALCRECT), 3 * line);
    EXPECT_EQ(lines.Right, canvas.TextWidth("three"));

    const int narrow = canvas.TextWidth("three") + 2;
    TRect wrapped = Rect(0, 0, narrow, 0);
    EXPECT_EQ(canvas.DrawText("one two three", wrapped, DT_CALCRECT | DT_WORDBREAK), 3 * line);
    EXPECT_EQ(wrapped.Right, canvas.TextWidth("three"));

    TRect empty = Rect(3, 3, 50, 50);
    EXPECT_EQ(canvas.DrawText("", empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, Rect(3, 3, 3, 3));
}

TEST_F(TextTest, AmpersandMarksTheAcceleratorUnlessNoPrefix) {
    struct Case {
        QString text;
        unsigned flags;
        QString shown;
    };
    TCanvas canvas(&image);
    for (const Case& c : {Case{"&File", 0, "File"}, Case{"Save && Quit", 0, "Save & Quit"},
                          Case{"&File", DT_NOPREFIX, "&File"}}) {
        TRect r = Rect(0, 0, 500, 0);
        canvas.DrawText(c.text, r, c.flags | DT_CALCRECT | DT_SINGLELINE);
        EXPECT_EQ(r.Right, canvas.TextWidth(c.shown)) << c.text.toStdString();
    }
}

TEST_F(TextTest, AcceleratorIsUnderlined) {
    const auto inkBelowBaseline = [](const QString& text) {
        QImage drawn = WhiteImage(100, 40);
        TCanvas canvas(&drawn);
        canvas.Font().SetHeight(-20);
        TRect r = Rect(0, 0, 100, 40);
        canvas.DrawText(text, r, DT_SINGLELINE);
        const int baseline = QFontMetrics(canvas.Font().ToQFont()).ascent();
        int count = 0;
        for (int y = baseline; y < 40; ++y)
            for (int x = 0; x < 100; ++x)
                count += drawn.pixel(x, y) != kWhite;
        return count;
    };
    EXPECT_EQ(inkBelowBaseline("EEE"), 0);
    EXPECT_GT(inkBelowBaseline("&EEE"), 0);
    EXPECT_EQ(inkBelowBaseline("&&EEE"), 0);
}

TEST_F(TextTest, TextRectClipsAndTextOutIsTransparent) {
    {
        TCanvas canvas(&image);
        canvas.Brush().SetColor(clYellow);
        canvas.FillRect(Rect(0, 0, 200, 60));
        canvas.Font().SetColor(clRed);
        canvas.Font().SetHeight(-20);
        canvas.TextOut(2, 2, "WWW");
        canvas.TextRect(Rect(100, 0, 110, 60), 100, 30, "WWWWW");
    }
    int red = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == 0xFFFFFF00 || pixel == kRed) << x << "," << y;
            if (pixel == kRed && x >= 100) {
                ASSERT_TRUE(x < 110 && y >= 30) << "outside the clip at " << x << "," << y;
            }
            red += pixel == kRed;
        }
    EXPECT_GT(red, 0);
}

// ---- Drawing objects ----

TEST(Font, HeightSizeAndFace) {
    EnsureQtApp();
    TFont font;
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetHeight(-20);
    EXPECT_EQ(font.ToQFont().pixelSize(), 20);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);

    // A positive height is the cell: ascent + descent as near to it as the face allows.
    for (int cell : {13, 16, 24}) {
        font.SetHeight(cell);
        const QFontMetrics metrics(font.ToQFont());
        EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, 1) << cell;
    }

    font.SetStyle(fsBold | fsItalic);
    EXPECT_TRUE(font.ToQFont().bold());
    EXPECT_TRUE(font.ToQFont().italic());
    EXPECT_EQ(font.ToQFont().styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);

    for (const char* name : {"Arial", "MS Sans Serif"}) {
        font.SetName(name);
        EXPECT_EQ(QFontInfo(font.ToQFont()).family(), "Liberation Sans") << name;
    }
}

TEST(DrawingObjects, ChangesAreReportedOnceAndOnlyWhenReal) {
    int changes = 0;
    TPen pen;
    pen.OnChange = [&](QObject*) { ++changes; };
    pen.SetWidth(1);
    pen.SetColor(clBlack);
    EXPECT_EQ(changes, 0);
    pen.SetWidth(2);
    EXPECT_EQ(changes, 1);
    pen.SetWidth(-4);
    EXPECT_EQ(pen.Width(), 0);

    TPen other;
    other.SetColor(clRed);
    other.SetStyle(psDot);
    other.SetMode(pmXor);
    changes = 0;
    pen.Assign(other);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(pen.Style(), psDot);
    EXPECT_EQ(pen.Mode(), pmXor);
    EXPECT_EQ(pen.Width(), 1);
    pen.Assign(other);
    EXPECT_EQ(changes, 1);

    TBrush brush;
    TBrush red;
    red.SetColor(clRed);
    red.SetStyle(bsClear);
    changes = 0;
    brush.OnChange = [&](QObject*) { ++changes; };
    brush.Assign(red);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(brush.Style(), bsClear);

    TFont font;
    TFont big;
    big.SetHeight(-30);
    big.SetName("Tahoma");
    big.SetStyle(fsBold);
    changes = 0;
    font.OnChange = [&](QObject*) { ++changes; };
    font.Assign(big);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Name(), "Tahoma");
    font.SetHeight(-30);
    EXPECT_EQ(changes, 1);
}

TEST(Colors, SystemColoursResolveThroughOneTable) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
    EXPECT_EQ(ColorToRGB(clBtnShadow), 0xA0A0A0);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFF);
    EXPECT_EQ(ColorToRGB(clHighlight), 0xD77800);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clHighlight), QColor(0, 0x78, 0xD7));
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(FromQColor(Qt::transparent), clNone);
}

TEST(Colors, IdentifiersOfLayouts) {
    TColor color = 0;
    EXPECT_TRUE(IdentToColor("clBtnFace", color));
    EXPECT_EQ(color, clBtnFace);
    EXPECT_TRUE(IdentToColor("clgradientactivecaption", color));
    EXPECT_EQ(color, clGradientActiveCaption);
    EXPECT_TRUE(IdentToColor("clNone", color));
    EXPECT_EQ(color, clNone);
    EXPECT_FALSE(IdentToColor("clChartreuse", color));

    TCursor cursor = 0;
    EXPECT_TRUE(IdentToCursor("crHandPoint", cursor));
    EXPECT_EQ(cursor, crHandPoint);
    EXPECT_FALSE(IdentToCursor("clRed", cursor));
    EXPECT_FALSE(IdentToColor("crHandPoint", color));
}

} // namespace
