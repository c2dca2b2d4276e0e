// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/Placement.h"
#include "app/uColors_All.h"
#include "app/uColors_BlackWhite.h"
#include "app/uColors_BlueRedYellow.h"
#include "app/uReward.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/XiButton.h"
#include "sound/abfComponents.h"

#include <climits>
#include <cmath>

namespace {

// Deterministic seeds, so that a failing placement can be replayed.
struct CountingSeeds {
    CountingSeeds() {
        PlacementSeeds = [this] { return next++; };
    }
    ~CountingSeeds() { PlacementSeeds = ClockSeed; }
    std::uint32_t next = 1;
};

std::vector<QRect> Places(const TColorActivity* window) {
    std::vector<QRect> places;
    for (TShape* shape : window->Shapes)
        places.push_back(shape->BoundsRect().ToQRect());
    return places;
}

void Open(TForm* window, const char* button) {
    ClickOn(frmMain->btnColors);
    CurrentStep = 99;
    ClickOn(frmMain->findChild<TBitBtn*>(QString::fromLatin1(button)));
    ASSERT_TRUE(window->Visible());
}

} // namespace

using Colors = ProgramTest;

TEST_F(Colors, PlacementsKeepEachWindowsRuleOverManySeeds) {
    CountingSeeds seeds;
    struct Case {
        TColorActivity* window;
        bool (*rule)(const std::vector<QRect>&);
    };
    const Case cases[] = {{frmColors_BlackWhite, TfrmColors_BlackWhite::Accepted},
                          {frmColors_BlueRedYellow, TfrmColors_BlueRedYellow::Accepted},
                          {frmColors_All, TfrmColors_All::Accepted}};
    for (const Case& c : cases) {
        const QRect field(0, 0, c.window->pnlMid->Width(), c.window->pnlMid->Height());
        for (int i = 0; i < 300; ++i) {
            c.window->btnRandomizeClick(nullptr);
            const std::vector<QRect> places = Places(c.window);
            ASSERT_TRUE(c.rule(places)) << c.window->Caption().toStdString() << " seed near " << seeds.next;
            for (const QRect& place : places)
                ASSERT_TRUE(field.contains(place.adjusted(0, 0, 1, 1))) << c.window->Caption().toStdString();
        }
    }
}

TEST_F(Colors, RulesMatchTheirDefinitions) {
    const QRect a(0, 0, 170, 170);
    EXPECT_FALSE(TfrmColors_BlackWhite::Accepted({a, a.translated(170, 5)}));
    EXPECT_TRUE(TfrmColors_BlackWhite::Accepted({a, a.translated(171, 5)}));
    EXPECT_FALSE(TfrmColors_BlackWhite::Accepted({a, a.translated(300, 0)}));
    EXPECT_TRUE(TfrmColors_BlueRedYellow::LeftsAndTopsDiffer({a, a.translated(1, 1), a.translated(2, 2)}));
    EXPECT_FALSE(TfrmColors_BlueRedYellow::LeftsAndTopsDiffer({a, a.translated(1, 1), a.translated(2, 1)}));
    const QRect b(0, 0, 100, 100);
    EXPECT_TRUE(TfrmColors_All::BlueAndRedApart({b, b.translated(101, 101), b, b, b, b}));
    EXPECT_FALSE(TfrmColors_All::BlueAndRedApart({b, b.translated(101, 100), b, b, b, b}));
}

