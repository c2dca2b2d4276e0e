// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/uReward.h"

using Reward = ProgramTest;

TEST_F(Reward, ShowingStartsAFreshFourSecondCount) {
    frmReward->Show();
    EXPECT_TRUE(frmReward->Timer->Enabled());
    EXPECT_EQ(frmReward->Timer->Interval(), 4000);
    frmReward->btnFinishClick(nullptr);
    EXPECT_FALSE(frmReward->Visible());
    EXPECT_FALSE(frmReward->Timer->Enabled());
}

TEST_F(Reward, TimerTickClosesTheShownWindowAndIsHarmlessWhenHidden) {
    frmReward->Show();
    frmReward->TimerTimer(frmReward->Timer);
    EXPECT_FALSE(frmReward->Visible());
    EXPECT_FALSE(frmReward->Timer->Enabled());

    // A tick while hidden must not close (and so silence) anything.
    bool closed = false;
    const auto previous = frmReward->OnClose;
    frmReward->OnClose = [&](QObject*, TCloseAction&) { closed = true; };
    frmReward->TimerTimer(frmReward->Timer);
    EXPECT_FALSE(closed);
    frmReward->OnClose = previous;
}
