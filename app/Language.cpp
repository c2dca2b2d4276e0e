// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"
#include "platform/DataFolders.h"
#include "platform/Voices.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString English = QStringLiteral("en");

QString& Current() {
    static QString code = English;
    return code;
}

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// "de-AT", "pt_BR", "sr-Latn-RS": the language alone.
QString LanguageOfTag(const QString& tag) {
    return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

const std::vector<TGameLanguage>& GameLanguages() {
    static const std::vector<TGameLanguage> languages{
        {English, QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("ca"), QStringLiteral("Català")},
        {QStringLiteral("cs"), QStringLiteral("Čeština")},
        {QStringLiteral("fi"), QStringLiteral("Suomi")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
    };
    return languages;
}

bool IsGameLanguage(const QString& code) {
    for (const TGameLanguage& language : GameLanguages())
        if (language.Code == code)
            return true;
    return false;
}

QString DesktopLanguage() {
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QString code = LanguageOfTag(tag);
        if (IsGameLanguage(code))
            return code;
    }
    return English;
}

QString TranslationFile(const QString& code) {
    return FindProgramDataFile(QStringLiteral("translations/tovimar-plumkin_%1.qm").arg(code));
}

std::unique_ptr<QTranslator> DesktopTranslator() {
    const QString code = DesktopLanguage();
    auto translator = std::make_unique<QTranslator>();
    if (code == English || !translator->load(TranslationFile(code)))
        return nullptr;
    return translator;
}

void UseLanguage(const QString& choice) {
    const QString code = IsGameLanguage(choice) ? choice : DesktopLanguage();
    // The prompts are spoken in the language the texts are shown in.
    SetVoiceLanguage(code);
    if (code == Current())
        return;
    Current() = code;
    if (std::unique_ptr<QTranslator> old = std::move(Installed()))
        QCoreApplication::removeTranslator(old.get());
    if (code == English)
        return;
    // Without its file the language's texts stay English; its voices may still be there.
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(TranslationFile(code)) && QCoreApplication::installTranslator(translator.get()))
        Installed() = std::move(translator);
}

QString CurrentLanguage() {
    return Current();
}
