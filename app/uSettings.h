// SPDX-License-Identifier: GPL-3.0-or-later
// The parents' settings: full screen, asking before quitting, the volume of the voices and of
// the piano, and muting. Every change takes effect and is kept at once.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <memory>

class TRzPanel;
class TRzCheckBox;
class TTrackBar;
class TXiButton;
class TXiPanel;
class TfrmVoices;

class TfrmSettings : public TForm {
    Q_OBJECT
public:
    explicit TfrmSettings(QObject* owner);
    ~TfrmSettings() override;

    TRzPanel* pnlSettings;
    TLabel* lblTitle;
    TRzCheckBox* chkFullScreen;
    TRzCheckBox* chkAskBeforeQuitting;
    TLabel* lblVoiceVolume;
    TTrackBar* trkVoiceVolume;
    TLabel* lblPianoVolume;
    TTrackBar* trkPianoVolume;
    TRzCheckBox* chkMuted;
    TXiPanel* pnlBottom;
    TXiButton* btnRecordVoice;
    TXiButton* btnClose;

public Q_SLOTS:
    void chkFullScreenClick(TObject* Sender);
    void chkAskBeforeQuittingClick(TObject* Sender);
    void trkVoiceVolumeChange(TObject* Sender);
    void trkPianoVolumeChange(TObject* Sender);
    void chkMutedClick(TObject* Sender);
    void btnRecordVoiceClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);

private:
    // Shows the stored values (changed elsewhere too: F11 switches full screen).
    void ShowValues();
    bool showing_ = false;
    std::unique_ptr<TfrmVoices> voices_;
};
