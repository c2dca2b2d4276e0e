// SPDX-License-Identifier: GPL-3.0-or-later
// Colors level 3: all six colours.
#pragma once

#include "app/ColorActivity.h"

class TfrmColors_All : public TColorActivity {
    Q_OBJECT
public:
    explicit TfrmColors_All(QObject* owner);

    // Blue and red are kept apart (in both directions); the others may overlap any circle, as
    // long as each circle shows at least half of itself.
    static bool Accepted(const std::vector<QRect>& circles);
    // The part of the rule about blue and red.
    static bool BlueAndRedApart(const std::vector<QRect>& circles);

    // Only brings the main menu forward; this level stays open.
    void btnBackClick(TObject* Sender) override;

public Q_SLOTS:
    void shpShape1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape4MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape5MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape6MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};

extern TfrmColors_All* frmColors_All;
