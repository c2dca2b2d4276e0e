// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "framework/Guard.h"
#include "transitions/teTimed.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A timed effect whose frames cost what the test says, on the fake clock.
class Probe : public TTimedTransitionEffect {
public:
    Probe(FakeClock& clock, int frameCount, double frameCost)
        : TTimedTransitionEffect(nullptr), clock_(clock) {
        count = frameCount;
        cost = frameCost;
    }
    void Initialize(TTETransitionData& data, int& frameCount) override {
        TTimedTransitionEffect::Initialize(data, frameCount);
        frameCount = count;
    }
    void DrawFrame(TTETransitionData& data, int frame, int step, int frameCount, int previous) override {
        TTimedTransitionEffect::DrawFrame(data, frame, step, frameCount, previous);
        clock_.AdvanceMs(cost);
        drawn.push_back(frame);
    }
    int count;
    double cost;
    std::vector<int> drawn;

private:
    FakeClock& clock_;
};

struct Timing {
    std::vector<int> drawn;
    double took;
    QImage shown;
};

// Animates 100 x 10 images with `frames` frames in `ms` milliseconds, each costing `cost`.
Timing Animate(FakeClock& clock, int frames, int ms, double cost) {
    EnsureQtApp();
    Probe probe(clock, frames, cost);
    probe.SetMilliseconds(ms);
    QImage oldImage = Solid(100, 10, 0xFF000000), newImage = Columns(100, 10);
    FakeSurface surface;
    surface.ShowOver(QRect(0, 0, 100, 10), oldImage);
    TTETransitionData data;
    data.SrcImage = &oldImage;
    data.DstImage = &newImage;
    data.Canvas = &surface;
    data.Width = data.DeviceWidth = 100;
    data.Height = data.DeviceHeight = 10;
    const double start = clock.NowMs();
    probe.Animate(data);
    return {probe.drawn, clock.NowMs() - start, surface.screen};
}

bool Increasing(const std::vector<int>& frames, int below) {
    for (std::size_t i = 1; i < frames.size(); ++i)
        if (frames[i] <= frames[i - 1])
            return false;
    return frames.empty() || (frames.front() >= 1 && frames.back() < below);
}

} // namespace

TEST(RunTimed, HoldsTheDurationWhateverAFrameCosts) {
    struct Case {
        double cost;
        std::size_t fewest, most;
    };
    for (const Case c : {Case{0.1, 640, 650}, Case{20, 60, 80}}) {
        FakeClock clock;
        const Timing t = Animate(clock, 651, 1500, c.cost);
        EXPECT_GE(t.drawn.size(), c.fewest) << c.cost;
        EXPECT_LE(t.drawn.size(), c.most) << c.cost;
        EXPECT_TRUE(Increasing(t.drawn, 651)) << c.cost;
        // Frames are skipped, never slowed: the run ends within a frame of its time (frame 0
        // is not drawn, so the last cycle ends one share early).
        EXPECT_NEAR(t.took, 1500, 1500.0 / 651 + c.cost) << c.cost;
        EXPECT_EQ(t.shown, Columns(100, 10)) << c.cost;
    }
}

TEST(RunTimed, JumpsToTheEndWhenTheTimeIsUsedUp) {
    FakeClock clock;
    const Timing t = Animate(clock, 651, 30, 50);
    EXPECT_EQ(t.drawn, std::vector<int>{1});
    EXPECT_EQ(t.shown, Columns(100, 10));
    EXPECT_LT(t.took, 51);
}

TEST(RunTimed, CycleMeasuredAsTakingNoTimeKeepsTheSmallestStep) {
    FakeClock clock;
    clock.highResolution = false; // a millisecond clock: most cycles read 0 ms of work
    const Timing t = Animate(clock, 651, 100, 0);
    EXPECT_TRUE(Increasing(t.drawn, 651));
    EXPECT_GE(t.drawn.size(), 90u);
    EXPECT_NEAR(t.took, 100, 2);
    EXPECT_EQ(t.shown, Columns(100, 10));
}

