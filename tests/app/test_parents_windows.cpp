// SPDX-License-Identifier: GPL-3.0-or-later
// The parents' windows as the user drives them: the quit question answers No unless Yes is
// pressed, and the settings window changes the kept settings at once.
#include "app/Settings.h"
#include "app/uQuestion.h"
#include "app/uSettings.h"
#include "controls/RzRadChk.h"
#include "controls/XiButton.h"
#include "framework/ComCtrls.h"
#include "program_fixture.h"

#include <QTimer>

namespace {

class ParentsWindows : public ProgramTest {
protected:
    void TearDown() override {
        Settings().Update([](TParentSettings& s) { s = TParentSettings(); });
        ProgramTest::TearDown();
    }
};

// Asks, while `answer` acts on the shown question.
bool AskAndAnswer(TfrmQuestion& question, const std::function<void()>& answer) {
    QTimer::singleShot(50, &question, answer);
    return question.Ask(QStringLiteral("Quit Tovimar Plumkin?"));
}

} // namespace

TEST_F(ParentsWindows, TheQuestionAnswersNoUnlessYesIsPressed) {
    TfrmQuestion question(nullptr);
    EXPECT_LT(question.btnYes->Left(), question.btnNo->Left()) << "Yes on the left";
    EXPECT_TRUE(question.btnNo->Default());
    EXPECT_TRUE(AskAndAnswer(question, [&] { ClickOn(question.btnYes); }));
    EXPECT_FALSE(AskAndAnswer(question, [&] { ClickOn(question.btnNo); }));
    EXPECT_FALSE(AskAndAnswer(question, [&] { question.close(); })) << "the close box";
    EXPECT_EQ(question.lblQuestion->Caption(), QStringLiteral("Quit Tovimar Plumkin?"));
    EXPECT_FALSE(question.isVisible());
}

TEST_F(ParentsWindows, SettingsWindowChangesTheSettingsAtOnce) {
    TfrmSettings settings(nullptr);
    settings.Show();
    ClickOn(settings.chkAskBeforeQuitting);
    EXPECT_TRUE(Settings().Values().AskBeforeQuitting);
    ClickOn(settings.trkVoiceVolume);
    EXPECT_EQ(Settings().Values().VoiceVolume, 50);
    EXPECT_EQ(Settings().Values().PianoVolume, 100);
    ClickOn(settings.chkMuted);
    EXPECT_TRUE(Settings().Values().Muted);

    // Changed elsewhere, shown here.
    Settings().Update([](TParentSettings& s) { s.PianoVolume = 20; });
    EXPECT_EQ(settings.trkPianoVolume->Position(), 20);
    ClickOn(settings.btnClose);
    EXPECT_FALSE(settings.isVisible());
}
