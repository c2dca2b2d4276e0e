// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uMusic_FAC.h"

TfrmMusic_FAC* frmMusic_FAC = nullptr;

TfrmMusic_FAC::TfrmMusic_FAC(QObject* owner)
    : TMusicActivity(owner, QStringLiteral(":/layouts/uMusic_FAC.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the F note."),
                          QStringLiteral(".U.u."),
                          4,
                          mgF,
                          QStringLiteral("sounds\\F.wav"),
                          {}},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the A note."),
                          QStringLiteral(".W.w."),
                          4,
                          mgA,
                          QStringLiteral("sounds\\A.wav"),
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

void TfrmMusic_FAC::lblFClick(TObject*) {
    Answer(1);
}
void TfrmMusic_FAC::lblAClick(TObject*) {
    Answer(2);
}
void TfrmMusic_FAC::lblC2Click(TObject*) {
    Answer(3);
}
