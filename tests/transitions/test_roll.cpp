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
