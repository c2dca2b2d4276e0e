// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uMusic_EFGABCD.h"

TfrmMusic_EFGABCD* frmMusic_EFGABCD = nullptr;

TfrmMusic_EFGABCD::TfrmMusic_EFGABCD(QObject* owner)
    : TMusicActivity(owner, QStringLiteral(":/layouts/uMusic_EFGABCD.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the E note."), QStringLiteral(".T.t."), 4,
                          mgE, QStringLiteral("sounds\\E.wav"), 0x0000FF},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the F note."), QStringLiteral(".U.u."), 4,
                          mgF, QStringLiteral("sounds\\F.wav"), 0x01CAFC},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the G note."), QStringLiteral(".V.v."), 4,
                          mgG, QStringLiteral("sounds\\G.wav"), 0x00CC00},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the A note."), QStringLiteral(".W.w."), 4,
                          mgA, QStringLiteral("sounds\\A.wav"), 0xF0C060},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the B note."), QStringLiteral(".X.x."), 4,
                          mgB, QStringLiteral("sounds\\B.wav"), 0xE080A0},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the C note."), QStringLiteral(".Y.y."), 5,
                          mgC, QStringLiteral("sounds\\C.wav"), 0xB080F0},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the D note."), QStringLiteral(".Zs."), 5,
                          mgD, QStringLiteral("sounds\\D.wav"), 0x40E0FF},
                     }) {
    CreateFromLayout();
}

void TfrmMusic_EFGABCD::lblEClick(TObject*) {
    Answer(1);
}
void TfrmMusic_EFGABCD::lblFClick(TObject*) {
    Answer(2);
}
void TfrmMusic_EFGABCD::lblGClick(TObject*) {
    Answer(3);
}
void TfrmMusic_EFGABCD::lblAClick(TObject*) {
    Answer(4);
}
void TfrmMusic_EFGABCD::lblBClick(TObject*) {
    Answer(5);
}
void TfrmMusic_EFGABCD::lblC2Click(TObject*) {
    Answer(6);
}
void TfrmMusic_EFGABCD::lblDClick(TObject*) {
    Answer(7);
}
