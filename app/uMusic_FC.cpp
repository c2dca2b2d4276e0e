// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uMusic_FC.h"

TfrmMusic_FC* frmMusic_FC = nullptr;

TfrmMusic_FC::TfrmMusic_FC(QObject* owner)
    : TMusicActivity(owner, QStringLiteral(":/layouts/uMusic_FC.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the F note."),
                          QStringLiteral(".U.u."),
                          4,
                          mgF,
                          QStringLiteral("sounds\\F.wav"),
                          {}},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the C note."),
                          QStringLiteral(".Y.y."),
                          5,
                          mgC,
                          QStringLiteral("sounds\\C.wav"),
                          {}},
                     }) {
    CreateFromLayout();
}

void TfrmMusic_FC::lblFClick(TObject*) {
    Answer(1);
}
void TfrmMusic_FC::lblC2Click(TObject*) {
    Answer(2);
}
