// SPDX-License-Identifier: GPL-3.0-or-later
// What every level window shares: the question counter and the protocol of asking,
// answering, moving on and handing over to the reward window.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <vector>

class TAnswerFocus;

class TLabel;

// The question the open level is at, from 1; shared by all level windows.
extern int CurrentStep;

class TActivityForm : public TForm {
    Q_OBJECT
public:
    explicit TActivityForm(QObject* owner);

    TBitBtn* btnPlay = nullptr;
    TBitBtn* btnBack = nullptr;

    // Prepares the current question: placement, prompt, hint and its visibility.
    Q_INVOKABLE virtual void InitForm() = 0;
    // The ring the keyboard moves between the answers (made when the window is first shown).
    TAnswerFocus* AnswerKeys() const { return answerKeys_; }

public Q_SLOTS:
    void FormShow(TObject* Sender);
    // Brings the main menu forward; the window itself is hidden.
    void FormClose(TObject* Sender, TCloseAction& Action);
    virtual void btnBackClick(TObject* Sender);
    virtual void btnPlayClick(TObject* Sender) = 0;

protected:
    virtual int QuestionCount() const = 0;
    // The prompt of table row `row` in the source language, and the line that shows it.
    virtual const char* Prompt(int row) const = 0;
    virtual TLabel* Instructions() const = 0;
    // Shows the prompt of table row `row` in the current language.
    void ShowPrompt(int row);
    // A prompt too long for the room left of the hint and the Play button gets a smaller font
    // or a second line; called once the question's hint is shown or hidden.
    void FitPrompt();
    void LanguageChanged() override;
    // The window's scaling lays the controls out anew on these messages, before they get here.
    void WndProc(TMessage& message) override;
    // The recording of the question in table row `row`.
    virtual QString Sound(int row) const = 0;
    // The controls that answer a question, and what each one is, said to a screen reader.
    virtual std::vector<TControl*> Answers() const = 0;
    virtual QString AnswerName(const TControl* answer) const = 0;
    // Says to a screen reader what each button does.
    virtual void NameButtons();
    // The row of the question table for CurrentStep, or -1 outside the table.
    int Row() const;
    // A click on the target of question `step`: ignored out of turn; otherwise the next
    // question, or the reward window after the last one.
    void Answer(int step);
    // The hints check box of the main menu.
    static bool HintsOn();
    // Called when the roll has ended, before the question is heard: handles what came meanwhile
    // (a close of this window waits in the queue while the roll runs) and tells whether the
    // window is still open to ask.
    bool StillOpenAfterRoll();
    // After the roll: the question is heard, unless the window was closed meanwhile. Keys that
    // answer or replay wait until it has been asked, as clicks do behind the roll.
    void AskAfterRoll();
    // Escape is Back and P is Play, from anywhere in the window; arrows go to the answers.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ReadySound();
    void PrepareKeys();

    bool soundReady_ = false;
    bool asking_ = false; // from the end of the roll until the question has been heard
    TAnswerFocus* answerKeys_ = nullptr;
    bool keysToAnswers_ = false; // each question starts with the keys on the answers
};
