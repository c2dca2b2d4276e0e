// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColorActivity.h"
#include "controls/RzPanel.h"

TColorActivity::TColorActivity(QObject* owner, const QString& layout, std::vector<TColorQuestion> questions,
                               int shapeCount, TPlacementRule rule)
    : TFieldActivity(owner, layout, shapeCount, std::move(rule)), questions_(std::move(questions)) {}

void TColorActivity::BindControls() {
    Bind(objHint, "objHint");
    BindFigures(Shapes);
}

void TColorActivity::InitForm() {
    PlaceFigures();
    if (const int row = Row(); row >= 0) {
        ShowPrompt(row);
        objHint->SetColor(questions_[row].Hint);
    }
    objHint->SetVisible(HintsOn());
    FitPrompt();
}
