// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uReward.h"
#include "app/uMain.h"
#include "sound/abfComponents.h"

TfrmReward* frmReward = nullptr;

TfrmReward::TfrmReward(QObject* owner) : TForm(owner) {
    LoadLayout(QStringLiteral(":/layouts/uReward.layout"));
    Bind(Image1, "Image1");
    Bind(btnFinish, "btnFinish");
    Bind(Timer, "Timer");
}

void TfrmReward::FormShow(TObject*) {
    frmMain->Player->SetFileName(QStringLiteral("sounds\\clap.wav"));
    frmMain->Player->Play();
    Timer->SetEnabled(true);
}

void TfrmReward::TimerTimer(TObject*) {
    Timer->SetEnabled(false);
    // A late tick must not stop what a level opened meanwhile is saying.
    if (Visible())
        Close();
}

void TfrmReward::btnFinishClick(TObject*) {
    Close();
}

void TfrmReward::FormClose(TObject*, TCloseAction&) {
    frmMain->Player->Stop();
    // The next showing counts its four seconds afresh.
    Timer->SetEnabled(false);
    // The keyboard goes back to the menu, which lies beneath, so that keys go on working
    // (unless a level was opened meanwhile and has them).
    if (isActiveWindow())
        frmMain->activateWindow();
}
