// SPDX-License-Identifier: GPL-3.0-or-later
// Music level 4: E to D, with a coloured top bar per note.
#pragma once

#include "app/MusicActivity.h"

class TfrmMusic_EFGABCD : public TMusicActivity {
    Q_OBJECT
public:
    explicit TfrmMusic_EFGABCD(QObject* owner);

public Q_SLOTS:
    void lblEClick(TObject* Sender);
    void lblFClick(TObject* Sender);
    void lblGClick(TObject* Sender);
    void lblAClick(TObject* Sender);
    void lblBClick(TObject* Sender);
    void lblC2Click(TObject* Sender);
    void lblDClick(TObject* Sender);
};

extern TfrmMusic_EFGABCD* frmMusic_EFGABCD;
