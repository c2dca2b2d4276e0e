// SPDX-License-Identifier: GPL-3.0-or-later
// A question with two large answers, Yes on the left and No on the right. No is the default:
// Enter, Escape and the close box all answer No.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class QEventLoop;
class TXiButton;
class TXiPanel;

class TfrmQuestion : public TForm {
    Q_OBJECT
public:
    explicit TfrmQuestion(QObject* owner);

    TLabel* lblQuestion;
    TXiPanel* pnlBottom;
    TXiButton* btnYes;
    TXiButton* btnNo;

    // Shows `question` in front of every game window, which wait for the answer; true for Yes.
    bool Ask(const QString& question);

public Q_SLOTS:
    void btnYesClick(TObject* Sender);
    void btnNoClick(TObject* Sender);

private:
    bool answer_ = false;
    QEventLoop* waiting_ = nullptr;
};
