// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Settings.h"
#include "app/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace {

const QByteArray ShowHintsKey = "ShowHints";
const QByteArray FullScreenKey = "FullScreen";
const QByteArray AskBeforeQuittingKey = "AskBeforeQuitting";
const QByteArray VoiceVolumeKey = "VoiceVolume";
const QByteArray PianoVolumeKey = "PianoVolume";
const QByteArray MutedKey = "Muted";
const QByteArray LastPageKey = "LastPage";
// Where the toolkit's ini files keep keys written without a group.
const QByteArray GeneralSection = "[General]";
const QByteArray LanguageKey = "Language";
constexpr int PageCount = 3;

void ReadBool(const QByteArray& text, bool& value) {
    const QByteArray word = text.toLower();
    if (word == "true" || word == "1")
        value = true;
    else if (word == "false" || word == "0")
        value = false;
}

void ReadInt(const QByteArray& text, int& value) {
    bool ok = false;
    const int read = text.toInt(&ok);
    if (ok)
        value = read;
}

void ReadValue(TParentSettings& values, const QByteArray& key, const QByteArray& text) {
    if (key == ShowHintsKey)
        ReadBool(text, values.ShowHints);
    else if (key == FullScreenKey)
        ReadBool(text, values.FullScreen);
    else if (key == AskBeforeQuittingKey)
        ReadBool(text, values.AskBeforeQuitting);
    else if (key == VoiceVolumeKey)
        ReadInt(text, values.VoiceVolume);
    else if (key == PianoVolumeKey)
        ReadInt(text, values.PianoVolume);
    else if (key == MutedKey)
        ReadBool(text, values.Muted);
    else if (key == LastPageKey)
        ReadInt(text, values.LastPage);
    else if (key == LanguageKey)
        values.Language = QString::fromUtf8(text);
}

QByteArray Line(const QByteArray& key, int value) {
    return key + '=' + QByteArray::number(value) + '\n';
}

QByteArray Line(const QByteArray& key, bool value) {
    return key + (value ? "=true\n" : "=false\n");
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

TParentSettings TParentSettings::FromIni(const QByteArray& text) {
    TParentSettings values;
    // Lines before any section header belong to [General] too.
    bool inGeneral = true;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inGeneral = line == GeneralSection;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inGeneral && equals > 0)
            ReadValue(values, line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    values.Clamp();
    return values;
}

QByteArray TParentSettings::ToIni() const {
    return GeneralSection + '\n' + Line(AskBeforeQuittingKey, AskBeforeQuitting) +
           Line(FullScreenKey, FullScreen) + Line(LastPageKey, LastPage) + Line(MutedKey, Muted) +
           Line(PianoVolumeKey, PianoVolume) + Line(ShowHintsKey, ShowHints) +
           Line(VoiceVolumeKey, VoiceVolume) +
           (Language.isEmpty() ? QByteArray() : LanguageKey + '=' + Language.toUtf8() + '\n');
}

TSettingsStore::TSettingsStore() {
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(WriteDelay);
    connect(&writeTimer_, &QTimer::timeout, this, &TSettingsStore::Flush);
}

TSettingsStore::TSettingsStore(const QString& fileName) : TSettingsStore() {
    fileName_ = fileName;
    Read();
}

TSettingsStore::~TSettingsStore() {
    Flush();
}

void TSettingsStore::Open(const QString& fileName) {
    Flush();
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
    QFile file(fileName_);
    if (fileName_.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.read(MaxFileSize + 1);
    if (text.size() <= MaxFileSize)
        values_ = TParentSettings::FromIni(text);
}

void TSettingsStore::Write() const {
    if (fileName_.isEmpty() || !QDir().mkpath(QFileInfo(fileName_).absolutePath()))
        return;
    // The new text goes to a temporary file that then replaces the old one, so a run that ends
    // half way leaves the old file whole; a read-only place leaves it as it was.
    QSaveFile file(fileName_);
    if (file.open(QIODevice::WriteOnly) && file.write(values_.ToIni()) >= 0)
        file.commit();
}

void TSettingsStore::Update(const std::function<void(TParentSettings&)>& change) {
    TParentSettings changed = values_;
    change(changed);
    changed.Clamp();
    if (changed == values_)
        return;
    values_ = changed;
    unwritten_ = true;
    writeTimer_.start();
    Q_EMIT Changed();
}

void TSettingsStore::Flush() {
    writeTimer_.stop();
    if (!std::exchange(unwritten_, false))
        return;
    Write();
}

TSettingsStore& Settings() {
    static TSettingsStore store;
    return store;
}
