#include "app/ColorActivity.h"
#include "app/uMain.h"
#include "controls/RzPanel.h"
#include "sound/abfComponents.h"

TColorActivity::TColorActivity(QObject* owner, const QString& layout, std::vector<TColorQuestion> questions,
                               int shapeCount, TPlacementRule rule)
    : TActivityForm(owner), layout_(layout), shapeCount_(shapeCount), questions_(std::move(questions)), rule_(std::move(rule)) {}

void TColorActivity::CreateFromLayout() {
    LoadLayout(layout_);
    Bind(lblInstructions, "lblInstructions");
    Bind(objHint, "objHint");
    Bind(btnPlay, "btnPlay");
    Bind(pnlMid, "pnlMid");
    Bind(btnBack, "btnBack");
    Bind(btnRandomize, "btnRandomize");
    Shapes.resize(shapeCount_);
    for (int i = 0; i < shapeCount_; ++i)
        Bind(Shapes[i], QStringLiteral("shpShape%1").arg(i + 1).toLatin1().constData());
}

void TColorActivity::PlaceShapes() {
    std::vector<QRect> figures;
    for (TShape* shape : Shapes)
        figures.push_back(shape->BoundsRect().ToQRect());
    const std::vector<QRect> placed = PlaceAtRandom(figures, QSize(pnlMid->Width(), pnlMid->Height()), rule_);
    for (std::size_t i = 0; i < Shapes.size(); ++i)
        Shapes[i]->SetBounds(placed[i].left(), placed[i].top(), placed[i].width(), placed[i].height());
}

void TColorActivity::InitForm() {
    PlaceShapes();
    if (const int row = Row(); row >= 0) {
        lblInstructions->SetCaption(questions_[row].Prompt);
        objHint->SetColor(questions_[row].Hint);
    }
    objHint->SetVisible(HintsOn());
}

void TColorActivity::btnPlayClick(TObject*) {
    if (const int row = Row(); row >= 0)
        frmMain->Player->SetFileName(questions_[row].Sound);
    frmMain->Player->Play();
}

void TColorActivity::btnRandomizeClick(TObject*) { InitForm(); }

void TColorActivity::Transition1AfterTransition(TObject*) { btnPlayClick(this); }
