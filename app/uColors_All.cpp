// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uColors_All.h"
#include "app/uMain.h"

#include <cstdlib>

TfrmColors_All* frmColors_All = nullptr;

TfrmColors_All::TfrmColors_All(QObject* owner)
    : TColorActivity(owner, QStringLiteral(":/layouts/uColors_All.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the blue Color."), 0xFF0000,
                          QStringLiteral("sounds\\blue.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the black Color."), 0x000000,
                          QStringLiteral("sounds\\black.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the yellow Color."), 0x00FFFF,
                          QStringLiteral("sounds\\yellow.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the green Color."), 0x008000,
                          QStringLiteral("sounds\\green.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the white Color."), 0xFFFFFF,
                          QStringLiteral("sounds\\white.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the red Color."), 0x0000FF,
                          QStringLiteral("sounds\\red.wav")},
                     },
                     6, Accepted) {
    CreateFromLayout();
}

bool TfrmColors_All::Accepted(const std::vector<QRect>& circles) {
    return BlueAndRedApart(circles) && EveryCircleHalfVisible(circles);
}

bool TfrmColors_All::BlueAndRedApart(const std::vector<QRect>& c) {
    return std::abs(c[0].left() - c[1].left()) > c[0].width() &&
           std::abs(c[0].top() - c[1].top()) > c[0].height();
}

void TfrmColors_All::btnBackClick(TObject*) {
    frmMain->Show();
}

void TfrmColors_All::shpShape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(1);
}
void TfrmColors_All::shpShape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(6);
}
void TfrmColors_All::shpShape3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(2);
}
void TfrmColors_All::shpShape4MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(3);
}
void TfrmColors_All::shpShape5MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(5);
}
void TfrmColors_All::shpShape6MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(4);
}
