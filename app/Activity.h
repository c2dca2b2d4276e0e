// SPDX-License-Identifier: GPL-3.0-or-later
// What every level window shares: the question counter and the protocol of asking,
// answering, moving on and handing over to the reward window.
#pragma once

#include "framework/Forms.h"

class TLabel;

// The question the open level is at, from 1; shared by all level windows.
extern int CurrentStep;

class TActivityForm : public TForm {
    Q_OBJECT
public:
    explicit TActivityForm(QObject* owner);

    // Prepares the current question: placement, prompt, hint and its visibility.
    Q_INVOKABLE virtual void InitForm() = 0;
    // For a window that is open already and only comes to the front (its level button pressed
    // again, or the window itself chosen after another level moved the counter): when it shows
    // another question than CurrentStep, it prepares and says CurrentStep's, so that the question
    // it shows is always the one it accepts.
    void CatchUpWithCounter();

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

private:
    void ReadySound();

    int shownStep_ = 0; // CurrentStep when the question on show was prepared
    bool soundReady_ = false;
};
