// SPDX-License-Identifier: GPL-3.0-or-later
// Music level 1: F and C.
#pragma once

#include "app/MusicActivity.h"

class TfrmMusic_FC : public TMusicActivity {
    Q_OBJECT
public:
    explicit TfrmMusic_FC(QObject* owner);

public Q_SLOTS:
    void lblFClick(TObject* Sender);
    void lblC2Click(TObject* Sender);
};

extern TfrmMusic_FC* frmMusic_FC;
