// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShapeActivity.h"
#include "controls/Shapes.h"

#include <cstdlib>

bool FiguresApart(const QRect& a, const QRect& b) {
    return std::abs(a.left() - b.left()) > a.width() && a.top() != b.top();
}

TShapeActivity::TShapeActivity(QObject* owner, const QString& layout, std::vector<TShapeQuestion> questions,
                               int figureCount, TPlacementRule rule)
    : TFieldActivity(owner, layout, figureCount, std::move(rule)), questions_(std::move(questions)) {}

void TShapeActivity::BindControls() {
    BindFigures(Figures);
    for (const char* name : {"objCircle", "objTriangle", "objSquare"})
        if (auto* hint = qobject_cast<TCustomShape*>(FindComponent(QString::fromLatin1(name))))
            Hints.push_back(hint);
}

std::vector<TControl*> TShapeActivity::PlacedFigures() const {
    return {Figures.begin(), Figures.end()};
}

QString TShapeActivity::AnswerName(const TControl* answer) const {
    if (qobject_cast<const TCircleShape*>(answer))
        return QStringLiteral("circle");
    if (qobject_cast<const TTriangleShape*>(answer))
        return QStringLiteral("triangle");
    return QStringLiteral("square");
}

void TShapeActivity::ShowHint(const char* name) {
    for (TCustomShape* hint : Hints)
        hint->SetVisible(hint->objectName() == QLatin1String(name));
}

void TShapeActivity::InitForm() {
    PlaceFigures();
    if (!HintsOn())
        ShowHint("");
    if (const int row = Row(); row >= 0) {
        ShowPrompt(row);
        if (HintsOn())
            ShowHint(questions_[row].Hint);
    }
    FitPrompt();
}
