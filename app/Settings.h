// SPDX-License-Identifier: GPL-3.0-or-later
// The choices a parent makes, kept between runs in an ini file under the user's configuration
// folder. A missing, unreadable or broken file gives the defaults, which are the game's plain
// behaviour; a file or folder that cannot be written only means the choice is not kept.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

struct TParentSettings {
    static constexpr int MaxVolume = 100;
    static constexpr int NoPage = -1;

    bool ShowHints = true;
    bool FullScreen = false;
    bool AskBeforeQuitting = false;
    int VoiceVolume = MaxVolume; // voices and applause, percent of the recordings' amplitude
    int PianoVolume = MaxVolume; // percent of the piano's amplitude
    bool Muted = false;
    int LastPage = NoPage; // page of the category chosen last, or NoPage before the first choice
    QString Language;      // code of the language chosen, or empty for the desktop's

    // Values out of range brought to the nearest one allowed.
    void Clamp();
    bool operator==(const TParentSettings&) const = default;
};

class TSettingsStore : public QObject {
    Q_OBJECT
public:
    // A store that keeps nothing: the defaults until changed, never written.
    TSettingsStore() = default;
    // Reads `fileName` now and writes it at every change.
    explicit TSettingsStore(const QString& fileName);
    // Starts over from `fileName`: its values, or the defaults; reports the change.
    void Open(const QString& fileName);

    // $XDG_CONFIG_HOME/tovimar-plumkin/settings.ini (~/.config when unset).
    static QString DefaultFileName();

    const TParentSettings& Values() const { return values_; }
    // Applies `change` to the values, clamps them and, when they differ, writes the file and
    // reports the change.
    void Update(const std::function<void(TParentSettings&)>& change);

Q_SIGNALS:
    void Changed();

private:
    void Read();
    void Write() const;

    QString fileName_;
    TParentSettings values_;
};

// The game's one store; it keeps nothing until the program opens its file.
TSettingsStore& Settings();
