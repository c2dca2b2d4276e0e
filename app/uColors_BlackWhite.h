// SPDX-License-Identifier: GPL-3.0-or-later
// Colors level 1: black and white.
#pragma once

#include "app/ColorActivity.h"

class TfrmColors_BlackWhite : public TColorActivity {
    Q_OBJECT
public:
    explicit TfrmColors_BlackWhite(QObject* owner);

    // The circles stand more than a circle's width apart and never at the same top.
    static bool Accepted(const std::vector<QRect>& circles);

public Q_SLOTS:
    void shpShape1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};

extern TfrmColors_BlackWhite* frmColors_BlackWhite;
