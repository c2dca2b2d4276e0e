// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uColors_BlueRedYellow.h"

TfrmColors_BlueRedYellow* frmColors_BlueRedYellow = nullptr;

TfrmColors_BlueRedYellow::TfrmColors_BlueRedYellow(QObject* owner)
    : TColorActivity(owner, QStringLiteral(":/layouts/uColors_BlueRedYellow.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the blue Color."), 0xFF0000,
                          QStringLiteral("sounds\\blue.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the red Color."), 0x0000FF,
                          QStringLiteral("sounds\\red.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the yellow Color."), 0x00FFFF,
                          QStringLiteral("sounds\\yellow.wav")},
                     },
                     3, Accepted) {
    CreateFromLayout();
}

bool TfrmColors_BlueRedYellow::Accepted(const std::vector<QRect>& circles) {
    return LeftsAndTopsDiffer(circles) && EveryCircleHalfVisible(circles);
}

bool TfrmColors_BlueRedYellow::LeftsAndTopsDiffer(const std::vector<QRect>& c) {
    return c[0].left() != c[1].left() && c[0].left() != c[2].left() && c[1].left() != c[2].left() &&
           c[0].top() != c[1].top() && c[0].top() != c[2].top() && c[1].top() != c[2].top();
}

void TfrmColors_BlueRedYellow::shpShape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(1);
}
void TfrmColors_BlueRedYellow::shpShape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(2);
}
void TfrmColors_BlueRedYellow::shpShape3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(3);
}
