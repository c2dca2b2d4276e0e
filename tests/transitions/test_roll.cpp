// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "transitions/teRoll.h"

#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

constexpr QRgb kOld = 0xFF102030;

// Notes which frame is being drawn, so that the test can look at it on the surface.
class ProbeRoll : public TRollTransition {
public:
    using TRollTransition::TRollTransition;
    void DrawFrame(TTETransitionData& data, int frame, int step, int count, int previous) override {
        current = frame;
        TRollTransition::DrawFrame(data, frame, step, count, previous);
        frames.push_back(frame);
    }
    int current = 0;
    std::vector<int> frames;
};

struct RollRun {
    std::map<int, QImage> shown; // frame -> what the render window showed after it
    std::vector<int> frames;
    QImage last;
    QImage newImage;
};

// Runs a whole roll over a `width` x `height` widget, untimed (every frame drawn), and
// keeps the render window's picture after each frame in `keep`. At `ratio` the images are
// that many times larger in device pixels.
RollRun Roll(int width, int height, std::function<void(ProbeRoll&)> configure, std::set<int> keep,
             double ratio = 1) {
    EnsureQtApp();
    FakeClock clock;
    FakeDisplay display;
    RollRun run;
    display.ratio = ratio;
    const QSize device = DeviceSize(QSize(width, height), ratio);
    display.screen = Solid(device.width(), device.height(), kOld);
    display.rendered = run.newImage = Columns(device.width(), device.height());
    QWidget target;
    target.setGeometry(0, 0, width, height);
    target.show();
    ProbeRoll roll(nullptr);
    roll.SetDirection(te::tedRight);
    configure(roll);
    display.onCopy = [&](const QImage&, const QList<TRect>&) {
        if (keep.count(roll.current))
            run.shown[roll.current] = display.last->screen.copy();
    };
    EXPECT_TRUE(roll.Prepare(&target, Rect(0, 0, width, height)));
    roll.Execute();
    run.frames = roll.frames;
    run.last = display.last->screen;
    target.hide();
    return run;
}

QRgb Pixel(const QImage& image, int x, int y = 0) {
    return image.pixel(x, y) | 0xFF000000;
}

QRgb Shaded(QRgb pixel, int shade) {
    return TRollTransition::Shade(pixel, shade) | 0xFF000000;
}

std::vector<int> ShadeTable(int width) {
    std::vector<std::int8_t> table;
    int built = -1;
    TRollTransition::BuildShadeTable(table, built, width);
    return {table.begin() + 1, table.begin() + width + 1};
}

} // namespace

TEST(Roll, BandMovesOneColumnAFrameAndNarrowsAtTheFarEdge) {
    const RollRun run = Roll(650, 4, [](ProbeRoll& r) { r.SetUse3D(false); }, {100, 591, 592, 600, 649});
    ASSERT_EQ(run.frames.size(), 650u); // frames 1 ... 650 of 651; the last is the whole new image
    EXPECT_EQ(run.frames.front(), 1);
    EXPECT_EQ(run.frames.back(), 650);
    EXPECT_EQ(run.last, run.newImage.copy(0, 0, 650, 4).convertToFormat(run.last.format()));

    struct Case {
        int frame, bandLeft, bandRight;
    };
    for (const Case c : {Case{100, 40, 100}, Case{591, 531, 591}, Case{592, 534, 592}, Case{600, 550, 600},
                         Case{649, 648, 649}}) {
        const QImage& shown = run.shown.at(c.frame);
        const int s = c.bandRight - c.bandLeft;
        for (int x = 0; x < 650; ++x) {
            QRgb expected = kOld;
            const int mirrored = c.bandRight + s - 1 - (x - c.bandLeft);
            if (x < c.bandLeft)
                expected = Pixel(run.newImage, x);
            else if (x < c.bandRight && mirrored >= 650) // beyond the sheet: nothing to mirror
                continue;
            else if (x < c.bandRight) // mirrored: the strip just beyond the band's edge
                expected = Pixel(run.newImage, mirrored);
            ASSERT_EQ(Pixel(shown, x), expected) << "frame " << c.frame << " column " << x;
        }
    }
}