TEST(RunTimed, NoDurationDrawsEveryFrame) {
    FakeClock clock;
    const Timing t = Animate(clock, 651, 0, 0.5);
    ASSERT_EQ(t.drawn.size(), 650u);
    EXPECT_EQ(t.drawn.back(), 650);
    EXPECT_EQ(t.shown, Columns(100, 10));
}

TEST(Chrono, ReadsZeroWhenStoppedAndKeepsTimeWhenPaused) {
    FakeClock clock;
    clock.tick = 0;
    TTEChrono chrono;
    EXPECT_EQ(chrono.Elapsed(), 0);
    chrono.Start();
    clock.AdvanceMs(5);
    EXPECT_DOUBLE_EQ(chrono.Elapsed(), 5);
    chrono.Pause();
    clock.AdvanceMs(5);
    EXPECT_DOUBLE_EQ(chrono.Elapsed(), 5);
    chrono.Start();
    clock.AdvanceMs(1);
    EXPECT_DOUBLE_EQ(chrono.Elapsed(), 6);
    chrono.Stop();
    EXPECT_EQ(chrono.Elapsed(), 0);
}

namespace {

enum class Step { None, Before, Start, End, After };

// One effect over a shown widget, with every event logged.
struct EventRun : ::testing::Test {
    EventRun() {
        EnsureQtApp();
        target.setGeometry(0, 0, 100, 10);
        target.show();
        display.rendered = Columns(100, 10);
    }
    ~EventRun() override { target.hide(); }

    void Watch(TTransitionEffect& effect, Step throwing = Step::None) {
        auto handler = [&, throwing](const char* name, Step step) {
            return [&, name, step, throwing](QObject* sender) {
                EXPECT_EQ(sender, &effect);
                log.push_back(name);
                if (step == Step::End) {
                    coveredAtEnd = display.last && display.last->Visible();
                    runningAtEnd = TTransitionEffect::TransitionRunning();
                }
                if (step == Step::After) {
                    coveredAtAfter = display.last && display.last->Visible();
                    runningAtAfter = TTransitionEffect::TransitionRunning();
                }
                if (step == throwing)
                    throw std::runtime_error(name);
            };
        };
        effect.OnBeforeTransition = handler("before", Step::Before);
        effect.OnStartTransition = handler("start", Step::Start);
        effect.OnEndTransition = handler("end", Step::End);
        effect.OnAfterTransition = handler("after", Step::After);
    }

    FakeClock clock;
    FakeDisplay display;
    QWidget target;
    std::vector<std::string> log;
    bool coveredAtEnd = false, runningAtEnd = false, coveredAtAfter = true, runningAtAfter = true;
};

using Execute = EventRun;

} // namespace

TEST_F(Execute, FiresItsEventsInOrderWithTheLastFrameStillCovering) {
    Probe effect(clock, 10, 0);
    Watch(effect);
    ASSERT_TRUE(effect.Prepare(&target, Rect(0, 0, 100, 10)));
    EXPECT_TRUE(TTransitionEffect::TransitionRunning());
    effect.Execute();
    EXPECT_EQ(log, (std::vector<std::string>{"before", "start", "end", "after"}));
    EXPECT_TRUE(coveredAtEnd);
    EXPECT_TRUE(runningAtEnd);
    EXPECT_FALSE(coveredAtAfter);
    EXPECT_FALSE(runningAtAfter);
    EXPECT_EQ(effect.drawn.size(), 9u);
    EXPECT_FALSE(effect.Prepared());
}

