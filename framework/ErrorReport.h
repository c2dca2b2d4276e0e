// SPDX-License-Identifier: GPL-3.0-or-later
// What becomes of an exception that no handler caught: a report saved in the user's state folder
// and a small window from which the user continues, restarts or closes the program.
#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <memory>

class QTranslator;

// The toolkit's application object, catching what escapes the handling of any event so that it
// reaches the error report instead of ending the program.
class TQtApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    // Creates the application object. Where the toolkit cannot start (no display to show the
    // windows on), says so in one line on stderr and ends the process with status 1, where the
    // toolkit itself would abort with a hint to reinstall.
    static std::unique_ptr<TQtApplication> Create(int& argc, char** argv);
};

// What the program says while the toolkit starts comes before the application holds any
// translator: `translator`, while set, gives it in the user's language.
void SetStartMessageTranslator(const QTranslator* translator);

// The object and event being handled on the calling thread, innermost first; empty outside any.
QString CurrentDispatch();

// The exception's type and message.
QString DescribeException(const std::exception& error);

// The full text of a report: time, what happened, where, and the versions of the program, the
// toolkit and the system.
QString ErrorReportText(const QString& what, const QString& where);

// StateFolder(): $XDG_STATE_HOME/tovimar-plumkin, or ~/.local/state/tovimar-plumkin when that is not set.
QString ErrorReportFolder();

// Saves `report` to a new file in the report folder; returns its path, empty when it could not
// be written.
QString SaveErrorReport(const QString& report);

enum class ErrorChoice { Continue, Restart, Close };

// Shows the error window ("An error occurred in the application.") with the report behind its
// details button, and waits for the user's choice. The report can be copied to the clipboard
// and, where xdg-email is installed, mailed (the saved file attached) without leaving the window.
ErrorChoice ShowErrorWindow(const QString& title, const QString& report, const QString& savedTo);
