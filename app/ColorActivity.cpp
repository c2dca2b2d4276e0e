// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColorActivity.h"
#include "controls/RzPanel.h"

#include <utility>

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

QString TColorActivity::AnswerName(const TControl* answer) const {
    static const std::pair<TColor, const char*> names[] = {
        {clBlack, "black circle"}, {clWhite, "white circle"},   {clBlue, "blue circle"},
        {clRed, "red circle"},     {clYellow, "yellow circle"}, {clGreen, "green circle"},
    };
    const TColor colour = static_cast<const TShape*>(answer)->Brush()->Color();
    for (const auto& [value, name] : names)
        if (value == colour)
            return QString::fromLatin1(name);
    return QStringLiteral("circle");
}
