// SPDX-License-Identifier: GPL-3.0-or-later
// Music level 3: F, G, A, B and C.
#pragma once

#include "app/MusicActivity.h"

class TfrmMusic_FGABC : public TMusicActivity {
    Q_OBJECT
public:
    explicit TfrmMusic_FGABC(QObject* owner);

public Q_SLOTS:
    void lblFClick(TObject* Sender);
    void lblGClick(TObject* Sender);
    void lblAClick(TObject* Sender);
    void lblBClick(TObject* Sender);
    void lblC2Click(TObject* Sender);
};

extern TfrmMusic_FGABC* frmMusic_FGABC;
