// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Activity.h"
#include "app/AnswerFocus.h"
#include "app/uMain.h"
#include "app/uReward.h"
#include "controls/RzRadChk.h"
#include "framework/FocusRing.h"
#include "framework/Guard.h"
#include "framework/Messages.h"
#include "framework/StdCtrls.h"
#include "platform/PlaySound.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>
#include <chrono>
#include <utility>

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
    // The keys start on the answers. Given while the window is still hidden, the focus would
    // change how the window manager stacks the game's windows, so it waits for the activation.
    OnActivate = [this](QObject*) {
        if (answerKeys_ && std::exchange(keysToAnswers_, false))
            answerKeys_->setFocus(Qt::ActiveWindowFocusReason);
    };
}

void TActivityForm::FormShow(TObject*) {
    ReadySound();
    PrepareKeys();
    InitForm();
    answerKeys_->Restart();
    keysToAnswers_ = true;
}

void TActivityForm::PrepareKeys() {
    if (answerKeys_)
        return;
    const std::vector<TControl*> answers = Answers();
    for (TControl* answer : answers)
        answer->setAccessibleName(AnswerName(answer));
    NameButtons();
    answerKeys_ = new TAnswerFocus(answers, [this] { return asking_; });
    // The answers come first, then the buttons.
    setTabOrder(answerKeys_, btnPlay);
}

void TActivityForm::NameButtons() {
    btnPlay->setAccessibleName(QStringLiteral("Play"));
    btnPlay->setAccessibleDescription(QStringLiteral("Plays the question again"));
    btnBack->setAccessibleName(QStringLiteral("Back"));
    btnBack->setAccessibleDescription(QStringLiteral("Goes back to the menu"));
}

void TActivityForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        Guarded([this] { btnBack->Click(); });
        break;
    case Qt::Key_P:
        if (!asking_ && !event->isAutoRepeat())
            Guarded([this] { btnPlay->Click(); });
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        SetFocusRingsShown(true);
        answerKeys_->setFocus(Qt::TabFocusReason);
        break;
    default:
        TForm::keyPressEvent(event);
    }
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
    // A level open on screen shows the question CurrentStep counts; a hidden one is prepared anew.
    if (isVisible() && Row() >= 0)
        ShowPrompt(Row());
    FitPrompt();
}

void TActivityForm::WndProc(TMessage& message) {
    TForm::WndProc(message);
    if (message.Msg == WM_SIZE || message.Msg == WM_SHOWWINDOW || message.Msg == WM_EXITSIZEMOVE)
        FitPrompt();
}

void TActivityForm::AskAfterRoll() {
    const QScopedValueRollback asking(asking_, true);
    if (StillOpenAfterRoll())
        btnPlayClick(this);
}

bool TActivityForm::HintsOn() {
    return frmMain->chkHints->Checked();
}
