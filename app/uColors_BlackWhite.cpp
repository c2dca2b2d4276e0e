// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uColors_BlackWhite.h"

#include <cstdlib>

TfrmColors_BlackWhite* frmColors_BlackWhite = nullptr;

TfrmColors_BlackWhite::TfrmColors_BlackWhite(QObject* owner)
    : TColorActivity(owner, QStringLiteral(":/layouts/uColors_BlackWhite.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the black Color."), 0x000000,
                          QStringLiteral("sounds\\black.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the white Color."), 0xFFFFFF,
                          QStringLiteral("sounds\\white.wav")},
                     },
                     2, Accepted) {
    CreateFromLayout();
}

bool TfrmColors_BlackWhite::Accepted(const std::vector<QRect>& c) {
    return std::abs(c[0].left() - c[1].left()) > c[0].width() && c[0].top() != c[1].top();
}

void TfrmColors_BlackWhite::shpShape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(1);
}
void TfrmColors_BlackWhite::shpShape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(2);
}