TEST_F(Colors, EveryCircleMustShowAtLeastHalfOfItself) {
    const QRect a(100, 50, 170, 170);
    // Red 70 px to the left of blue and yellow 70 px to its right each hide just under half of
    // blue; together they hide most of it.
    const std::vector<double> shares =
        VisibleShares({a, a.translated(-70, 2), a.translated(70, -2), a.translated(400, 0)});
    EXPECT_NEAR(shares[0], 0.10, 0.02);
    EXPECT_NEAR(shares[1], 0.91, 0.02);
    EXPECT_DOUBLE_EQ(shares[2], 1.0);
    EXPECT_DOUBLE_EQ(shares[3], 1.0);
    // A circle is hidden only by the circles above it.
    EXPECT_NEAR(VisibleShares({a, a.translated(70, 2)})[0], 0.51, 0.02);
    EXPECT_NEAR(VisibleShares({a, a.translated(50, 2)})[0], 0.37, 0.02);

    struct Case {
        const char* what;
        bool (*rule)(const std::vector<QRect>&);
        std::vector<QRect> circles;
        bool accepted;
    };
    const QRect b(0, 0, 100, 100);
    const Case cases[] = {
        {"level 2, overlapping a little",
         TfrmColors_BlueRedYellow::Accepted,
         {a, a.translated(120, 10), a.translated(240, 20)},
         true},
        {"level 2, red over most of blue",
         TfrmColors_BlueRedYellow::Accepted,
         {a, a.translated(50, 2), a.translated(300, 20)},
         false},
        {"level 2, blue between red and yellow",
         TfrmColors_BlueRedYellow::Accepted,
         {a, a.translated(-70, 2), a.translated(70, -2)},
         false},
        {"level 3, yellow over a fifth of black",
         TfrmColors_All::Accepted,
         {b, b.translated(200, 150), b.translated(400, 0), b.translated(430, 60), b.translated(0, 180),
          b.translated(200, 20)},
         true},
        {"level 3, yellow over nearly all of black",
         TfrmColors_All::Accepted,
         {b, b.translated(200, 150), b.translated(400, 0), b.translated(410, 10), b.translated(0, 180),
          b.translated(200, 20)},
         false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rule(c.circles), c.accepted) << c.what;
}

TEST_F(Colors, PlacementsShowEveryCircleHalfAndSpreadAsBefore) {
    struct Level {
        TColorActivity* window;
        TPlacementRule before;
        TPlacementRule now;
    };
    const Level levels[] = {
        {frmColors_BlueRedYellow, TfrmColors_BlueRedYellow::LeftsAndTopsDiffer,
         TfrmColors_BlueRedYellow::Accepted},
        {frmColors_All, TfrmColors_All::BlueAndRedApart, TfrmColors_All::Accepted},
    };
    // Standard deviation of each circle's left and top over many placements.
    const auto spread = [](const std::vector<std::vector<QRect>>& placements, std::size_t circle) {
        double n = 0, x = 0, y = 0, xx = 0, yy = 0;
        for (const std::vector<QRect>& places : placements) {
            const QPoint p = places[circle].topLeft();
            n += 1;
            x += p.x();
            y += p.y();
            xx += double(p.x()) * p.x();
            yy += double(p.y()) * p.y();
        }
        return QPointF(std::sqrt(xx / n - x * x / n / n), std::sqrt(yy / n - y * y / n / n));
    };
    for (const Level& level : levels) {
        SCOPED_TRACE(level.window->Caption().toStdString());
        const std::vector<QRect> layout = Places(level.window);
        const QSize field(level.window->pnlMid->Width(), level.window->pnlMid->Height());
        std::vector<std::vector<QRect>> before, now;
        {
            CountingSeeds seeds;
            for (int i = 0; i < 300; ++i)
                before.push_back(PlaceAtRandom(layout, field, level.before));
        }
        CountingSeeds seeds;
        int left = INT_MAX, right = 0, top = INT_MAX, bottom = 0;
        for (int i = 0; i < 300; ++i) {
            now.push_back(PlaceAtRandom(layout, field, level.now));
            ASSERT_TRUE(level.now(now.back())) << "seed near " << seeds.next;
            for (double share : VisibleShares(now.back()))
                ASSERT_GE(share, 0.5);
            for (const QRect& place : now.back()) {
                left = std::min(left, place.left());
                right = std::max(right, place.right() + 1);
                top = std::min(top, place.top());
                bottom = std::max(bottom, place.bottom() + 1);
            }
        }
        // Still the whole field, and each circle as widely spread as without the new condition.
        EXPECT_LT(left, 10);
        EXPECT_GT(right, field.width() - 10);
        EXPECT_LT(top, 10);
        EXPECT_GT(bottom, field.height() - 10);
        for (std::size_t circle = 0; circle < layout.size(); ++circle) {
            const QPointF was = spread(before, circle);
            const QPointF is = spread(now, circle);
            EXPECT_GT(is.x(), 0.8 * was.x()) << "circle " << circle + 1;
            EXPECT_GT(is.y(), 0.8 * was.y()) << "circle " << circle + 1;
        }
    }
}

TEST_F(Colors, VisiblePartOfACircleInAnotherCirclesEmptyCornerAnswersIt) {
    Open(frmColors_BlueRedYellow, "btnColors2");
    TfrmColors_BlueRedYellow* w = frmColors_BlueRedYellow;
    ASSERT_EQ(CurrentStep, 1);
    // Yellow's square reaches over blue; its top-left corner, empty, lies on blue.
    w->Shapes[0]->SetBounds(100, 50, 170, 170);
    w->Shapes[1]->SetBounds(440, 20, 170, 170);
    w->Shapes[2]->SetBounds(230, 100, 170, 170);
    const QPoint onBlue(236, 106);
    ClickOn(w->Shapes[2], onBlue - w->Shapes[2]->pos());
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the red Color."));
}

TEST_F(Colors, TinyPlayFieldStillEndsThePlacement) {
    CountingSeeds seeds;
    const int width = frmColors_BlackWhite->ClientWidth();
    const int height = frmColors_BlackWhite->ClientHeight();
    // Narrower than a circle, whatever size an earlier showing scaled the circles to.
    frmColors_BlackWhite->SetClientWidth(frmColors_BlackWhite->Shapes[0]->Width() - 50);
    frmColors_BlackWhite->SetClientHeight(170);
    frmColors_BlackWhite->btnRandomizeClick(nullptr);
    for (const QRect& place : Places(frmColors_BlackWhite))
        EXPECT_EQ(place.topLeft(), QPoint(0, 0));
    frmColors_BlackWhite->SetClientWidth(width);
    frmColors_BlackWhite->SetClientHeight(height);
}

TEST_F(Colors, FieldWhereNoCircleCanShowHalfStillEndsThePlacement) {
    CountingSeeds seeds;
    const QRect circle(0, 0, 170, 170);
    const std::vector<QRect> placed =
        PlaceAtRandom({circle, circle, circle}, QSize(200, 200), TfrmColors_BlueRedYellow::Accepted);
    EXPECT_EQ(placed.size(), 3u);
    EXPECT_EQ(seeds.next, 1u + MaxPlacementAttempts);
}

TEST_F(Colors, BlackWhitePlaysThroughWithWrongClicksIgnored) {
    Open(frmColors_BlackWhite, "btnColors1");
    TfrmColors_BlackWhite* w = frmColors_BlackWhite;
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the black Color."));
    EXPECT_EQ(w->objHint->Color(), 0x000000);
    EXPECT_TRUE(w->objHint->Visible());

    ClickOn(w->Shapes[1]);
    EXPECT_EQ(CurrentStep, 1);
    ClickOn(w->pnlMid, QPoint(0, 0));
    EXPECT_EQ(CurrentStep, 1);

    // The corner of the circle's square answers as the circle.
    ClickOn(w->Shapes[0], QPoint(1, 1));
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the white Color."));
    EXPECT_EQ(w->objHint->Color(), 0xFFFFFF);

    ClickOn(w->Shapes[0]);
    EXPECT_EQ(CurrentStep, 2);
    ClickOn(w->Shapes[1]);
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(frmReward->Visible());
}

TEST_F(Colors, OverlapAnswersTheHigherCircle) {
    Open(frmColors_BlueRedYellow, "btnColors2");
    TfrmColors_BlueRedYellow* w = frmColors_BlueRedYellow;
    // Stack all three at one place: only yellow, on top, can be hit.
    for (TShape* shape : w->Shapes)
        shape->SetBounds(10, 10, 170, 170);
    ClickOn(w->Shapes[0]);
    EXPECT_EQ(CurrentStep, 1);
    CurrentStep = 3;
    for (TShape* shape : w->Shapes)
        shape->SetBounds(10, 10, 170, 170);
    ClickOn(w->Shapes[0]);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(frmReward->Visible());
}

TEST_F(Colors, AllLevelAsksInItsOrderAndBackLeavesItOpen) {
    Open(frmColors_All, "btnColors3");
    TfrmColors_All* w = frmColors_All;
    const int order[] = {0, 2, 3, 5, 4, 1};
    const char* prompts[] = {"blue", "black", "yellow", "green", "white", "red"};
    for (int step = 0; step < 6; ++step) {
        EXPECT_EQ(w->lblInstructions->Caption(),
                  QStringLiteral("Click the %1 Color.").arg(QLatin1String(prompts[step])));
        // Move the others aside, so that no circle covers the asked one.
        for (TShape* shape : w->Shapes)
            if (shape != w->Shapes[order[step]])
                shape->SetLeft(-1000);
        ClickOn(w->Shapes[order[step]]);
    }
    EXPECT_EQ(CurrentStep, 6);
    EXPECT_FALSE(w->Visible());
}

TEST_F(Colors, AllLevelBroughtBackAsksTheQuestionItAccepts) {
    TfrmColors_All* w = frmColors_All;
    TBitBtn* level1 = frmMain->findChild<TBitBtn*>(QStringLiteral("btnColors1"));
    TBitBtn* level3 = frmMain->findChild<TBitBtn*>(QStringLiteral("btnColors3"));
    auto answerBlue = [w] {
        for (TShape* shape : w->Shapes)
            if (shape != w->Shapes[0])
                shape->SetLeft(-1000);
        ClickOn(w->Shapes[0]);
    };
    QStringList played;
    frmMain->Player->OnPlayBefore = [&played](QObject*) { played << frmMain->Player->FileName(); };
    auto expectAsksBlue = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(CurrentStep, 1);
        EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the blue Color."));
        EXPECT_EQ(w->objHint->Color(), 0xFF0000);
        EXPECT_EQ(played.value(played.size() - 1), QStringLiteral("sounds\\blue.wav"));
        played.clear();
    };
    Open(w, "btnColors3");
    answerBlue();
    ASSERT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the black Color."));

    // Back leaves the level open behind the main menu; its button brings it forward at question 1.
    ClickOn(w->btnBack);
    ASSERT_TRUE(w->Visible());
    ClickOn(level3);
    expectAsksBlue("level button again");
    ClickOn(w->Shapes[2]); // black, no longer asked
    EXPECT_EQ(CurrentStep, 1);
    answerBlue();
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the black Color."));

    // The same with another level opened in between.
    ClickOn(w->btnBack);
    ClickOn(level1);
    ASSERT_TRUE(frmColors_BlackWhite->Visible());
    ClickOn(level3);
    expectAsksBlue("level button after another level");
    answerBlue();
    EXPECT_EQ(CurrentStep, 2);

    // Another level closes it: no level is left behind to refuse its own answers.
    ClickOn(w->btnBack);
    ClickOn(level1);
    EXPECT_FALSE(w->Visible());
    frmMain->Player->OnPlayBefore = nullptr;
}

TEST_F(Colors, HintsOffHidesTheSwatchButKeepsItsColour) {
    frmMain->chkHints->SetChecked(false);
    Open(frmColors_BlueRedYellow, "btnColors2");
    EXPECT_FALSE(frmColors_BlueRedYellow->objHint->Visible());
    EXPECT_EQ(frmColors_BlueRedYellow->objHint->Color(), 0xFF0000);
    frmMain->chkHints->SetChecked(true);
    // Takes effect at the next preparation, not at once.
    EXPECT_FALSE(frmColors_BlueRedYellow->objHint->Visible());
    frmColors_BlueRedYellow->btnRandomizeClick(nullptr);
    EXPECT_TRUE(frmColors_BlueRedYellow->objHint->Visible());
    EXPECT_EQ(CurrentStep, 1);
}
