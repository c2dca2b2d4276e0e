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
    EXPECT_TRUE(TfrmColors_BlueRedYellow::Accepted({a, a.translated(1, 1), a.translated(2, 2)}));
    EXPECT_FALSE(TfrmColors_BlueRedYellow::Accepted({a, a.translated(1, 1), a.translated(2, 1)}));
    const QRect b(0, 0, 100, 100);
    EXPECT_TRUE(TfrmColors_All::Accepted({b, b.translated(101, 101), b, b, b, b}));
    EXPECT_FALSE(TfrmColors_All::Accepted({b, b.translated(101, 100), b, b, b, b}));
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

    // Chosen directly while another level has moved the counter.
    ClickOn(w->btnBack);
    ClickOn(level1);
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    expectAsksBlue("window chosen after another level");
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
