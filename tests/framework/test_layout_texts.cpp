// SPDX-License-Identifier: GPL-3.0-or-later
// A layout's captions and hints are shown in the language of the installed translators, looked
// up with the window's class as context, and shown again in another language on request.
// Symbol-font texts and name placeholders are no texts.
#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/LayoutReader.h"
#include "tests/framework/qt_app.h"

#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

class TTextControl : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(TFont* Font READ Font)
public:
    explicit TTextControl(QObject* owner) : TComponent(owner), font_(new TFont(this)) {}
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint) { hint_ = hint; }
    TFont* Font() const { return font_; }

private:
    QString caption_;
    QString hint_;
    TFont* font_;
};

class TfrmTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    TfrmTexts() : TComponent(nullptr) {}
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }

private:
    QString caption_;
};

namespace {

// Answers every text as "<tag> context: source".
class TTaggingTranslator : public QTranslator {
public:
    explicit TTaggingTranslator(QString tag) : tag_(std::move(tag)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QStringLiteral("%1 %2: %3").arg(tag_, QLatin1String(context), QString::fromUtf8(source));
    }

private:
    QString tag_;
};

const QByteArray Layout = "object frmTexts: TfrmTexts\n"
                          "  Caption = 'Colors: All'\n"
                          "  object btnPlay: TTextControl\n"
                          "    Caption = 'Play'\n"
                          "    Hint = 'Randomize color positions.'\n"
                          "  end\n"
                          "  object lblF: TTextControl\n"
                          "    Caption = '.U.u.'\n"
                          "    Font.Name = 'StaffGlyphs'\n"
                          "  end\n"
                          "  object lblPlaceholder: TTextControl\n"
                          "    Caption = 'lblPlaceholder'\n"
                          "  end\n"
                          "end\n";

class LayoutTexts : public testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureQtApp();
        RegisterComponentClass<TTextControl>();
        RegisterSymbolFont(QStringLiteral("StaffGlyphs"));
    }

    void Read() { ReadLayoutText(root.get(), Layout, QStringLiteral("uTexts.layout")); }
    TTextControl* Control(const char* name) const {
        return root->findChild<TTextControl*>(QLatin1String(name));
    }
    // Caption of the window, caption and hint of btnPlay, captions of lblF and lblPlaceholder.
    QStringList Shown() const {
        return {root->Caption(), Control("btnPlay")->Caption(), Control("btnPlay")->Hint(),
                Control("lblF")->Caption(), Control("lblPlaceholder")->Caption()};
    }

    std::unique_ptr<TfrmTexts> root = std::make_unique<TfrmTexts>();
};

} // namespace

TEST_F(LayoutTexts, AreShownInTheTranslatorsLanguageWithTheWindowClassAsContext) {
    TTaggingTranslator german(QStringLiteral("de"));
    QCoreApplication::installTranslator(&german);
    Read();
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(Shown(),
              (QStringList{QStringLiteral("de TfrmTexts: Colors: All"), QStringLiteral("de TfrmTexts: Play"),
                           QStringLiteral("de TfrmTexts: Randomize color positions."),
                           QStringLiteral(".U.u."), QStringLiteral("lblPlaceholder")}));
}

TEST_F(LayoutTexts, FollowAChangeOfLanguageAndComeBackToTheSource) {
    Read();
    const QStringList source = Shown();
    EXPECT_EQ(source[1], QStringLiteral("Play"));

    TTaggingTranslator russian(QStringLiteral("ru"));
    QCoreApplication::installTranslator(&russian);
    RetranslateLayout(root.get());
    EXPECT_EQ(Shown()[0], QStringLiteral("ru TfrmTexts: Colors: All"));
    EXPECT_EQ(Shown()[2], QStringLiteral("ru TfrmTexts: Randomize color positions."));
    EXPECT_EQ(Shown()[3], QStringLiteral(".U.u.")) << "staff glyphs are no words";

    QCoreApplication::removeTranslator(&russian);
    RetranslateLayout(root.get());
    EXPECT_EQ(Shown(), source);
}
#include "test_layout_texts.moc"
