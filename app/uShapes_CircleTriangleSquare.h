// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes level 2: circle, triangle and square.
#pragma once

#include "app/ShapeActivity.h"

class TfrmShapes_CircleTriangleSquare : public TShapeActivity {
    Q_OBJECT
public:
    explicit TfrmShapes_CircleTriangleSquare(QObject* owner);

    // Every pair apart and at different tops: circle-triangle, circle-square, square-triangle.
    static bool Accepted(const std::vector<QRect>& figures);

public Q_SLOTS:
    void shpShape1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};

extern TfrmShapes_CircleTriangleSquare* frmShapes_CircleTriangleSquare;
