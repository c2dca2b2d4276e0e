// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Settings.h"
#include "app/Language.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString ShowHintsKey = QStringLiteral("ShowHints");
const QString FullScreenKey = QStringLiteral("FullScreen");
const QString AskBeforeQuittingKey = QStringLiteral("AskBeforeQuitting");
const QString VoiceVolumeKey = QStringLiteral("VoiceVolume");
const QString PianoVolumeKey = QStringLiteral("PianoVolume");
const QString MutedKey = QStringLiteral("Muted");
const QString LastPageKey = QStringLiteral("LastPage");
const QString LanguageKey = QStringLiteral("Language");
constexpr int PageCount = 3;

// What the file holds under `key`, or `fallback` when it holds nothing of the kind.
bool ReadBool(const QSettings& file, const QString& key, bool fallback) {
    const QString text = file.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

int ReadInt(const QSettings& file, const QString& key, int fallback) {
    bool ok = false;
    const int value = file.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

void TParentSettings::Clamp() {
    VoiceVolume = std::clamp(VoiceVolume, 0, MaxVolume);
    PianoVolume = std::clamp(PianoVolume, 0, MaxVolume);
    if (LastPage < 0 || LastPage >= PageCount)
        LastPage = NoPage;
    if (!IsGameLanguage(Language))
        Language.clear();
}

TSettingsStore::TSettingsStore(const QString& fileName) : fileName_(fileName) {
    Read();
}

void TSettingsStore::Open(const QString& fileName) {
    fileName_ = fileName;
    values_ = {};
    Read();
    Q_EMIT Changed();
}

QString TSettingsStore::DefaultFileName() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/tovimar-plumkin/settings.ini");
}

void TSettingsStore::Read() {
    const QSettings file(fileName_, QSettings::IniFormat);
    // A file that does not parse is as good as none; single values that do not are skipped.
    if (file.status() != QSettings::NoError)
        return;
    TParentSettings read;
    read.ShowHints = ReadBool(file, ShowHintsKey, read.ShowHints);
    read.FullScreen = ReadBool(file, FullScreenKey, read.FullScreen);
    read.AskBeforeQuitting = ReadBool(file, AskBeforeQuittingKey, read.AskBeforeQuitting);
    read.VoiceVolume = ReadInt(file, VoiceVolumeKey, read.VoiceVolume);
    read.PianoVolume = ReadInt(file, PianoVolumeKey, read.PianoVolume);
    read.Muted = ReadBool(file, MutedKey, read.Muted);
    read.LastPage = ReadInt(file, LastPageKey, read.LastPage);
    read.Language = file.value(LanguageKey).toString().trimmed();
    read.Clamp();
    values_ = read;
}

void TSettingsStore::Write() const {
    if (fileName_.isEmpty())
        return;
    // QSettings writes the ini file through a temporary file that replaces it, so a run that
    // ends half way leaves the old file whole; a read-only place leaves it as it was.
    QSettings file(fileName_, QSettings::IniFormat);
    file.clear();
    file.setValue(ShowHintsKey, values_.ShowHints);
    file.setValue(FullScreenKey, values_.FullScreen);
    file.setValue(AskBeforeQuittingKey, values_.AskBeforeQuitting);
    file.setValue(VoiceVolumeKey, values_.VoiceVolume);
    file.setValue(PianoVolumeKey, values_.PianoVolume);
    file.setValue(MutedKey, values_.Muted);
    file.setValue(LastPageKey, values_.LastPage);
    file.setValue(LanguageKey, values_.Language);
    file.sync();
}

void TSettingsStore::Update(const std::function<void(TParentSettings&)>& change) {
    TParentSettings changed = values_;
    change(changed);
    changed.Clamp();
    if (changed == values_)
        return;
    values_ = changed;
    Write();
    Q_EMIT Changed();
}

TSettingsStore& Settings() {
    static TSettingsStore store;
    return store;
}
