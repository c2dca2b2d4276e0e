// SPDX-License-Identifier: GPL-3.0-or-later
// An exception that no handler catches: the error window, the user's choice, and the report
// saved in the user's state folder.
#include "program_fixture.h"

#include "controls/XiButton.h"
#include "framework/ErrorReport.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace {

// Stands in for any object whose event handling goes wrong.
class Faulty : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("the handler failed");
        return QObject::event(event);
    }
};

struct SeenWindow {
    int shown = 0;
    QString title, text, details;
    QStringList buttons;
};

// Answers every error window that opens by pressing `buttons` in turn, noting what it showed,
// while the returned timer lives.
std::unique_ptr<QTimer> AnswerErrorWindows(SeenWindow& seen, const QStringList& buttons) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [&seen, buttons] {
        QWidget* window = QApplication::activeModalWidget();
        auto* message = window ? window->findChild<QLabel*>("message") : nullptr;
        if (!message)
            return;
        ++seen.shown;
        seen.title = window->windowTitle();
        seen.text = message->text();
        seen.details = window->findChild<QPlainTextEdit*>("details")->toPlainText();
        seen.buttons.clear();
        for (QPushButton* b : window->findChildren<QPushButton*>())
            seen.buttons << b->text().remove(QLatin1Char('&'));
        for (const QString& button : buttons)
            for (QPushButton* b : window->findChildren<QPushButton*>())
                if (b->text().remove(QLatin1Char('&')) == button)
                    b->click();
    });
    timer->start(10);
    return timer;
}

class ErrorReport : public ProgramTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(state.isValid());
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }
    void TearDown() override {
        answering.reset();
        qunsetenv("XDG_STATE_HOME");
        ProgramTest::TearDown();
    }
    QStringList Reports() const {
        return QDir(state.filePath("tovimar-plumkin")).entryList({"error-*.txt"}, QDir::Files, QDir::Name);
    }
    QString Report(const QString& name) const {
        QFile file(state.filePath("tovimar-plumkin/" + name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir state;
    SeenWindow seen;
    std::unique_ptr<QTimer> answering;
};

TEST_F(ErrorReport, ExceptionFromAnEventShowsTheWindowSavesTheReportAndTheGameGoesOn) {
    answering = AnswerErrorWindows(seen, {"Continue"});
    Faulty faulty;
    faulty.setObjectName("faulty");
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);

    EXPECT_EQ(seen.shown, 1);
    EXPECT_EQ(seen.title, "Tovimar Plumkin");
    EXPECT_EQ(seen.text, "An error occurred in the application.");
    const QStringList reports = Reports();
    ASSERT_EQ(reports.size(), 1);
    const QString report = Report(reports[0]);
    EXPECT_EQ(seen.details, report);
    for (const char* part : {"std::runtime_error: the handler failed", "User event to QObject \"faulty\"",
                             "ProductName: Tovimar Plumkin", "FileVersion: 0.1.0.0", "Qt: "})
        EXPECT_TRUE(report.contains(part)) << part << " missing in\n" << report.toStdString();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(frmMain->Visible());
}

TEST_F(ErrorReport, FailingClickHandlerNamesTheControlAndItsWindow) {
    answering = AnswerErrorWindows(seen, {"Continue"});
    const TNotifyEvent previous = frmMain->btnShapes->OnClick;
    frmMain->btnShapes->OnClick = [](QObject*) { throw std::logic_error("no shapes today"); };
    ClickOn(frmMain->btnShapes);
    frmMain->btnShapes->OnClick = previous;

    EXPECT_EQ(seen.shown, 1);
    const QStringList reports = Reports();
    ASSERT_EQ(reports.size(), 1);
    const QString report = Report(reports[0]);
    EXPECT_TRUE(report.contains("std::logic_error: no shapes today")) << report.toStdString();
    EXPECT_TRUE(
        report.contains("MouseButtonRelease event to TXiButton \"btnShapes\" in TfrmMain \"frmMain\""))
        << report.toStdString();
}

TEST_F(ErrorReport, ErrorsWhileTheWindowIsOpenAreSavedWithoutASecondWindow) {
    Faulty faulty;
    QTimer::singleShot(0, [&] {
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &again);
        answering = AnswerErrorWindows(seen, {"Continue"});
    });
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    EXPECT_EQ(seen.shown, 1);
    EXPECT_EQ(Reports().size(), 2);
}

TEST_F(ErrorReport, ReportIsCopiedAndMailedFromTheWindowWhereAMailProgramIsInstalled) {
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    Faulty faulty;
    for (const bool mailer : {false, true}) {
        if (mailer) {
            QFile stub(bin.filePath("xdg-email"));
            ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
            stub.write("#!/bin/sh\n");
            stub.setPermissions(stub.permissions() | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(bin.path()));
        QGuiApplication::clipboard()->clear();
        answering = AnswerErrorWindows(seen, {"Copy", "Continue"});
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &event);
        answering.reset();
        qputenv("PATH", path);

        EXPECT_EQ(seen.buttons.contains("Mail"), mailer);
        for (const char* button : {"Copy", "Restart", "Continue", "Close", "Show Details..."})
            EXPECT_TRUE(seen.buttons.contains(button)) << button;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), seen.details);
        EXPECT_TRUE(seen.details.contains("std::runtime_error: the handler failed"));
        EXPECT_FALSE(Application->Terminated());
    }
}

TEST(ErrorReportFolder, StateHomeOrTheDefaultBelowHome) {
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", "/home/child");
    const struct {
        const char* stateHome;
        const char* folder;
    } cases[] = {
        {"/var/state", "/var/state/tovimar-plumkin"},
        {"", "/home/child/.local/state/tovimar-plumkin"},
        {"relative/state", "/home/child/.local/state/tovimar-plumkin"}, // not absolute: ignored
    };
    for (const auto& c : cases) {
        qputenv("XDG_STATE_HOME", c.stateHome);
        EXPECT_EQ(ErrorReportFolder(), c.folder) << c.stateHome;
    }
    qunsetenv("XDG_STATE_HOME");
    qputenv("HOME", savedHome);
}

} // namespace