TEST(Roll, ShadeTableFallsFromTheMiddleToBothEdges) {
    EXPECT_EQ(ShadeTable(1), std::vector<int>({110}));
    EXPECT_EQ(ShadeTable(2), std::vector<int>({-110, 110}));
    const std::vector<int> half = {-110, -102, -95, -87, -80, -72, -64, -57, -49, -42,
                                   -34,  -27,  -19, -11, -4,  4,   11,  19,  27,  34,
                                   42,   49,   57,  64,  72,  80,  87,  95,  102, 110};
    std::vector<int> sixty = half;
    sixty.insert(sixty.end(), half.rbegin(), half.rend());
    EXPECT_EQ(ShadeTable(60), sixty);

    // Building again for the same width only clears the entry past the band.
    std::vector<std::int8_t> table;
    int built = -1;
    TRollTransition::BuildShadeTable(table, built, 3);
    table[4] = 99;
    TRollTransition::BuildShadeTable(table, built, 3);
    EXPECT_EQ(table[4], 0);
    EXPECT_EQ(table[2], 110);
}

TEST(Roll, ShadingSaturatesEachByte) {
    EXPECT_EQ(TRollTransition::Shade(0x80F00A64u, 110), 0xEEFF78D2u);
    EXPECT_EQ(TRollTransition::Shade(0x80F00A64u, -110), 0x12820000u);
    EXPECT_EQ(TRollTransition::Shade(0x12345678u, 0), 0x12345678u);
}

TEST(Roll, BandIsShadedColumnByColumnAlsoWhenPartlyOutside) {
    const RollRun run = Roll(650, 2, [](ProbeRoll&) {}, {10, 100, 600});
    const std::vector<int> shades = ShadeTable(60);
    for (int frame : {10, 100}) {
        const QImage& shown = run.shown.at(frame);
        const int left = frame - 60;
        for (int x = std::max(0, left); x < frame; ++x) {
            const int j = x - left; // 0-based column in the band
            EXPECT_EQ(Pixel(shown, x), Shaded(Pixel(run.newImage, frame + 59 - j), shades[std::size_t(j)]))
                << "frame " << frame << " column " << x;
        }
    }
    const std::vector<int> narrow = ShadeTable(50);
    const QImage& shown = run.shown.at(600);
    for (int x = 550; x < 600; ++x)
        EXPECT_EQ(Pixel(shown, x), Shaded(Pixel(run.newImage, 649 - (x - 550)), narrow[std::size_t(x - 550)]))
            << x;
}

TEST(Roll, ReversedRollsTheOldImageUpFromTheRightEdge) {
    const RollRun run = Roll(300, 2,
                             [](ProbeRoll& r) {
                                 r.SetUse3D(false);
                                 r.SetReversed(true);
                             },
                             {20, 100});
    // Frame 20: the roll is 20 wide and has uncovered the last 20 columns.
    // Frame 100: it is 60 wide (its size) over columns 140 to 199, new from 200 on.
    struct Case {
        int frame, rollLeft, uncovered;
    };
    for (const Case c : {Case{20, 260, 280}, Case{100, 140, 200}}) {
        const QImage& shown = run.shown.at(c.frame);
        for (int x = 0; x < 300; ++x) {
            QRgb expected = kOld;
            if (x >= c.uncovered)
                expected = Pixel(run.newImage, x);
            ASSERT_EQ(Pixel(shown, x), x >= c.rollLeft && x < c.uncovered ? kOld : expected)
                << "frame " << c.frame << " column " << x;
        }
    }
}

TEST(Roll, VerticalDirectionsAndWidthRule) {
    for (TTEEffectDirection d : {te::tedDown, te::tedUp, te::tedLeft}) {
        const RollRun run = Roll(40, 30, [d](ProbeRoll& r) { r.SetDirection(d); }, {});
        const size_t expected = d == te::tedLeft ? 40u : 30u;
        EXPECT_EQ(run.frames.size(), expected) << d;
        EXPECT_EQ(run.last, run.newImage.convertToFormat(run.last.format())) << d;
    }
    TRollTransition roll(nullptr);
    EXPECT_EQ(roll.Direction(), te::tedDown);
    roll.SetDirection(te::tedIn);
    EXPECT_EQ(roll.Direction(), te::tedDown);
    EXPECT_EQ(roll.AdjustWidth(650), 656);
    EXPECT_EQ(roll.AdjustWidth(656), 656);
    roll.SetUse3D(false);
    EXPECT_EQ(roll.AdjustWidth(650), 650);
    roll.SetSize(0);
    EXPECT_EQ(roll.Size(), 1);
    EXPECT_EQ(roll.Description(), QStringLiteral("Roll"));
}

