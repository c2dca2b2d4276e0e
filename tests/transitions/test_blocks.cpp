// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "transitions/teBlock.h"

#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr QRgb kOld = 0xFF203040;

class ProbeBlocks : public TBlockTransition {
public:
    using TBlockTransition::TBlockTransition;
    void DrawFrame(TTETransitionData& data, int frame, int step, int count, int previous) override {
        TBlockTransition::DrawFrame(data, frame, step, count, previous);
        frames.push_back({frame, step});
        order.clear();
        rects.clear();
        for (int p = 1; p <= count; ++p) {
            order.push_back(OrderAt(p));
            rects.push_back(BlockRect(order.back() / 65536, order.back() % 65536));
        }
    }
    std::vector<std::pair<int, int>> frames;
    std::vector<int> order;
    std::vector<TRect> rects;
};

struct BlockRun {
    std::vector<FakeSurface::Copied> copies;
    std::vector<std::pair<int, int>> frames;
    std::vector<int> order;
    std::vector<TRect> rects;
    QImage last;
    QImage newImage;
    QImage oldShown;
};

// Reveals a `width` x `height` widget; at `ratio` the images are that many times larger in
// device pixels. `onFrame` sees the screen after each frame.
BlockRun Reveal(int width, int height, std::function<void(ProbeBlocks&)> configure = {}, double frameCost = 0,
                double ratio = 1, std::function<void(const QImage&)> onFrame = {}) {
    EnsureQtApp();
    FakeClock clock;
    FakeDisplay display;
    BlockRun run;
    display.ratio = ratio;
    const QSize device = DeviceSize(QSize(width, height), ratio);
    display.screen = Solid(device.width(), device.height(), kOld);
    display.rendered = run.newImage = Columns(device.width(), device.height(), 200);
    QWidget target;
    target.setGeometry(0, 0, width, height);
    target.show();
    ProbeBlocks blocks(nullptr);
    if (configure)
        configure(blocks);
    display.onCopy = [&](const QImage&, const QList<TRect>&) {
        clock.AdvanceMs(frameCost);
        if (onFrame)
            onFrame(display.last->screen);
    };
    EXPECT_TRUE(blocks.Prepare(&target, Rect(0, 0, width, height)));
    blocks.Execute();
    run.copies = display.last->copies;
    run.frames = blocks.frames;
    run.order = blocks.order;
    run.rects = blocks.rects;
    run.last = display.last->screen;
    run.oldShown = display.last->shownOver;
    target.hide();
    return run;
}

} // namespace

TEST(Blocks, EachFrameRevealsItsBlockOnceAndTheLastComesWithTheFinalCopy) {
    const BlockRun run = Reveal(650, 500);
    ASSERT_EQ(run.frames.size(), 129u); // 13 x 10 blocks; frames 1 ... 129 of 130
    ASSERT_EQ(run.order.size(), 130u);
    ASSERT_EQ(run.copies.size(), 130u);
    std::set<int> seen;
    for (int i = 0; i < 129; ++i) {
        EXPECT_EQ(run.frames[std::size_t(i)], std::make_pair(i + 1, 1));
        const int block = run.order[std::size_t(i)];
        const int row = block / 65536, col = block % 65536;
        ASSERT_TRUE(row >= 1 && row <= 10 && col >= 1 && col <= 13) << block;
        EXPECT_TRUE(seen.insert(block).second) << "block revealed twice: " << block;
        // Straight from the new image onto the render window, nothing else.
        const FakeSurface::Copied& copy = run.copies[std::size_t(i)];
        ASSERT_EQ(copy.rects.size(), 1);
        const TRect r = copy.rects[0];
        EXPECT_EQ(r.Left, col == 1 ? 0 : int(std::nearbyint(50.0 * (col - 1))));
        EXPECT_EQ(r.Top, row == 1 ? 0 : int(std::nearbyint(50.0 * (row - 1))));
        EXPECT_EQ(r.Width(), 50);
        EXPECT_EQ(r.Height(), 50);
    }
    EXPECT_EQ(seen.count(run.order[129]), 0u);
    EXPECT_EQ(run.copies.back().rects, QList<TRect>{Rect(0, 0, 650, 500)});
    EXPECT_EQ(run.last, run.newImage.convertToFormat(run.last.format()));
}

TEST(Blocks, GridRoundsTiesToEvenAndTilesWithoutGaps) {
    struct Case {
        int width, cols;
    };
    for (const Case c : {Case{75, 2}, Case{125, 2}, Case{30, 1}, Case{20, 1}, Case{650, 13}, Case{642, 13}}) {
        const BlockRun run = Reveal(c.width, 100);
        EXPECT_EQ(run.order.size(), std::size_t(c.cols) * 2) << c.width;
    }
    // 642 x 466 (the main menu): 13 x 9 blocks that tile it exactly.
    const BlockRun run = Reveal(642, 466);
    ASSERT_EQ(run.rects.size(), 13u * 9u);
    QRegion covered;
    int area = 0;
    for (const TRect& r : run.rects) {
        covered += r.ToQRect();
        area += r.Width() * r.Height();
    }
    EXPECT_EQ(area, 642 * 466);
    EXPECT_EQ(covered, QRegion(0, 0, 642, 466));
}

