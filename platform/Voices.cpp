// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Voices.h"
#include "platform/DataFolders.h"

#include <QDir>
#include <QLocale>

#include <mutex>

namespace {

struct TLanguage {
    const char* code;
    TVoiceKind kind;
};

// Natural voices: Festival's HTS and unit-selection voices; the others are diphone or formant
// voices, clear but plainly synthetic.
constexpr TLanguage Languages[] = {
    {"en", TVoiceKind::Recorded}, {"de", TVoiceKind::Computer}, {"fr", TVoiceKind::Computer},
    {"es", TVoiceKind::Computer}, {"it", TVoiceKind::Computer}, {"pt", TVoiceKind::Computer},
    {"nl", TVoiceKind::Computer}, {"pl", TVoiceKind::Computer}, {"ca", TVoiceKind::Recorded},
    {"cs", TVoiceKind::Computer}, {"fi", TVoiceKind::Computer}, {"ru", TVoiceKind::Recorded},
};

const QString English = QStringLiteral("en");

std::mutex& LanguageMutex() {
    static std::mutex mutex;
    return mutex;
}

QString& ChosenLanguage() {
    static QString chosen;
    return chosen;
}

QString DesktopLanguage() {
    const QStringList known = VoiceLanguages();
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (known.contains(code))
            return code;
    }
    return English;
}

// `relative` in each of the program's data folders, then in the current folder.
QStringList InEveryFolder(const QString& relative) {
    QStringList places;
    for (const QString& folder : ProgramDataFolders())
        places << QDir::cleanPath(folder + QLatin1Char('/') + relative);
    places << QDir::cleanPath(QDir::currentPath() + QLatin1Char('/') + relative);
    places.removeDuplicates();
    return places;
}

} // namespace

QStringList VoiceLanguages() {
    QStringList codes;
    for (const TLanguage& language : Languages)
        codes << QLatin1String(language.code);
    return codes;
}

TVoiceKind VoiceKind(const QString& language) {
    for (const TLanguage& known : Languages)
        if (language == QLatin1String(known.code))
            return known.kind;
    return TVoiceKind::Computer;
}

QString VoiceLanguage() {
    {
        const std::lock_guard guard(LanguageMutex());
        if (!ChosenLanguage().isEmpty())
            return ChosenLanguage();
    }
    return DesktopLanguage();
}

void SetVoiceLanguage(const QString& language) {
    const std::lock_guard guard(LanguageMutex());
    ChosenLanguage() = VoiceLanguages().contains(language) ? language : QString();
}

QString ParentVoiceFolder(const QString& language) {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/tovimar-plumkin/voices/") + language;
}

QStringList SoundPlaces(const QString& name) {
    const QString folder = QStringLiteral("sounds/");
    const QString file = name.mid(folder.size());
    if (!name.startsWith(folder) || file.contains(QLatin1Char('/')))
        return InEveryFolder(name);
    const QString language = VoiceLanguage();
    QStringList places{ParentVoiceFolder(language) + QLatin1Char('/') + file};
    if (language != English)
        places << InEveryFolder(folder + language + QLatin1Char('/') + file);
    return places << InEveryFolder(name);
}
