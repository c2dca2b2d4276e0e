// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes level 1: circle and triangle.
#pragma once

#include "app/ShapeActivity.h"

class TfrmShapes_CircleTriangle : public TShapeActivity {
    Q_OBJECT
public:
    explicit TfrmShapes_CircleTriangle(QObject* owner);

    // Circle and triangle apart, at different tops.
    static bool Accepted(const std::vector<QRect>& figures);

public Q_SLOTS:
    void shpShape1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};

extern TfrmShapes_CircleTriangle* frmShapes_CircleTriangle;
