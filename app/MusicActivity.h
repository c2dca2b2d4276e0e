// SPDX-License-Identifier: GPL-3.0-or-later
// The Music levels: a staff of clickable notes. A question sounds its note, waits a second
// and then speaks the note's name; the child clicks that note on the staff.
#pragma once

#include "app/Activity.h"
#include "framework/StdCtrls.h"
#include "sound/MidiGen.h"

#include <optional>
#include <vector>

class TRzPanel;

struct TMusicQuestion {
    const char* Prompt; // in the source language
    QString Hint;       // glyphs of the music font drawing a small note
    int Octave;
    TMGNote Note;
    QString Sound;
    std::optional<TColor> TopColor;
};

class TMusicActivity : public TActivityForm {
    Q_OBJECT
public:
    TRzPanel* pnlTop;
    TLabel* lblInstructions = nullptr;
    TLabel* objHint;

    void InitForm() override;
    // Note, a second's pause (input waits), then the spoken note name.
    void btnPlayClick(TObject* Sender) override;

public Q_SLOTS:
    void Transition1EndTransition(TObject* Sender);

protected:
    TMusicActivity(QObject* owner, const QString& layout, std::vector<TMusicQuestion> questions);
    void hideEvent(QHideEvent* event) override;
    // Reads the layout and finds the controls; called by each window once it is fully built,
    // so that the layout's handlers reach the window's own methods.
    void CreateFromLayout();
    int QuestionCount() const override { return int(questions_.size()); }
    QString Sound(int row) const override { return questions_[std::size_t(row)].Sound; }
    const char* Prompt(int row) const override { return questions_[std::size_t(row)].Prompt; }
    TLabel* Instructions() const override { return lblInstructions; }
    // The notes on the staff, lblE to lblD.
    std::vector<TControl*> Answers() const override;
    QString AnswerName(const TControl* answer) const override;
    void WndProc(TMessage& message) override;

private:
    // Where a staff label stands in the normal window, and its font's height.
    struct TStaffPlace {
        TLabel* Label;
        QRect Bounds;
        int FontHeight;
    };
    // Maximized, the staff grows with one scale for both directions, so the notes stay round,
    // and stands in the middle of its panel; otherwise it stands as laid out.
    void FitStaff();
    void ScaleStaff(const TControl& panel);
    void RestoreStaff();

    QString layout_;
    std::vector<TMusicQuestion> questions_;
    // The staff as laid out, and the size of its panel in the normal window.
    std::vector<TStaffPlace> staff_;
    QSize staffPanel_;
    bool staffScaled_ = false;
};
