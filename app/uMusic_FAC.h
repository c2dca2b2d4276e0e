// SPDX-License-Identifier: GPL-3.0-or-later
// Music level 2: F, A and C.
#pragma once

#include "app/MusicActivity.h"

class TfrmMusic_FAC : public TMusicActivity {
    Q_OBJECT
public:
    explicit TfrmMusic_FAC(QObject* owner);

public Q_SLOTS:
    void lblFClick(TObject* Sender);
    void lblAClick(TObject* Sender);
    void lblC2Click(TObject* Sender);
};

extern TfrmMusic_FAC* frmMusic_FAC;
