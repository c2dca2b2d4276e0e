// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the windows show has a translation in every language the game speaks, the Music
// levels name the notes as each language teaches them, and a change of language reaches the
// open windows at once.
#include "app/Language.h"
#include "app/uColors_BlackWhite.h"
#include "app/uQuestion.h"
#include "app/uSettings.h"
#include "app/uVoices.h"
#include "controls/RzPanel.h"
#include "controls/XiButton.h"
#include "framework/LayoutReader.h"
#include "program_fixture.h"

#include <QRegularExpression>
#include <QTranslator>

#include <set>

namespace {

// Notes every text of the game it is asked for (not Qt's own), and translates none.
class TRecordingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (context[0] != 'Q')
            Asked.insert({QByteArray(context), QString::fromUtf8(source)});
        return {};
    }
    mutable std::set<std::pair<QByteArray, QString>> Asked;
};

// The language change reaches the application, which passes it on to every window.
void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QString Translated(const QTranslator& translator, const char* context, const char* source) {
    return translator.translate(context, source);
}

class Languages : public ProgramTest {
protected:
    void TearDown() override {
        UseLanguage(QStringLiteral("en"));
        Settle();
        ProgramTest::TearDown();
    }
};

} // namespace

TEST_F(Languages, EveryTextOfEveryWindowHasATranslationInEveryLanguage) {
    TRecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    {
        const TfrmSettings settings(nullptr);
        const TfrmQuestion question(nullptr);
        const TfrmVoices voices(nullptr);
    }
    const int step = CurrentStep;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        RetranslateLayout(window);
        if (auto* activity = qobject_cast<TActivityForm*>(window))
            for (CurrentStep = 1; CurrentStep <= 7; ++CurrentStep)
                activity->InitForm();
    }
    CurrentStep = step;
    QCoreApplication::removeTranslator(&recorder);
    Settle();
    ASSERT_GT(recorder.Asked.size(), 60u);

    for (const TGameLanguage& language : GameLanguages()) {
        if (language.Code == QLatin1String("en"))
            continue;
        QTranslator translator;
        ASSERT_TRUE(translator.load(TranslationFile(language.Code))) << language.Code.toStdString();
        for (const auto& [context, source] : recorder.Asked)
            EXPECT_FALSE(Translated(translator, context.constData(), source.toUtf8().constData()).isEmpty())
                << language.Code.toStdString() << " lacks " << context.toStdString() << ": "
                << source.toStdString();
    }
}

TEST_F(Languages, MusicNamesTheNotesAsEachLanguageTeachesThem) {
    struct Case {
        const char* language;
        const char* prompt;
        const char* name;
    };
    const Case cases[] = {
        {"en", "Click the B note.", "B"},    {"nl", "Click the B note.", "B"},
        {"de", "Click the B note.", "H"},    {"cs", "Click the B note.", "H"},
        {"pl", "Click the B note.", "H"},    {"fi", "Click the B note.", "H"},
        {"fr", "Click the F note.", "Fa"},   {"es", "Click the C note.", "Do"},
        {"it", "Click the G note.", "Sol"},  {"pt", "Click the B note.", "Si"},
        {"ca", "Click the D note.", "Re"},   {"ru", "Click the F note.", "Фа"},
        {"ru", "Click the G note.", "Соль"}, {"de", "Click the F note.", "F"},
        {"fr", "Click the D note.", "Ré"},   {"pt", "Click the F note.", "Fá"},
    };
    for (const Case& c : cases) {
        QTranslator translator;
        const QString code = QString::fromLatin1(c.language);
        QString prompt = QString::fromLatin1(c.prompt);
        if (code != QLatin1String("en")) {
            ASSERT_TRUE(translator.load(TranslationFile(code))) << c.language;
            prompt = Translated(translator, "TActivityForm", c.prompt);
        }
        const QRegularExpression word(QStringLiteral("(^|[^\\w])%1($|[^\\w])").arg(QString::fromUtf8(c.name)),
                                      QRegularExpression::UseUnicodePropertiesOption);
        EXPECT_TRUE(word.match(prompt).hasMatch())
            << c.language << ": " << prompt.toStdString() << " should name " << c.name;
    }
    QTranslator german;
    ASSERT_TRUE(german.load(TranslationFile(QStringLiteral("de"))));
    EXPECT_EQ(Translated(german, "TfrmMusic_FGABC", "Music: F-G-A-B-C"), QStringLiteral("Musik: F-G-A-H-C"));
}