TEST(Blocks, EveryShowingShufflesAnew) {
    const BlockRun first = Reveal(650, 500);
    const BlockRun second = Reveal(650, 500);
    EXPECT_NE(first.order, second.order);
}

TEST(Blocks, SlowFramesSwitchToMaskedCopiesAndStillEndOnTheNewImage) {
    // A frame that costs most of the time makes the next step larger than 100 blocks.
    const BlockRun run = Reveal(
        650, 500, [](ProbeBlocks& b) { b.SetMilliseconds(100); }, 45);
    ASSERT_GE(run.frames.size(), 2u);
    EXPECT_GT(run.frames[1].second, 100);
    // The masked frame copies each of its blocks from the work bitmap.
    EXPECT_EQ(run.copies[1].rects.size(), run.frames[1].second);
    EXPECT_EQ(run.last, run.newImage.convertToFormat(run.last.format()));
}

TEST(Blocks, PropertiesAcceptAndKeepTheirValues) {
    TBlockTransition b(nullptr);
    EXPECT_EQ(b.Style(), 1);
    EXPECT_EQ(b.SubStyle(), 1);
    b.SetSubStyle(2); // style 1 has one sub-style
    EXPECT_EQ(b.SubStyle(), 1);
    b.SetStyle(2);
    b.SetSubStyle(8);
    EXPECT_EQ(b.SubStyle(), 8);
    b.SetStyle(5);
    EXPECT_EQ(b.Style(), 2);
    b.SetStyle(0);
    EXPECT_EQ(b.SubStyle(), 0);
    b.SetCols(4);
    EXPECT_EQ(b.BlockWidth(), 0);
    b.SetBlockWidth(-3);
    EXPECT_EQ(b.BlockWidth(), 1);
    EXPECT_EQ(b.Cols(), 0);
    b.SetRows(-2);
    EXPECT_EQ(b.Rows(), 1);
    EXPECT_EQ(b.BlockHeight(), 0);
    b.SetDual(true);
    b.SetPuzzle(true);
    EXPECT_TRUE(b.Dual() && b.Puzzle());
    EXPECT_EQ(b.Description(), QStringLiteral("Blocks"));
    EXPECT_EQ(b.AdjustWidth(642), 672);
}

TEST(Blocks, DualAndRandomSubStyleChangeNothingInStyleOne) {
    const BlockRun run = Reveal(650, 500, [](ProbeBlocks& b) {
        b.SetDual(true);
        b.SetSubStyle(0);
    });
    EXPECT_EQ(run.frames.size(), 129u);
    EXPECT_EQ(run.last, run.newImage.convertToFormat(run.last.format()));
}

TEST(Blocks, InDevicePixelsEachBlockShowsTheNewImageAtItsPlaceAtEveryRatio) {
    // The main menu's 642 x 466: the grid stays 13 x 9 blocks of the window's logical pixels;
    // each block is revealed over its device pixels, and every pixel on screen is either the
    // old screen or the new image at the same place.
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        const auto device = [ratio](int v) { return int(std::floor(v * ratio + 0.5)); };
        const QSize size(device(642), device(466));
        const QImage newImage = Columns(size.width(), size.height(), 200);
        int frames = 0;
        QRegion revealed;
        std::vector<TRect> blocks;
        const BlockRun run = Reveal(642, 466, {}, 0, ratio, [&](const QImage& screen) {
            if (++frames % 32 != 1)
                return;
            for (int y = 0; y < screen.height(); ++y) {
                const auto* shown = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
                const auto* fresh = reinterpret_cast<const QRgb*>(newImage.constScanLine(y));
                int wrong = -1;
                for (int x = 0; x < screen.width() && wrong < 0; ++x)
                    if (shown[x] != kOld && shown[x] != fresh[x])
                        wrong = x;
                ASSERT_EQ(wrong, -1) << ratio << " frame " << frames << " row " << y;
            }
        });
        ASSERT_EQ(run.rects.size(), 13u * 9u) << ratio;
        ASSERT_EQ(run.last.size(), size) << ratio;
        EXPECT_EQ(run.last, run.newImage.convertToFormat(run.last.format())) << ratio;
        // Frame i copied block i of the order, in device pixels, and the blocks tile the image.
        int area = 0;
        for (std::size_t i = 0; i + 1 < run.rects.size(); ++i) {
            const TRect logical = run.rects[i];
            const TRect expected{device(logical.Left), device(logical.Top), device(logical.Right),
                                 device(logical.Bottom)};
            ASSERT_EQ(run.copies[i].rects, QList<TRect>{expected}) << ratio << " frame " << i + 1;
        }
        for (const TRect& logical : run.rects) {
            const QRect r = QRect(QPoint(device(logical.Left), device(logical.Top)),
                                  QPoint(device(logical.Right) - 1, device(logical.Bottom) - 1));
            revealed += r;
            area += r.width() * r.height();
        }
        EXPECT_EQ(area, size.width() * size.height()) << ratio;
        EXPECT_EQ(revealed, QRegion(QRect(QPoint(0, 0), size))) << ratio;
    }
}
