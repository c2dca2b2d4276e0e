#include "app/ShapeActivity.h"
#include "app/uMain.h"
#include "controls/RzPanel.h"
#include "controls/Shapes.h"
#include "sound/abfComponents.h"

#include <cstdlib>

bool FiguresApart(const QRect& a, const QRect& b) {
    return std::abs(a.left() - b.left()) > a.width() && a.top() != b.top();
}

TShapeActivity::TShapeActivity(QObject* owner, const QString& layout, std::vector<TShapeQuestion> questions,
                               int figureCount, TPlacementRule rule)
    : TActivityForm(owner), layout_(layout), figureCount_(figureCount), questions_(std::move(questions)), rule_(std::move(rule)) {}

void TShapeActivity::CreateFromLayout() {
    LoadLayout(layout_);
    Bind(lblInstructions, "lblInstructions");
    Bind(btnPlay, "btnPlay");
    Bind(pnlMid, "pnlMid");
    Bind(btnBack, "btnBack");
    Bind(btnRandomize, "btnRandomize");
    Figures.resize(figureCount_);
    for (int i = 0; i < figureCount_; ++i)
        Bind(Figures[i], QStringLiteral("shpShape%1").arg(i + 1).toLatin1().constData());
    for (const char* name : {"objCircle", "objTriangle", "objSquare"})
        if (auto* hint = qobject_cast<TCustomShape*>(FindComponent(QString::fromLatin1(name))))
            Hints.push_back(hint);
}

void TShapeActivity::PlaceFigures() {
    std::vector<QRect> figures;
    for (TCustomShape* figure : Figures)
        figures.push_back(figure->BoundsRect().ToQRect());
    const std::vector<QRect> placed = PlaceAtRandom(figures, QSize(pnlMid->Width(), pnlMid->Height()), rule_);
    for (std::size_t i = 0; i < Figures.size(); ++i)
        Figures[i]->SetBounds(placed[i].left(), placed[i].top(), placed[i].width(), placed[i].height());
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
        lblInstructions->SetCaption(questions_[row].Prompt);
        if (HintsOn())
            ShowHint(questions_[row].Hint);
    }
}

void TShapeActivity::btnPlayClick(TObject*) {
    if (const int row = Row(); row >= 0)
        frmMain->Player->SetFileName(questions_[row].Sound);
    frmMain->Player->Play();
}

void TShapeActivity::btnRandomizeClick(TObject*) { InitForm(); }

void TShapeActivity::Transition1AfterTransition(TObject*) { btnPlayClick(this); }
