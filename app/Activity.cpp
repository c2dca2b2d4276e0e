// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Activity.h"
#include "app/uMain.h"
#include "app/uReward.h"
#include "controls/RzRadChk.h"
#include "framework/Messages.h"
#include "framework/StdCtrls.h"

#include "platform/PlaySound.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>

int CurrentStep = 0;

namespace {

// The window's transition is set up in the first moments after its show handler: loading the
// sound library meanwhile would hold that up, so the sound's work waits this long.
constexpr std::chrono::milliseconds SoundAfterSetUp{100};
// Between the prompt and what stands to its right.
constexpr int PromptGap = 8;

} // namespace

// The first time a level is asked for, its recordings and the applause are decoded in the
// background while its window rolls in (the first level also opens the sound output), so that
// its questions sound at once. The main menu makes no sound: until a level is asked for, no
// sound library is loaded at all, and only the recordings of levels asked for are kept.
void TActivityForm::ReadySound() {
    if (soundReady_)
        return;
    soundReady_ = true;
    QStringList recordings{QStringLiteral("sounds\\clap.wav")};
    for (int row = 0; row < QuestionCount(); ++row)
        if (!recordings.contains(Sound(row)))
            recordings << Sound(row);
    WarmUpSound(recordings, SoundAfterSetUp);
}

TActivityForm::TActivityForm(QObject* owner) : TForm(owner) {
    OnActivate = [this](QObject*) { CatchUpWithCounter(); };
}

void TActivityForm::FormShow(TObject*) {
    ReadySound();
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

void TActivityForm::ShowPrompt(int row) {
    Instructions()->SetCaption(QCoreApplication::translate("TActivityForm", Prompt(row)));
}

void TActivityForm::FitPrompt() {
    // Size messages come while the layout is read, before the controls are bound.
    TLabel* label = Instructions();
    const auto* bar = label ? qobject_cast<const TControl*>(label->parentWidget()) : nullptr;
    if (!bar)
        return;
    int right = bar->Width();
    for (const QObject* child : bar->children()) {
        const auto* control = qobject_cast<const TControl*>(child);
        if (control && control != label && control->Visible() && control->Left() > label->Left())
            right = std::min(right, control->Left());
    }
    label->SetFitWidth(std::max(1, right - PromptGap - label->Left()));
}

void TActivityForm::LanguageChanged() {
    if (shownStep_ >= 1 && shownStep_ <= QuestionCount())
        ShowPrompt(shownStep_ - 1);
    FitPrompt();
}

void TActivityForm::WndProc(TMessage& message) {
    TForm::WndProc(message);
    if (message.Msg == WM_SIZE || message.Msg == WM_SHOWWINDOW || message.Msg == WM_EXITSIZEMOVE)
        FitPrompt();
}

bool TActivityForm::HintsOn() {
    return frmMain->chkHints->Checked();
}
