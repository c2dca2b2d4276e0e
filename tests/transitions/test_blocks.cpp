// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "transitions/teBlock.h"

#include <QWidget>
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

BlockRun Reveal(int width, int height, std::function<void(ProbeBlocks&)> configure = {},
                double frameCost = 0) {
    EnsureQtApp();
    FakeClock clock;
    FakeDisplay display;
    BlockRun run;
    display.screen = Solid(width, height, kOld);
    display.rendered = run.newImage = Columns(width, height, 200);
    QWidget target;
    target.setGeometry(0, 0, width, height);
    target.show();
    ProbeBlocks blocks(nullptr);
    if (configure)
        configure(blocks);
    display.onCopy = [&](const QImage&, const QList<TRect>&) { clock.AdvanceMs(frameCost); };
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
