// SPDX-License-Identifier: GPL-3.0-or-later
// Colors level 2: blue, red and yellow.
#pragma once

#include "app/ColorActivity.h"

class TfrmColors_BlueRedYellow : public TColorActivity {
    Q_OBJECT
public:
    explicit TfrmColors_BlueRedYellow(QObject* owner);

    // Lefts pairwise different and tops pairwise different; circles may overlap, as long as
    // each shows at least half of itself.
    static bool Accepted(const std::vector<QRect>& circles);
    // The part of the rule about lefts and tops.
    static bool LeftsAndTopsDiffer(const std::vector<QRect>& circles);

public Q_SLOTS:
    void shpShape1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void shpShape3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};

extern TfrmColors_BlueRedYellow* frmColors_BlueRedYellow;
