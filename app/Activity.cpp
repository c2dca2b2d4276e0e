// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Activity.h"
#include "app/uMain.h"
#include "app/uReward.h"
#include "controls/RzRadChk.h"

int CurrentStep = 0;

TActivityForm::TActivityForm(QObject* owner) : TForm(owner) {
    OnActivate = [this](QObject*) { CatchUpWithCounter(); };
}

void TActivityForm::FormShow(TObject*) {
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
