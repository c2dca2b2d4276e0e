// SPDX-License-Identifier: GPL-3.0-or-later
// The painter's timing on a fake clock: delays in 12 ms units with their limits, speed,
// overrun compensation, loop counts, the loop point and empty frames; and a stop that ends
// a long wait at once on the real clock.
#include "../framework/qt_app.h"
#include "fake_clock.h"
#include "gif_builder.h"
#include "pictures/GIFImage.h"

#include <QFile>
#include <QPointer>
#include <gtest/gtest.h>

using gif::Builder;

namespace {

const std::vector<QRgb> kPalette = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

// A painter run on a 2 x 1 image target, recording which frame was shown when.
class PainterRun {
public:
    explicit PainterRun(const QByteArray& bytes) : target_(2, 1, QImage::Format_RGB32), canvas_(&target_) {
        picture_.LoadFromData(bytes);
        picture_.SetClock(&Clock);
        picture_.OnBeforeFrame = [this](TGIFPainter* painter) {
            Frames.push_back(painter->ActiveFrame());
            Times.push_back(Clock.Now());
            if (StopAfter > 0 && int(Frames.size()) >= StopAfter)
                painter->Stop();
        };
    }
    TGIFImage& Picture() { return picture_; }

    // Runs to the end: threaded painters are started and served until they are gone.
    void Play(TGIFPaintOptions options) {
        TGIFPainter* painter = TGIFPainter::Create(&picture_, &canvas_, {0, 0, 2, 1}, options);
        if (!painter)
            return;
        painter->Start();
        ASSERT_TRUE(RunUntil([this] { return NoPainters(picture_); }));
    }

    FakeClock Clock;
    std::vector<int> Frames;
    std::vector<std::int64_t> Times;
    int StopAfter = 0;

private:
    TGIFImage picture_;
    QImage target_;
    TCanvas canvas_;
};

constexpr TGIFPaintOptions kThreaded = kDefaultPaintOptions;
constexpr TGIFPaintOptions kSynchronous = kDefaultPaintOptions & ~poThreaded;

// Frames of one colour each; `controls` gives each frame's delay (< 0: no graphic control
// extension); the loop block, when asked for, stands before frame `loopFrame`.
QByteArray Animation(const std::vector<int>& delays, int loops = -1, int loopFrame = 0) {
    Builder builder;
    builder.Header(2, 1, kPalette);
    for (size_t i = 0; i < delays.size(); ++i) {
        if (loops >= 0 && int(i) == loopFrame)
            builder.Loop(loops);
        if (delays[i] >= 0)
            builder.Control(dmNoDisposal, delays[i]);
        builder.Frame(gif::Solid(0, 0, 2, 1, std::uint8_t(i % 4)));
    }
    return builder.Trailer().Bytes();
}

class GifPainter : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApp(); }
};

} // namespace

TEST_F(GifPainter, DelaysAreTwelveMillisecondUnitsWithinTheirLimits) {
    struct Case {
        const char* Name;
        int Delay;
        TGIFPaintOptions Options;
        int Speed;
        std::int64_t Wait;
    };
    const Case cases[] = {
        {"reward frame", 10, kThreaded, 100, 120},
        {"zero", 0, kThreaded, 100, 120},
        {"no control block", -1, kThreaded, 100, 120},
        {"one", 1, kThreaded, 100, 36},
        {"two", 2, kThreaded, 100, 36},
        {"5000 threaded", 5000, kThreaded, 100, 60000},
        {"5000 synchronous", 5000, kSynchronous, 100, 12000},
        {"twice as fast", 10, kThreaded, 200, 60},
        {"half as fast", 10, kThreaded, 50, 240},
        {"synchronous at speed 0", 10, kSynchronous, 0, 12000},
        {"synchronous at speed -1", 10, kSynchronous, -1, 12000},
    };
    for (const Case& c : cases) {
        PainterRun run(Animation({c.Delay, 10}));
        run.Picture().SetSpeedPercent(c.Speed);
        run.Play(c.Options);
        EXPECT_EQ(run.Frames, (std::vector<int>{0, 1})) << c.Name;
        ASSERT_EQ(run.Times.size(), 2u) << c.Name;
        EXPECT_EQ(run.Times[1] - run.Times[0], c.Wait) << c.Name;
        if (c.Options & poThreaded) {
            EXPECT_EQ(run.Clock.Waits(), std::vector<std::int64_t>{c.Wait}) << c.Name;
        } else {
            // Slices of at most 100 ms.
            const auto sleeps = run.Clock.Sleeps();
            EXPECT_EQ(*std::max_element(sleeps.begin(), sleeps.end()), 100) << c.Name;
        }
    }
}

