// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uSettings.h"
#include "app/Backdrop.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "app/uVoices.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/XiButton.h"
#include "controls/XiPanel.h"
#include "framework/ComCtrls.h"
#include "platform/Voices.h"

#include <QActionGroup>
#include <QMenu>

TfrmSettings::TfrmSettings(QObject* owner) : TForm(owner) {
    LoadLayout(QStringLiteral(":/layouts/uSettings.layout"));
    Bind(pnlSettings, "pnlSettings");
    Bind(lblTitle, "lblTitle");
    Bind(chkFullScreen, "chkFullScreen");
    Bind(chkAskBeforeQuitting, "chkAskBeforeQuitting");
    Bind(lblVoiceVolume, "lblVoiceVolume");
    Bind(trkVoiceVolume, "trkVoiceVolume");
    Bind(lblPianoVolume, "lblPianoVolume");
    Bind(trkPianoVolume, "trkPianoVolume");
    Bind(chkMuted, "chkMuted");
    Bind(lblLanguage, "lblLanguage");
    Bind(btnLanguage, "btnLanguage");
    Bind(lblVoiceKind, "lblVoiceKind");
    Bind(pnlBottom, "pnlBottom");
    Bind(btnRecordVoice, "btnRecordVoice");
    Bind(btnClose, "btnClose");
    trkVoiceVolume->SetMax(TParentSettings::MaxVolume);
    trkPianoVolume->SetMax(TParentSettings::MaxVolume);
    lblVoiceKind->SetFitWidth(lblVoiceKind->Width());
    ShowValues();
    QObject::connect(&Settings(), &TSettingsStore::Changed, this, [this] { ShowValues(); });
    QObject::connect(&FullScreenBackdrop(), &TBackdrop::Switched, this, [this] { ShowValues(); });
}

void TfrmSettings::ShowValues() {
    const TParentSettings& values = Settings().Values();
    showing_ = true;
    chkFullScreen->SetChecked(FullScreenBackdrop().On());
    chkAskBeforeQuitting->SetChecked(values.AskBeforeQuitting);
    trkVoiceVolume->SetPosition(values.VoiceVolume);
    trkPianoVolume->SetPosition(values.PianoVolume);
    chkMuted->SetChecked(values.Muted);
    btnLanguage->SetCaption(LanguageChoiceName(values.Language));
    lblVoiceKind->SetCaption(VoiceKind(CurrentLanguage()) == TVoiceKind::Recorded
                                 ? tr("Voice: recorded for this game")
                                 : tr("Voice: computer voice"));
    showing_ = false;
}

QString TfrmSettings::LanguageChoiceName(const QString& code) {
    for (const TGameLanguage& language : GameLanguages())
        if (language.Code == code)
            return language.Name;
    return tr("As the desktop");
}

void TfrmSettings::LanguageChanged() {
    ShowValues();
}

void TfrmSettings::btnLanguageClick(TObject*) {
    QMenu menu(this);
    QActionGroup group(&menu);
    const QString chosen = Settings().Values().Language;
    QStringList codes{QString()};
    for (const TGameLanguage& language : GameLanguages())
        codes << language.Code;
    for (const QString& code : codes) {
        QAction* action = menu.addAction(LanguageChoiceName(code));
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group.addAction(action);
    }
    menu.setFont(btnLanguage->Font()->ToQFont());
    const QAction* picked = menu.exec(btnLanguage->mapToGlobal(QPoint(0, btnLanguage->Height())),
                                      menu.actions().value(int(codes.indexOf(chosen))));
    if (picked)
        Settings().Update([code = picked->data().toString()](TParentSettings& s) { s.Language = code; });
}

void TfrmSettings::chkFullScreenClick(TObject*) {
    if (!showing_)
        SwitchFullScreen(chkFullScreen->Checked());
}

void TfrmSettings::chkAskBeforeQuittingClick(TObject*) {
    if (!showing_)
        Settings().Update(
            [this](TParentSettings& s) { s.AskBeforeQuitting = chkAskBeforeQuitting->Checked(); });
}

void TfrmSettings::trkVoiceVolumeChange(TObject*) {
    if (!showing_)
        Settings().Update([this](TParentSettings& s) { s.VoiceVolume = trkVoiceVolume->Position(); });
}

void TfrmSettings::trkPianoVolumeChange(TObject*) {
    if (!showing_)
        Settings().Update([this](TParentSettings& s) { s.PianoVolume = trkPianoVolume->Position(); });
}

void TfrmSettings::chkMutedClick(TObject*) {
    if (!showing_)
        Settings().Update([this](TParentSettings& s) { s.Muted = chkMuted->Checked(); });
}

TfrmSettings::~TfrmSettings() = default;

// Made afresh each time it opens, for the language the game speaks now.
void TfrmSettings::btnRecordVoiceClick(TObject*) {
    if (!voices_ || !voices_->isVisible()) {
        voices_ = std::make_unique<TfrmVoices>(nullptr);
        voices_->SetIcon(windowIcon());
    }
    voices_->Show();
}

void TfrmSettings::btnCloseClick(TObject*) {
    Close();
}
