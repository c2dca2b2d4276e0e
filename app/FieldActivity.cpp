// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FieldActivity.h"
#include "app/uMain.h"
#include "controls/RzPanel.h"
#include "sound/abfComponents.h"

TFieldActivity::TFieldActivity(QObject* owner, const QString& layout, int figureCount, TPlacementRule rule)
    : TActivityForm(owner), layout_(layout), figureCount_(figureCount), rule_(std::move(rule)) {}

void TFieldActivity::CreateFromLayout() {
    LoadLayout(layout_);
    Bind(lblInstructions, "lblInstructions");
    Bind(btnPlay, "btnPlay");
    Bind(pnlMid, "pnlMid");
    Bind(btnBack, "btnBack");
    Bind(btnRandomize, "btnRandomize");
    BindControls();
}

void TFieldActivity::PlaceFigures() {
    const std::vector<TControl*> figures = PlacedFigures();
    std::vector<QRect> places;
    for (TControl* figure : figures)
        places.push_back(figure->BoundsRect().ToQRect());
    places = PlaceAtRandom(places, QSize(pnlMid->Width(), pnlMid->Height()), rule_);
    for (std::size_t i = 0; i < figures.size(); ++i)
        figures[i]->SetBounds(places[i].left(), places[i].top(), places[i].width(), places[i].height());
}

void TFieldActivity::btnPlayClick(TObject*) {
    if (const int row = Row(); row >= 0)
        frmMain->Player->SetFileName(Sound(row));
    frmMain->Player->Play();
}

void TFieldActivity::btnRandomizeClick(TObject*) {
    InitForm();
}

void TFieldActivity::Transition1AfterTransition(TObject*) {
    AskAfterRoll();
}

std::vector<TControl*> TFieldActivity::Answers() const {
    return PlacedFigures();
}

void TFieldActivity::NameButtons() {
    TActivityForm::NameButtons();
    btnRandomize->setAccessibleName(QStringLiteral("Randomize"));
    btnRandomize->setAccessibleDescription(QStringLiteral("Puts the answers in new places"));
}