TEST(Roll, InDevicePixelsTheSheetAndBandKeepTheirPlaceAtEveryRatio) {
    // The arithmetic stays in the window's 300 logical columns (301 frames, a 60 wide band);
    // each frame is drawn in device columns: logical column c covers device columns
    // round(c x ratio) up to round((c + 1) x ratio).
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        const auto device = [ratio](int c) { return int(std::floor(c * ratio + 0.5)); };
        const RollRun run = Roll(
            300, 3, [](ProbeRoll& r) { r.SetUse3D(false); }, {30, 150, 270, 290}, ratio);
        ASSERT_EQ(run.frames.size(), 300u) << ratio;
        const int width = device(300);
        ASSERT_EQ(run.last.width(), width) << ratio;
        EXPECT_EQ(run.last, run.newImage.convertToFormat(run.last.format())) << ratio;
        for (const int frame : {30, 150, 270, 290}) {
            // The band narrows to the sheet still on the roll near the far edge.
            const int band = std::min(60, 300 - frame);
            const int bandLeft = device(frame - band), bandRight = device(frame);
            const QImage& shown = run.shown.at(frame);
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < width; ++x) {
                    QRgb expected = kOld;
                    if (x < bandLeft)
                        expected = Pixel(run.newImage, x, y);
                    else if (x < bandRight) // the sheet beyond the band's edge, folded back over it
                        expected = Pixel(run.newImage, std::min(width - 1, 2 * bandRight - 1 - x), y);
                    ASSERT_EQ(Pixel(shown, x, y), expected) << ratio << " frame " << frame << " column " << x;
                }
        }
    }
}

namespace {

// Every pixel of its own: the column in red, the row in green.
QImage Pattern(int width, int height, int blue) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5 % 256, y * 7 % 256, blue));
    return image;
}

// The roll as its formulas put it: band B, flat strip F and the mirror image's first line,
// frame by frame, applied to a picture of the screen.
class RollModel {
public:
    RollModel(TTEEffectDirection d, bool unroll, int size, const QImage& old, const QImage& fresh)
        : d_(d), u_(unroll), size_(size), w_(old.width()), h_(old.height()),
          screen_(old.convertToFormat(QImage::Format_ARGB32)), new_(fresh), rolled_(unroll ? fresh : old) {
        const int w = w_, h = h_, s = size;
        if (u_) {
            switch (d_) {
            case te::tedRight:
                f_ = b_ = {-s, 0, 0, h};
                break;
            case te::tedLeft:
                f_ = b_ = {w, 0, w + s, h};
                break;
            case te::tedDown:
                f_ = b_ = {0, -s, w, 0};
                break;
            default:
                f_ = {0, h + s, w, h + s}, b_ = {0, h, w, h + s};
                break;
            }
        } else {
            switch (d_) {
            case te::tedRight:
                f_ = b_ = {0, 0, 0, h};
                break;
            case te::tedLeft:
                f_ = b_ = {w, 0, w, h};
                break;
            case te::tedDown:
                f_ = b_ = {0, 0, w, 0};
                break;
            default:
                f_ = b_ = {0, h, w, h};
                break;
            }
        }
    }
    int Frames() const { return (Horizontal() ? w_ : h_) + 1; }
    // Where the formulas leave the pixel open.
    static constexpr QRgb kUnknown = 0;

