// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uShapes_CircleTriangleSquare.h"

TfrmShapes_CircleTriangleSquare* frmShapes_CircleTriangleSquare = nullptr;

TfrmShapes_CircleTriangleSquare::TfrmShapes_CircleTriangleSquare(QObject* owner)
    : TShapeActivity(owner, QStringLiteral(":/layouts/uShapes_CircleTriangleSquare.layout"),
                     {
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the circle."), "objCircle",
                          QStringLiteral("sounds\\circle.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the square."), "objSquare",
                          QStringLiteral("sounds\\square.wav")},
                         {QT_TRANSLATE_NOOP("TActivityForm", "Click the triangle."), "objTriangle",
                          QStringLiteral("sounds\\triangle.wav")},
                     },
                     3, Accepted) {
    CreateFromLayout();
}

bool TfrmShapes_CircleTriangleSquare::Accepted(const std::vector<QRect>& f) {
    const QRect& circle = f[0];
    const QRect& triangle = f[1];
    const QRect& square = f[2];
    return FiguresApart(circle, triangle) && FiguresApart(circle, square) && FiguresApart(square, triangle);
}

void TfrmShapes_CircleTriangleSquare::shpShape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(1);
}
void TfrmShapes_CircleTriangleSquare::shpShape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(3);
}
void TfrmShapes_CircleTriangleSquare::shpShape3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Answer(2);
}
