#include "program_fixture.h"

#include "app/uColors_All.h"
#include "app/uColors_BlackWhite.h"
#include "controls/RzLabel.h"
#include "controls/RzStatus.h"
#include "controls/XiButton.h"

using MainMenu = ProgramTest;

TEST_F(MainMenu, StartsAloneWithShapesPageAndTickBesideColors) {
    int visible = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TForm*>(window); form && form->Visible())
            ++visible;
    EXPECT_EQ(visible, 1);
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_EQ(frmMain->Caption(), QStringLiteral("Tovimar Plumkin 0.1.0.0"));
    EXPECT_EQ(frmMain->urlCopyright->Caption(), frmMain->Info->LegalCopyright());
    EXPECT_FALSE(frmMain->urlCopyright->Caption().isEmpty());
}

TEST_F(MainMenu, CategoryButtonsMoveTheTickAndSwitchPages) {
    struct Case {
        TXiButton* button;
        int tickTop;
        int page;
    };
    const Case cases[] = {{frmMain->btnMusic, 237, 1}, {frmMain->btnColors, 125, 0},
                          {frmMain->btnShapes, 181, 2}, {frmMain->btnShapes, 181, 2}};
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
