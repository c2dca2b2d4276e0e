// SPDX-License-Identifier: GPL-3.0-or-later
// The Colors levels: coloured circles at random places on the play field; the child clicks
// the colour asked for, helped by a swatch of it in the top bar.
#pragma once

#include "app/FieldActivity.h"

struct TColorQuestion {
    const char* Prompt; // in the source language
    TColor Hint;
    QString Sound;
};

class TColorActivity : public TFieldActivity {
    Q_OBJECT
public:
    TRzPanel* objHint;
    // shpShape1, shpShape2, ... in the order of their numbers.
    std::vector<TShape*> Shapes;

    void InitForm() override;

protected:
    TColorActivity(QObject* owner, const QString& layout, std::vector<TColorQuestion> questions,
                   int shapeCount, TPlacementRule rule);
    int QuestionCount() const override { return int(questions_.size()); }
    void BindControls() override;
    std::vector<TControl*> PlacedFigures() const override { return {Shapes.begin(), Shapes.end()}; }
    QString Sound(int row) const override { return questions_[row].Sound; }
    const char* Prompt(int row) const override { return questions_[row].Prompt; }
    // "black circle", by the circle's colour.
    QString AnswerName(const TControl* answer) const override;

private:
    std::vector<TColorQuestion> questions_;
};