TEST_F(Languages, AChangeReachesTheOpenWindowsAtOnceAndEnglishComesBack) {
    ClickOn(frmMain->btnColors);
    ClickOn(frmMain->findChild<TBitBtn*>(QStringLiteral("btnColors1")));
    TfrmColors_BlackWhite* level = frmColors_BlackWhite;
    ASSERT_TRUE(level->Visible());
    ASSERT_EQ(level->lblInstructions->Caption(), QStringLiteral("Click the black Color."));

    UseLanguage(QStringLiteral("de"));
    Settle();
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
    EXPECT_EQ(frmMain->btnColors->Caption(), QStringLiteral("Farben"));
    EXPECT_EQ(frmMain->btnExit->Caption(), QStringLiteral("Ende"));
    EXPECT_EQ(level->Caption(), QStringLiteral("Farben: Schwarz-Weiß"));
    EXPECT_EQ(level->lblInstructions->Caption(), QStringLiteral("Klick auf die schwarze Farbe."));
    EXPECT_EQ(level->btnRandomize->Hint(), QStringLiteral("Alles neu verteilen."));

    UseLanguage(QStringLiteral("ru"));
    Settle();
    EXPECT_EQ(level->lblInstructions->Caption(), QStringLiteral("Нажми на чёрный цвет."));
    EXPECT_EQ(frmMain->btnMusic->Caption(), QStringLiteral("Музыка"));

    UseLanguage(QStringLiteral("en"));
    Settle();
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("en"));
    EXPECT_EQ(frmMain->btnColors->Caption(), QStringLiteral("Colors"));
    EXPECT_EQ(level->Caption(), QStringLiteral("Colors: Black-White"));
    EXPECT_EQ(level->lblInstructions->Caption(), QStringLiteral("Click the black Color."));
}

// However long a language's prompt, it ends before the hint beside it.
TEST_F(Languages, EveryPromptEndsBeforeTheHint) {
    ClickOn(frmMain->btnColors);
    ClickOn(frmMain->findChild<TBitBtn*>(QStringLiteral("btnColors1")));
    TfrmColors_BlackWhite* level = frmColors_BlackWhite;
    ASSERT_TRUE(level->Visible());
    for (const TGameLanguage& language : GameLanguages()) {
        UseLanguage(language.Code);
        Settle();
        for (CurrentStep = 1; CurrentStep <= 2; ++CurrentStep) {
            level->InitForm();
            const TLabel* prompt = level->lblInstructions;
            EXPECT_LT(prompt->Left() + prompt->Width(), level->objHint->Left())
                << language.Code.toStdString() << ": " << prompt->Caption().toStdString();
        }
    }
}

TEST_F(Languages, TheSettingsSayWhichKindOfVoiceTheLanguageHas) {
    const TfrmSettings settings(nullptr);
    EXPECT_EQ(settings.lblVoiceKind->Caption(), QStringLiteral("Voice: recorded for this game"));
    struct Case {
        const char* language;
        const char* kind;
    };
    for (const Case& c : {Case{"de", "Voice: computer voice"}, Case{"ca", "Voice: recorded for this game"},
                          Case{"it", "Voice: computer voice"}, Case{"ru", "Voice: recorded for this game"}}) {
        UseLanguage(QString::fromLatin1(c.language));
        Settle();
        QTranslator translator;
        ASSERT_TRUE(translator.load(TranslationFile(QString::fromLatin1(c.language))));
        EXPECT_EQ(settings.lblVoiceKind->Caption(), Translated(translator, "TfrmSettings", c.kind))
            << c.language;
    }
}
