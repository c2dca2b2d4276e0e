// SPDX-License-Identifier: GPL-3.0-or-later
// The Shapes levels: white figures at random places on the play field; the child clicks the
// figure asked for, helped by a small black one in the top bar.
#pragma once

#include "app/FieldActivity.h"

class TCustomShape;

struct TShapeQuestion {
    const char* Prompt; // in the source language
    const char* Hint;   // name of the hint figure
    QString Sound;
};

class TShapeActivity : public TFieldActivity {
    Q_OBJECT
public:
    // shpShape1, shpShape2, ... in the order of their numbers.
    std::vector<TCustomShape*> Figures;
    // objCircle, objTriangle and (level 2) objSquare.
    std::vector<TCustomShape*> Hints;

    void InitForm() override;

protected:
    TShapeActivity(QObject* owner, const QString& layout, std::vector<TShapeQuestion> questions,
                   int figureCount, TPlacementRule rule);
    int QuestionCount() const override { return int(questions_.size()); }
    void BindControls() override;
    std::vector<TControl*> PlacedFigures() const override;
    QString AnswerName(const TControl* answer) const override;
    QString Sound(int row) const override { return questions_[row].Sound; }
    const char* Prompt(int row) const override { return questions_[row].Prompt; }

private:
    void ShowHint(const char* name);
    std::vector<TShapeQuestion> questions_;
};

// Two figures apart: lefts further apart than the first one's width, tops different.
bool FiguresApart(const QRect& a, const QRect& b);
