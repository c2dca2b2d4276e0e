// SPDX-License-Identifier: GPL-3.0-or-later
// The parents' settings: full screen, asking before quitting, the volume of the voices and of
// the piano, muting and the language, and the kind of voice that language has. Every change takes effect and
// is kept at once.
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
    TLabel* lblLanguage;
    TXiButton* btnLanguage;
    // Whether the game's own voice in the language now spoken is a natural or a computer voice.
    TLabel* lblVoiceKind;
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
    // The languages in a list, each named in itself, "As the desktop" first.
    void btnLanguageClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);

protected:
    void LanguageChanged() override;

private:
    // Shows the stored values (changed elsewhere too: F11 switches full screen).
    void ShowValues();
    // "Deutsch", "Français", ..., or "As the desktop" for no choice.
    static QString LanguageChoiceName(const QString& code);
    bool showing_ = false;
    std::unique_ptr<TfrmVoices> voices_;
};
