// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Activity.h"
#include "app/uMain.h"
#include "app/uReward.h"
#include "controls/RzRadChk.h"

#include "platform/PlaySound.h"

#include <chrono>

int CurrentStep = 0;

namespace {

// The window's transition is set up in the first moments after its show handler: loading the
// sound library meanwhile would hold that up, so the sound's work waits this long.
constexpr std::chrono::milliseconds SoundAfterSetUp{100};

// The first time a level is asked for, the sound output opens and the recordings are decoded in
// the background while its window rolls in, so that the first question sounds at once. The main
// menu makes no sound: until then no sound library is loaded at all.
void ReadySoundForTheFirstLevel() {
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    QStringList recordings;
    for (const char* name : {"clap", "black", "white", "blue", "red", "yellow", "green", "circle", "triangle",
                             "square", "E", "F", "G", "A", "B", "C", "D"})
        recordings << QStringLiteral("sounds\\%1.wav").arg(QLatin1String(name));
    WarmUpSound(recordings, SoundAfterSetUp);
}

} // namespace

TActivityForm::TActivityForm(QObject* owner) : TForm(owner) {
    OnActivate = [this](QObject*) { CatchUpWithCounter(); };
}

void TActivityForm::FormShow(TObject*) {
    ReadySoundForTheFirstLevel();
    InitForm();
    shownStep_ = CurrentStep;
}

void TActivityForm::CatchUpWithCounter() {
    // A counter outside this window's table asks nothing it could show.
    if (!isVisible() || shownStep_ == CurrentStep || Row() < 0)
        return;
    InitForm();
    shownStep_ = CurrentStep;
    btnPlayClick(this);
}

void TActivityForm::FormClose(TObject*, TCloseAction&) {
    frmMain->Show();
}

void TActivityForm::btnBackClick(TObject*) {
    Close();
}

int TActivityForm::Row() const {
    return CurrentStep >= 1 && CurrentStep <= QuestionCount() ? CurrentStep - 1 : -1;
}

void TActivityForm::Answer(int step) {
    if (CurrentStep != step)
        return;
    if (step < QuestionCount()) {
        CurrentStep = step + 1;
        frmMain->CorrectAnswer(this);
        return;
    }
    frmReward->Show();
    Close();
    // Closing brought the main menu forward; the reward belongs in front of it.
    frmReward->Show();
}

bool TActivityForm::StillOpenAfterRoll() {
    Application->ProcessMessages();
    return Visible() && !Application->Terminated();
}

bool TActivityForm::HintsOn() {
    return frmMain->chkHints->Checked();
}
