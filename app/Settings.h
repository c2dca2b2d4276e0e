// SPDX-License-Identifier: GPL-3.0-or-later
// The choices a parent makes, kept between runs in an ini file under the user's configuration
// folder. A missing, unreadable, oversized or broken file gives the defaults, which are the game's
// plain behaviour; a file or folder that cannot be written only means the choice is not kept.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

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

    // The values an ini file's text gives: the [General] section's key=value lines, each line that
    // does not give a value of its kind skipped. Nothing in it is decoded beyond plain numbers and
    // true/false.
    static TParentSettings FromIni(const QByteArray& text);
    // The text FromIni reads back, and the toolkit's own ini reader as well.
    QByteArray ToIni() const;
};

class TSettingsStore : public QObject {
    Q_OBJECT
public:
    // Larger files are not settings this program wrote: they give the defaults.
    static constexpr qint64 MaxFileSize = 64 * 1024;
    // A run of changes (a slider dragged) is written once, this long after the last one.
    static constexpr int WriteDelay = 500;

    // A store that keeps nothing: the defaults until changed, never written.
    TSettingsStore();
    // Reads `fileName` now; changes are written shortly after they are made.
    explicit TSettingsStore(const QString& fileName);
    // Writes what is still waiting.
    ~TSettingsStore() override;
    // Starts over from `fileName`: its values, or the defaults; reports the change.
    void Open(const QString& fileName);

    // $XDG_CONFIG_HOME/tovimar-plumkin/settings.ini (~/.config when unset).
    static QString DefaultFileName();

    const TParentSettings& Values() const { return values_; }
    // Applies `change` to the values, clamps them and, when they differ, reports the change at
    // once and writes the file shortly after.
    void Update(const std::function<void(TParentSettings&)>& change);
    // Writes a change still waiting now (at exit, before the session ends).
    void Flush();

Q_SIGNALS:
    void Changed();

private:
    void Read();
    void Write() const;

    QString fileName_;
    TParentSettings values_;
    bool unwritten_ = false;
    QTimer writeTimer_;
};

// The game's one store; it keeps nothing until the program opens its file.
TSettingsStore& Settings();
