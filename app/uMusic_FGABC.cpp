// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uMusic_FGABC.h"

TfrmMusic_FGABC* frmMusic_FGABC = nullptr;

TfrmMusic_FGABC::TfrmMusic_FGABC(QObject* owner)
    : TMusicActivity(owner, QStringLiteral(":/layouts/uMusic_FGABC.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the F note."),
                          QStringLiteral(".U.u."),
                          4,
                          mgF,
                          QStringLiteral("sounds\\F.wav"),
                          {}},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the G note."),
                          QStringLiteral(".V.v."),
                          4,
                          mgG,
                          QStringLiteral("sounds\\G.wav"),
                          {}},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the A note."),
                          QStringLiteral(".W.w."),
                          4,
                          mgA,
                          QStringLiteral("sounds\\A.wav"),
                          {}},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the B note."),
                          QStringLiteral(".X.x."),
                          4,
                          mgB,
                          QStringLiteral("sounds\\B.wav"),
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

void TfrmMusic_FGABC::lblFClick(TObject*) {
    Answer(1);
}
void TfrmMusic_FGABC::lblGClick(TObject*) {
    Answer(2);
}
void TfrmMusic_FGABC::lblAClick(TObject*) {
    Answer(3);
}
void TfrmMusic_FGABC::lblBClick(TObject*) {
    Answer(4);
}
void TfrmMusic_FGABC::lblC2Click(TObject*) {
    Answer(5);
}
