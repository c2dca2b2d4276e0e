// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uVoices.h"
#include "platform/Voices.h"
#include "program_fixture.h"

#include <QDir>
#include <QFile>
#include <SDL.h>

// Every layout is read by creating the windows (the fixture), which binds every event and
// decodes every picture; here the recordings the questions name are checked, in every language
// (the applause is only in English: it is the same for all).
TEST(ShippedData, EveryRecordingExistsAndDecodes) {
    const char* names[] = {"clap",   "black", "white", "blue", "red", "yellow", "green", "circle", "triangle",
                           "square", "E",     "F",     "G",    "A",   "B",      "C",     "D"};
    for (const QString& language : VoiceLanguages()) {
        const QString folder = language == "en" ? QString() : language + "/";
        for (const char* name : names) {
            if (!folder.isEmpty() && QLatin1String(name) == "clap")
                continue;
            const QString path =
                QStringLiteral(TP_SOURCE_DIR "/sounds/%1%2.wav").arg(folder, QLatin1String(name));
            ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
            SDL_AudioSpec audioFormat;
            Uint8* buffer = nullptr;
            Uint32 length = 0;
            ASSERT_NE(SDL_LoadWAV(path.toLocal8Bit().constData(), &audioFormat, &buffer, &length), nullptr)
                << path.toStdString();
            EXPECT_GT(length, 0u) << path.toStdString();
            SDL_FreeWAV(buffer);
        }
    }
}

TEST(ShippedData, EveryWindowComesFromItsLayout) {
    StartProgramOnce();
    const char* captions[] = {"Bravo",        "Colors: Black-White",     "Colors: Blue-Red-Yellow",
                              "Colors: All",  "Shapes: Circle-Triangle", "Music: F-C",
                              "Music: F-A-C", "Music: F-G-A-B-C",        "Music: E-F-G-A-B-C-D"};
    QStringList found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TForm*>(window))
            found << form->Caption();
    for (const char* caption : captions)
        EXPECT_TRUE(found.contains(QString::fromLatin1(caption))) << caption;
    EXPECT_EQ(found.count(QStringLiteral("Shapes: Circle-Triangle")), 2);
}

// The parent's voice window lists every prompt of every language with its words, in the order
// the levels use their names.
TEST(ShippedData, EveryLanguageHasTheWordsOfEveryPrompt) {
    const QStringList names{"black",  "white", "blue", "red", "yellow", "green", "circle", "triangle",
                            "square", "C",     "D",    "E",   "F",      "G",     "A",      "B"};
    for (const QString& language : VoiceLanguages()) {
        const auto prompts = TfrmVoices::Prompts(language);
        QStringList found;
        for (const auto& [name, words] : prompts) {
            found << name;
            EXPECT_FALSE(words.trimmed().isEmpty()) << language.toStdString() << " " << name.toStdString();
        }
        EXPECT_EQ(found, names) << language.toStdString();
    }
    EXPECT_TRUE(TfrmVoices::Prompts("xx").isEmpty());
}
