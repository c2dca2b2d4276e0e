// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uQuestion.h"
#include "controls/XiButton.h"
#include "controls/XiPanel.h"

#include <QEventLoop>

TfrmQuestion::TfrmQuestion(QObject* owner) : TForm(owner) {
    LoadLayout(QStringLiteral(":/layouts/uQuestion.layout"));
    Bind(lblQuestion, "lblQuestion");
    Bind(pnlBottom, "pnlBottom");
    Bind(btnYes, "btnYes");
    Bind(btnNo, "btnNo");
    setWindowModality(Qt::ApplicationModal);
    OnHide = [this](QObject*) {
        if (waiting_)
            waiting_->quit();
    };
}

bool TfrmQuestion::Ask(const QString& question) {
    if (waiting_)
        return false;
    lblQuestion->SetCaption(question);
    answer_ = false;
    QEventLoop loop;
    waiting_ = &loop;
    Show();
    btnNo->setFocus(Qt::OtherFocusReason);
    loop.exec();
    waiting_ = nullptr;
    return answer_;
}

void TfrmQuestion::btnYesClick(TObject*) {
    answer_ = true;
    Close();
}

void TfrmQuestion::btnNoClick(TObject*) {
    Close();
}
