// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/uColors_All.h"
#include "app/uColors_BlackWhite.h"
#include "controls/RzLabel.h"
#include "controls/RzStatus.h"
#include "controls/XiButton.h"

using MainMenu = ProgramTest;

TEST_F(MainMenu, StartsAloneWithColorsPageAndTickBesideColors) {
    int visible = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TForm*>(window); form && form->Visible())
            ++visible;
    EXPECT_EQ(visible, 1);
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_EQ(frmMain->Caption(), QStringLiteral("Tovimar Plumkin 0.1.0.0"));
    EXPECT_EQ(frmMain->urlCopyright->Caption(), frmMain->Info->LegalCopyright());
    EXPECT_FALSE(frmMain->urlCopyright->Caption().isEmpty());

    // The page shown is the one the tick stands beside: Colors.
    const StartingMenu& menu = MenuAtStart();
    ASSERT_NE(menu.page, nullptr);
    EXPECT_EQ(menu.pageIndex, 0);
    EXPECT_EQ(menu.page->Name(), QStringLiteral("TabSheet1"));
    EXPECT_NE(menu.page->findChild<TBitBtn*>(QStringLiteral("btnColors1")), nullptr);
    EXPECT_EQ(menu.page->findChild<TBitBtn*>(QStringLiteral("btnShapes1")), nullptr);
    EXPECT_EQ(menu.tickLeft, 40);
    EXPECT_EQ(menu.tickTop, 125);
    EXPECT_EQ(frmMain->btnColors->Top() + frmMain->btnColors->Height() / 2 - frmMain->imgTick->Height() / 2,
              menu.tickTop);
}

TEST_F(MainMenu, EveryWindowCarriesTheGamesIcon) {
    ASSERT_FALSE(Application->Icon().isNull());
    int forms = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TForm*>(window)) {
            ++forms;
            EXPECT_EQ(form->windowIcon().cacheKey(), Application->Icon().cacheKey())
                << form->Caption().toStdString();
        }
    EXPECT_GE(forms, 11);
}

TEST_F(MainMenu, CategoryButtonsMoveTheTickAndSwitchPages) {
    struct Case {
        TXiButton* button;
        int tickTop;
        int page;
    };
    const Case cases[] = {{frmMain->btnMusic, 237, 1},
                          {frmMain->btnColors, 125, 0},
                          {frmMain->btnShapes, 181, 2},
                          {frmMain->btnShapes, 181, 2}};
    for (const Case& c : cases) {
        ClickOn(c.button);
        EXPECT_EQ(frmMain->imgTick->Top(), c.tickTop) << c.button->Caption().toStdString();
        EXPECT_EQ(frmMain->imgTick->Left(), 40);
        EXPECT_EQ(frmMain->pgPages->ActivePageIndex(), c.page) << c.button->Caption().toStdString();
    }
}

TEST_F(MainMenu, LevelButtonResetsTheCounterAndShowsTheLevel) {
    ClickOn(frmMain->btnColors);
    CurrentStep = 7;
    auto* level1 = frmMain->findChild<TBitBtn*>(QStringLiteral("btnColors1"));
    ASSERT_NE(level1, nullptr);
    ClickOn(level1);
    EXPECT_EQ(CurrentStep, 1);
    EXPECT_TRUE(frmColors_BlackWhite->Visible());
}
