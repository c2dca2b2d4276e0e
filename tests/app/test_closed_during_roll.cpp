// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/uColors_BlackWhite.h"
#include "app/uMusic_FC.h"
#include "controls/XiButton.h"
#include "sound/MidiGen.h"
#include "sound/abfComponents.h"
#include "transitions/TransEff.h"

#include <QCloseEvent>

using ClosedDuringRoll = ProgramTest;

// The close box pressed while the window rolls in: the request waits in the queue until the roll
// has ended. The window then goes without a word: no question, no note, no note name.
TEST_F(ClosedDuringRoll, LevelSaysNothingAfterwards) {
    struct Case {
        TForm* window;
        TControl* category;
        const char* level;
    };
    const Case cases[] = {{frmColors_BlackWhite, frmMain->btnColors, "btnColors1"},
                          {frmMusic_FC, frmMain->btnMusic, "btnMusic1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window->Caption().toStdString());
        auto* roll = c.window->findChild<TTransitionEffect*>(QStringLiteral("Transition1"));
        ASSERT_TRUE(roll);
        roll->OnStartTransition = [&](QObject*) { QCoreApplication::postEvent(c.window, new QCloseEvent); };
        QStringList played;
        frmMain->Player->OnPlayBefore = [&played](QObject*) { played << frmMain->Player->FileName(); };
        frmMain->Midi->SetOctave(1);
        frmMain->Midi->SetNote(mgD);

        ClickOn(c.category);
        ClickOn(frmMain->findChild<TBitBtn*>(QString::fromLatin1(c.level)));
        QCoreApplication::processEvents();
        frmMain->Player->OnPlayBefore = nullptr;
        roll->OnStartTransition = nullptr;

        EXPECT_FALSE(c.window->Visible());
        EXPECT_TRUE(played.isEmpty()) << played.join(u' ').toStdString();
        // The music windows set the note just before they sound it.
        EXPECT_EQ(frmMain->Midi->Octave(), 1);
        EXPECT_EQ(frmMain->Midi->Note(), mgD);
    }
}
