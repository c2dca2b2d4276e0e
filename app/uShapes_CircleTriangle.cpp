// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uShapes_CircleTriangle.h"

TfrmShapes_CircleTriangle* frmShapes_CircleTriangle = nullptr;

TfrmShapes_CircleTriangle::TfrmShapes_CircleTriangle(QObject* owner)
    : TShapeActivity(owner, QStringLiteral(":/layouts/uShapes_CircleTriangle.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the triangle."), "objTriangle",
                          QStringLiteral("sounds\\triangle.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the circle."), "objCircle",
                          QStringLiteral("sounds\\circle.wav")},
                     },
                     2, Accepted) {
    CreateFromLayout();
}

bool TfrmShapes_CircleTriangle::Accepted(const std::vector<QRect>& f) {
    return FiguresApart(f[0], f[1]);
}

void TfrmShapes_CircleTriangle::shpShape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(2);
}
void TfrmShapes_CircleTriangle::shpShape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(1);
}