    const QImage& Frame(int n, int k) {
        int first = 0; // of the mirror image, along the way
        if (u_) {
            const int s = Frames() - n < size_ ? Frames() - n - 1 : size_;
            switch (d_) {
            case te::tedRight:
                b_.Right += k, b_.Left = b_.Right - s, f_.Left = f_.Right, f_.Right = b_.Left;
                first = w_ - b_.Right - s;
                break;
            case te::tedLeft:
                b_.Left -= k, b_.Right = b_.Left + s, f_.Right = f_.Left, f_.Left = b_.Right;
                first = w_ - b_.Right + s - 1;
                break;
            case te::tedDown:
                b_.Bottom += k, b_.Top = b_.Bottom - s, f_.Top = f_.Bottom, f_.Bottom = b_.Top;
                first = h_ - b_.Bottom - s;
                break;
            default:
                b_.Top -= k, b_.Bottom = b_.Top + s, f_.Bottom = f_.Top, f_.Top = b_.Bottom;
                first = h_ - b_.Bottom + s - 1;
                break;
            }
        } else {
            const int s = std::min(n, size_);
            switch (d_) {
            case te::tedRight:
                f_.Left = f_.Right, f_.Right += k, b_.Left = f_.Right, b_.Right = f_.Right + s;
                first = w_ - b_.Left - 1;
                break;
            case te::tedLeft:
                f_.Right = f_.Left, f_.Left -= k, b_.Right = f_.Left, b_.Left = f_.Left - s;
                first = w_ - b_.Right - s;
                break;
            case te::tedDown:
                f_.Top = f_.Bottom, f_.Bottom += k, b_.Top = f_.Bottom, b_.Bottom = f_.Bottom + s;
                first = h_ - b_.Top - 1;
                break;
            default:
                f_.Bottom = f_.Top, f_.Top -= k, b_.Bottom = f_.Top, b_.Top = f_.Top - s;
                first = h_ - b_.Bottom - s;
                break;
            }
        }
        for (int y = std::max(0, b_.Top); y < std::min(h_, b_.Bottom); ++y)
            for (int x = std::max(0, b_.Left); x < std::min(w_, b_.Right); ++x) {
                // M(x, y) is the rolled image mirrored along the way; beyond the sheet (the
                // frame before the band narrows) there is nothing to mirror.
                const QPoint source = Horizontal() ? QPoint(w_ - 1 - (first + x - b_.Left), y)
                                                   : QPoint(x, h_ - 1 - (first + y - b_.Top));
                screen_.setPixel(x, y, rolled_.valid(source) ? rolled_.pixel(source) : kUnknown);
            }
        for (int y = std::max(0, f_.Top); y < std::min(h_, f_.Bottom); ++y)
            for (int x = std::max(0, f_.Left); x < std::min(w_, f_.Right); ++x)
                screen_.setPixel(x, y, new_.pixel(x, y));
        return screen_;
    }

private:
    bool Horizontal() const { return d_ == te::tedRight || d_ == te::tedLeft; }

    TTEEffectDirection d_;
    bool u_;
    int size_, w_, h_;
    TRect b_, f_;
    QImage screen_, new_, rolled_;
};

} // namespace

TEST(Roll, EveryDirectionUnrolledOrRolledUpFollowsItsFormulas) {
    EnsureQtApp();
    constexpr int kWidth = 40, kHeight = 30, kSize = 7;
    const QImage old = Pattern(kWidth, kHeight, 11), fresh = Pattern(kWidth, kHeight, 222);
    for (const TTEEffectDirection d : {te::tedRight, te::tedLeft, te::tedDown, te::tedUp})
        for (const bool unroll : {true, false}) {
            FakeClock clock;
            FakeDisplay display;
            display.screen = old;
            display.rendered = fresh;
            QWidget target;
            target.setGeometry(0, 0, kWidth, kHeight);
            target.show();
            ProbeRoll roll(nullptr);
            roll.SetDirection(d);
            roll.SetUnroll(unroll);
            roll.SetSize(kSize);
            roll.SetUse3D(false);
            RollModel model(d, unroll, kSize, old, fresh);
            int previous = 0, checked = 0;
            display.onCopy = [&](const QImage&, const QList<TRect>&) {
                if (roll.current == previous) // the whole new image after the last frame
                    return;
                const QImage& expected = model.Frame(roll.current, roll.current - previous);
                previous = roll.current;
                ++checked;
                for (int y = 0; y < kHeight; ++y)
                    for (int x = 0; x < kWidth; ++x) {
                        if (expected.pixel(x, y) == RollModel::kUnknown)
                            continue;
                        ASSERT_EQ(Pixel(display.last->screen, x, y), expected.pixel(x, y))
                            << "direction " << d << (unroll ? " unrolled" : " rolled up") << ", frame "
                            << roll.current << ", pixel " << x << ", " << y;
                    }
            };
            ASSERT_TRUE(roll.Prepare(&target, Rect(0, 0, kWidth, kHeight)));
            roll.Execute();
            EXPECT_EQ(checked, model.Frames() - 1) << d << unroll;
            target.hide();
        }
}