// The reward picture: nine frames 120 ms apart, the ninth followed by the first, for ever.
TEST_F(GifPainter, RewardPictureLoopsEndlesslyAt120Milliseconds) {
    QFile file(QStringLiteral(TP_SOURCE_DIR "/resources/pictures/reward.gif"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    PainterRun run(file.readAll());
    run.StopAfter = 30;
    run.Play(kThreaded);
    std::vector<int> expected;
    for (int i = 0; i < 30; ++i)
        expected.push_back(i % 9);
    EXPECT_EQ(run.Frames, expected);
    for (size_t i = 1; i < run.Times.size(); ++i)
        EXPECT_EQ(run.Times[i] - run.Times[i - 1], 120) << i;
}

// Half of what a frame's drawing overran comes off the next wait.
TEST_F(GifPainter, OverrunShortensTheNextWaitByHalf) {
    PainterRun run(Animation({10, 10, 10, 10}));
    run.Picture().OnAfterFrame = [&run](TGIFPainter*) { run.Clock.Advance(20); };
    run.Play(kThreaded);
    EXPECT_EQ(run.Clock.Waits(), (std::vector<std::int64_t>{110, 110, 110}));
}

TEST_F(GifPainter, SpeedZeroHoldsTheFirstFrameUntilStopped) {
    PainterRun run(Animation({10, 10, 10}));
    run.Picture().SetSpeedPercent(0);
    TGIFPainter* painter = nullptr;
    QImage target(2, 1, QImage::Format_RGB32);
    TCanvas canvas(&target);
    TGIFPainter* created = TGIFPainter::Create(&run.Picture(), &canvas, {0, 0, 2, 1}, kThreaded, &painter);
    ASSERT_EQ(created, painter);
    painter->Start();
    ASSERT_TRUE(RunUntil([&] { return !run.Clock.Waits().empty(); }));
    EXPECT_EQ(run.Clock.Waits(), std::vector<std::int64_t>{-1});
    EXPECT_EQ(run.Frames, std::vector<int>{0});
    painter->Stop();
    ASSERT_TRUE(RunUntil([&] { return NoPainters(run.Picture()); }));
    EXPECT_EQ(painter, nullptr);
    EXPECT_EQ(run.Frames, std::vector<int>{0});
}

TEST_F(GifPainter, NegativeSpeedShowsFramesWithoutWaiting) {
    PainterRun run(Animation({10, 10, 10}));
    run.Picture().SetSpeedPercent(-1);
    run.Play(kThreaded);
    EXPECT_EQ(run.Frames, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(run.Clock.Waits().empty());
}

TEST_F(GifPainter, LoopCountsAndTheLoopPoint) {
    struct Case {
        const char* Name;
        QByteArray Bytes;
        TGIFPaintOptions Options;
        std::vector<int> Frames;
    };
    const Case cases[] = {
        {"no loop block: one pass", Animation({5, 5, 5}), kThreaded, {0, 1, 2}},
        {"three passes", Animation({5, 5}, 3), kThreaded, {0, 1, 0, 1, 0, 1}},
        {"three passes, synchronous", Animation({5, 5}, 3), kSynchronous, {0, 1, 0, 1, 0, 1}},
        {"for ever, synchronous: once", Animation({5, 5}, 0), kSynchronous, {0, 1}},
        {"for ever", Animation({5, 5}, 0), kThreaded, {0, 1, 0, 1, 0, 1, 0}},
        {"loop forever option", Animation({5, 5}, 2), kThreaded | poLoopForever, {0, 1, 0, 1, 0, 1, 0}},
        {"without poLoop", Animation({5, 5}, 0), kThreaded & ~poLoop, {0, 1}},
        {"without poAnimate", Animation({5, 5}, 0), kThreaded & ~poAnimate, {0}},
        {"loop point at frame 2", Animation({5, 5, 5, 5}, 0, 2), kThreaded, {0, 1, 2, 3, 2, 3, 2}},
    };
    for (const Case& c : cases) {
        PainterRun run(c.Bytes);
        run.StopAfter = 7;
        run.Play(c.Options);
        EXPECT_EQ(run.Frames, c.Frames) << c.Name;
    }
}

// A frame without pixels (an extension followed by a zero byte) ends every pass there.
TEST_F(GifPainter, EmptyFrameEndsEveryPass) {
    Builder builder;
    builder.Header(2, 1, kPalette).Loop(3).Control(1, 5).Frame(gif::Solid(0, 0, 2, 1, 1));
    builder.Control(1, 5).Frame(gif::Solid(0, 0, 2, 1, 2));
    builder.Control(1, 5).Raw(QByteArray(1, '\0'));
    builder.Control(1, 5).Frame(gif::Solid(0, 0, 2, 1, 3)).Trailer();
    PainterRun run(builder.Bytes());
    ASSERT_EQ(run.Picture().FrameCount(), 4);
    ASSERT_TRUE(run.Picture().Frame(2).Empty());
    run.Play(kThreaded);
    EXPECT_EQ(run.Frames, (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST_F(GifPainter, HooksRunOnTheUiThreadInTheirOrder) {
    PainterRun run(Animation({5, 5}, 2));
    std::vector<std::string> calls;
    auto record = [&](const char* name) {
        return [&calls, name](TGIFPainter*) {
            EXPECT_TRUE(IsUIThread());
            calls.push_back(name);
        };
    };
    run.Picture().OnRunStart = record("start");
    run.Picture().OnAfterFrame = record("after");
    run.Picture().OnLoopRestart = record("restart");
    run.Picture().OnRunEnd = record("end");
    run.Play(kThreaded);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"start", "after", "after", "restart", "after", "after", "end"}));
}

// On the real clock: a threaded painter waiting out a 60 s delay ends as soon as it is
// stopped.
TEST_F(GifPainter, StopEndsALongWaitAtOnce) {
    TGIFImage picture;
    picture.LoadFromData(Animation({5000, 10}));
    QImage target(2, 1, QImage::Format_RGB32);
    TCanvas canvas(&target);
    TGIFPainter* painter = TGIFPainter::Create(&picture, &canvas, {0, 0, 2, 1}, kThreaded);
    painter->Start();
    ASSERT_TRUE(RunUntil([&] { return painter->Started(); }));
    const auto stopped = std::chrono::steady_clock::now();
    picture.StopPainting();
    const auto took = std::chrono::steady_clock::now() - stopped;
    EXPECT_TRUE(NoPainters(picture));
    EXPECT_LT(took, std::chrono::seconds(5));
}

TEST_F(GifPainter, SynchronousDrawOutlivesItsPictureDestroyedByAMessage) {
    FakeClock clock;
    auto* picture = new TGIFImage;
    picture->LoadFromData(Animation({10, 10}));
    picture->SetPaintOptions(kSynchronous);
    picture->SetClock(&clock);
    const QPointer<TGIFImage> alive(picture);
    // Handled while the painter waits before the second frame.
    QMetaObject::invokeMethod(
        qApp, [picture] { delete picture; }, Qt::QueuedConnection);
    QImage target(2, 1, QImage::Format_RGB32);
    target.fill(Qt::black);
    TCanvas canvas(&target);
    picture->Draw(canvas, {0, 0, 2, 1});
    EXPECT_TRUE(alive.isNull());
}
