// SPDX-License-Identifier: GPL-3.0-or-later
// The reward after the last question of a level: a picture and applause; it closes
// itself after four seconds.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TfrmReward : public TForm {
    Q_OBJECT
public:
    explicit TfrmReward(QObject* owner);

    TImage* Image1;
    TBitBtn* btnFinish;
    TTimer* Timer;

public Q_SLOTS:
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void TimerTimer(TObject* Sender);
    void btnFinishClick(TObject* Sender);
};

extern TfrmReward* frmReward;