TEST_F(Execute, ExceptionFromAnyHandlerReachesTheCallerAfterCleanUp) {
    struct Case {
        Step throwing;
        std::vector<std::string> fired;
    };
    const Case cases[] = {
        {Step::Before, {"before"}},
        {Step::Start, {"before", "start", "after"}},
        {Step::End, {"before", "start", "end", "after"}},
        {Step::After, {"before", "start", "end", "after"}},
    };
    for (const Case& c : cases) {
        log.clear();
        Probe effect(clock, 10, 0);
        Watch(effect, c.throwing);
        ASSERT_TRUE(effect.Prepare(&target, Rect(0, 0, 100, 10)));
        EXPECT_THROW(effect.Execute(), std::runtime_error) << c.fired.back();
        EXPECT_EQ(log, c.fired);
        EXPECT_FALSE(effect.Prepared());
        EXPECT_FALSE(effect.Executing());
        EXPECT_FALSE(TTransitionEffect::TransitionRunning());
        EXPECT_FALSE(display.last->Visible());
    }
}

TEST_F(Execute, NoFramesCancelsSilentlyWithoutTheEndEvent) {
    Probe effect(clock, 0, 0);
    Watch(effect);
    ASSERT_TRUE(effect.Prepare(&target, Rect(0, 0, 100, 10)));
    EXPECT_THROW(effect.Execute(), EAbort);
    EXPECT_EQ(log, (std::vector<std::string>{"before", "start", "after"}));
    EXPECT_FALSE(TTransitionEffect::TransitionRunning());
}

TEST_F(Execute, SecondTransitionIsRefusedWhileOneRuns) {
    Probe first(clock, 10, 0), second(clock, 10, 0);
    bool secondPrepared = true;
    first.OnStartTransition = [&](QObject*) {
        secondPrepared = second.Prepare(&target, Rect(0, 0, 100, 10));
    };
    Watch(second);
    ASSERT_TRUE(first.Prepare(&target, Rect(0, 0, 100, 10)));
    first.Execute();
    EXPECT_FALSE(secondPrepared);
    // Unprepared, it only announces itself.
    second.Execute();
    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    EXPECT_TRUE(second.drawn.empty());
    EXPECT_TRUE(second.Prepare(&target, Rect(0, 0, 100, 10)));
    second.Unprepare();
}

TEST_F(Execute, DisabledEffectRunsOnlyWhenFlickerFree) {
    Probe effect(clock, 10, 0);
    Watch(effect);
    effect.SetEnabled(false);
    EXPECT_FALSE(effect.Prepare(&target, Rect(0, 0, 100, 10)));
    effect.Execute();
    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));

    log.clear();
    effect.SetFlickerFreeWhenDisabled(true);
    ASSERT_TRUE(effect.Prepare(&target, Rect(0, 0, 100, 10)));
    effect.Execute();
    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    EXPECT_TRUE(effect.drawn.empty());
    EXPECT_EQ(display.last->screen, Columns(100, 10));
}

TEST_F(Execute, AbortQueryEndsTheAnimationEarlyWithTheNewImage) {
    Probe effect(clock, 651, 1);
    effect.SetMilliseconds(1500);
    const double start = clock.NowMs();
    effect.OnAbortQuery = [&](QObject*, TTransitionEffect*, bool& abort) {
        abort = clock.NowMs() - start > 500;
    };
    ASSERT_TRUE(effect.Prepare(&target, Rect(0, 0, 100, 10)));
    effect.Execute();
    EXPECT_GT(effect.drawn.size(), 100u);
    EXPECT_LT(effect.drawn.size(), 400u);
    EXPECT_EQ(display.last->screen, Columns(100, 10));
}

TEST(Effect, DirectionAndVersion) {
    EnsureQtApp();
    TFlickerFreeTransition cut(nullptr);
    cut.SetDirection(te::tedRight);
    EXPECT_EQ(cut.Direction(), te::tedNone);
    EXPECT_EQ(cut.Version(), QStringLiteral("Version 3.3"));
    cut.SetVersion(QStringLiteral("x"));
    EXPECT_EQ(cut.Version(), QStringLiteral("Version 3.3"));
    EXPECT_EQ(cut.Description(), QStringLiteral("Flicker free cut"));
    EXPECT_TRUE(TTransitionEffect::DefaultTransition()->FlickerFreeWhenDisabled());
}
