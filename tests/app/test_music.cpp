// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/uMusic_EFGABCD.h"
#include "app/uMusic_FC.h"
#include "app/uReward.h"
#include "controls/RzPanel.h"
#include "controls/XiButton.h"
#include "sound/MidiGen.h"
#include "sound/abfComponents.h"

namespace {

TLabel* Label(TForm* window, const char* name) {
    return window->findChild<TLabel*>(QString::fromLatin1(name));
}

void Open(TForm* window, const char* button) {
    ClickOn(frmMain->btnMusic);
    ClickOn(frmMain->findChild<TBitBtn*>(QString::fromLatin1(button)));
    ASSERT_TRUE(window->Visible());
}

} // namespace

using Music = ProgramTest;

// Each showing sounds its note and waits a second before the name, so these run a few seconds.
TEST_F(Music, FirstLevelSetsNoteAndNameAndIgnoresClefAndWrongNotes) {
    Open(frmMusic_FC, "btnMusic1");
    TMusicActivity* w = frmMusic_FC;
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the F note."));
    EXPECT_EQ(w->objHint->Caption(), QStringLiteral(".U.u."));
    EXPECT_EQ(frmMain->Midi->Octave(), 4);
    EXPECT_EQ(frmMain->Midi->Note(), mgF);
    EXPECT_EQ(frmMain->Player->FileName(), QStringLiteral("sounds\\F.wav"));

    for (const char* name : {"lblClef", "lblStaff_End", "lblC2"}) {
        ClickOn(Label(w, name));
        EXPECT_EQ(CurrentStep, 1) << name;
    }
    ClickOn(Label(w, "lblF"));
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the C note."));
    EXPECT_EQ(frmMain->Midi->Octave(), 5);
    EXPECT_EQ(frmMain->Midi->Note(), mgC);
    EXPECT_EQ(frmMain->Player->FileName(), QStringLiteral("sounds\\C.wav"));

    ClickOn(Label(w, "lblC2"));
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(frmReward->Visible());
}

TEST_F(Music, TopBarTakesTheColourOfEachNote) {
    CurrentStep = 1;
    TMusicActivity* w = frmMusic_EFGABCD;
    const TColor first[] = {0x0000FF, 0x01CAFC, 0x00CC00};
    for (int step = 1; step <= 3; ++step) {
        CurrentStep = step;
        w->InitForm();
        EXPECT_EQ(w->pnlTop->Color(), first[step - 1]) << step;
    }
    CurrentStep = 7;
    w->InitForm();
    EXPECT_EQ(w->objHint->Caption(), QStringLiteral(".Zs."));
    EXPECT_NE(w->pnlTop->Color(), 0x00CC00);
}
