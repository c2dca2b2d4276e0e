// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ErrorReport.h"
#include "framework/Guard.h"

#include "platform/DataFolders.h"
#include "platform/VersionResource.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStyle>
#include <QSysInfo>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWidget>

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <typeinfo>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct Dispatch {
    QPointer<QObject> receiver; // a handler may delete its own object before it fails
    QEvent::Type type;
};
thread_local std::vector<Dispatch> dispatches;

class DispatchScope {
public:
    DispatchScope(QObject* receiver, QEvent* event) { dispatches.push_back({receiver, event->type()}); }
    ~DispatchScope() { dispatches.pop_back(); }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

// Raised in place of an exception that is no std::exception, so that it can be reported too.
class UnknownException : public std::exception {
public:
    const char* what() const noexcept override { return "an exception of unknown type"; }
};

QString ClassName(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type.name());
}

QString DescribeObject(const QObject* object) {
    QString text = QString::fromLatin1(object->metaObject()->className());
    if (!object->objectName().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(object->objectName());
    if (const auto* widget = qobject_cast<const QWidget*>(object); widget && widget->window() != widget) {
        const QWidget* window = widget->window();
        text += QStringLiteral(" in %1").arg(QString::fromLatin1(window->metaObject()->className()));
        if (!window->objectName().isEmpty())
            text += QStringLiteral(" \"%1\"").arg(window->objectName());
    }
    return text;
}

QString EventName(QEvent::Type type) {
    const char* key = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return key ? QString::fromLatin1(key) : QString::number(int(type));
}

// The program's own version strings, read from its version resource.
QString ProgramVersions() {
    char path[4096];
    if (GetModuleFileNameA(path, sizeof path) == 0)
        return QStringLiteral("Program: version not available\n");
    const std::uint32_t size = GetFileVersionInfoSizeA(path);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(path, size, block.data()))
        return QStringLiteral("Program: version not available\n");
    const void* value = nullptr;
    std::uint32_t length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4)
        return QStringLiteral("Program: version not available\n");
    // The language and code page pair need not be aligned in the block.
    std::uint16_t translation[2];
    std::memcpy(translation, value, sizeof translation);
    const QString table = QStringLiteral("%1%2")
                              .arg(translation[0], 4, 16, QLatin1Char('0'))
                              .arg(translation[1], 4, 16, QLatin1Char('0'))
                              .toUpper();
    QString text;
    for (const char* key :
         {"ProductName", "ProductVersion", "FileVersion", "CompanyName", "LegalCopyright"}) {
        const QByteArray query =
            QStringLiteral("\\StringFileInfo\\%1\\%2").arg(table, QLatin1String(key)).toLatin1();
        if (VerQueryValueA(block.data(), query.constData(), &value, &length) && length > 0)
            text += QStringLiteral("%1: %2\n")
                        .arg(QLatin1String(key),
                             QString::fromUtf8(static_cast<const char*>(value),
                                               qsizetype(strnlen(static_cast<const char*>(value), length))));
    }
    return text;
}

// Messages of the toolkit while it starts, held back so that a failed start prints one clear
// line instead of them; after a good start they go to the usual handler.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
const char* programName = "";
const QTranslator* startTranslator = nullptr;

QString StartMessage(const char* text) {
    const QString translated = startTranslator ? startTranslator->translate("ErrorReport", text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString DisplayProblem() {
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty())
        return StartMessage(
            QT_TRANSLATE_NOOP("ErrorReport", "no display to show the game on (DISPLAY is not set)"));
    return StartMessage(QT_TRANSLATE_NOOP("ErrorReport", "cannot open the display %1"))
        .arg(display.isEmpty() ? wayland : display);
}

// While it starts, the toolkit looks in the session's runtime folder for a sandbox's marker file
// and complains when the session has none, or one it cannot use (su, sudo, startx without a login
// manager). The game does without one (the hand-over makes a private folder of its own), and the
// user could do nothing about it: it is not shown.
bool RuntimeFolderComplaint(const QString& text) {
    return text.contains(QLatin1String("QStandardPaths:")) &&
           (text.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
            text.contains(QLatin1String("runtime directory")));
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        if (!RuntimeFolderComplaint(text))
            heldMessages.push_back({type, QByteArray(context.category), text});
        return;
    }
    const QString problem = text.contains(QLatin1String("platform plugin"))
                                ? DisplayProblem()
                                : text.section(QLatin1Char('\n'), 0, 0);
    std::fprintf(stderr, "%s: %s\n", programName, problem.toLocal8Bit().constData());
    std::fflush(stderr);
    ::_exit(1);
}

} // namespace

void SetStartMessageTranslator(const QTranslator* translator) {
    startTranslator = translator;
}

std::unique_ptr<TQtApplication> TQtApplication::Create(int& argc, char** argv) {
    programName = argc > 0 ? argv[0] : "";
    if (const char* slash = std::strrchr(programName, '/'))
        programName = slash + 1;
    const QtMessageHandler usual = qInstallMessageHandler(HoldStartMessage);
    auto application = std::make_unique<TQtApplication>(argc, argv);
    qInstallMessageHandler(usual);
    for (const HeldMessage& held : std::exchange(heldMessages, {}))
        qt_message_output(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()),
                          held.text);
    return application;
}

bool TQtApplication::notify(QObject* receiver, QEvent* event) {
    const DispatchScope scope(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(UnknownException());
    }
    return true;
}

QString CurrentDispatch() {
    QStringList lines;
    for (auto it = dispatches.rbegin(); it != dispatches.rend(); ++it)
        lines << QStringLiteral("%1 event to %2")
                     .arg(EventName(it->type), it->receiver ? DescribeObject(it->receiver)
                                                            : QStringLiteral("an object deleted since"));
    return lines.join(QLatin1Char('\n'));
}

QString DescribeException(const std::exception& error) {
    return QStringLiteral("%1: %2").arg(ClassName(typeid(error)), QString::fromUtf8(error.what()));
}

QString ErrorReportText(const QString& what, const QString& where) {
    return QStringLiteral(
               "Time: %1\n\nWhat happened:\n%2\n\nWhere:\n%3\n\nVersions:\n%4Qt: %5\nSystem: %6 (%7 %8)\n")
        .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), what,
             where.isEmpty() ? QStringLiteral("outside the handling of any event") : where, ProgramVersions(),
             QString::fromLatin1(qVersion()), QSysInfo::prettyProductName(), QSysInfo::kernelType(),
             QSysInfo::kernelVersion());
}

QString ErrorReportFolder() {
    return StateFolder();
}

QString SaveErrorReport(const QString& report) {
    const QString folder = MakeStateFolder();
    if (folder.isEmpty())
        return {};
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString path = QStringLiteral("%1/error-%2-%3.txt").arg(folder, stamp).arg(::getpid());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(report.toUtf8());
    return file.commit() ? path : QString();
}

namespace {

QString MailProgram() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

// Opens the user's mail program with the report in a new message, the saved file attached.
void MailReport(const QString& program, const QString& report, const QString& savedTo) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"),
                          QStringLiteral("Tovimar Plumkin error report"), QStringLiteral("--body"), report};
    if (!savedTo.isEmpty())
        arguments << QStringLiteral("--attach") << savedTo;
    QProcess::startDetached(program, arguments);
}

QPushButton* AddButton(QHBoxLayout* row, const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

ErrorChoice ShowErrorWindow(const QString& title, const QString& report, const QString& savedTo) {
    QDialog window;
    window.setWindowTitle(title);
    auto* icon = new QLabel;
    const int side = window.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &window);
    icon->setPixmap(window.style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(side, side));
    auto* message =
        new QLabel(QCoreApplication::translate("ErrorReport", "An error occurred in the application."));
    message->setObjectName(QStringLiteral("message"));
    auto* saved = new QLabel(
        savedTo.isEmpty()
            ? QCoreApplication::translate("ErrorReport", "You can continue, restart or close the program.")
            : QCoreApplication::translate("ErrorReport", "You can continue, restart or close the program. "
                                                         "A report was saved to %1.")
                  .arg(savedTo));
    saved->setWordWrap(true);
    saved->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* details = new QPlainTextEdit(report);
    details->setObjectName(QStringLiteral("details"));
    details->setReadOnly(true);
    details->hide();

    auto* buttons = new QHBoxLayout;
    QPushButton* toggle =
        AddButton(buttons, QCoreApplication::translate("ErrorReport", "Show &Details..."), "showDetails");
    buttons->addStretch();
    QObject::connect(AddButton(buttons, QCoreApplication::translate("ErrorReport", "Co&py"), "copy"),
                     &QPushButton::clicked, &window,
                     [report] { QGuiApplication::clipboard()->setText(report); });
    // Only where there is a program to write mail with.
    if (const QString program = MailProgram(); !program.isEmpty())
        QObject::connect(AddButton(buttons, QCoreApplication::translate("ErrorReport", "&Mail"), "mail"),
                         &QPushButton::clicked, &window,
                         [program, report, savedTo] { MailReport(program, report, savedTo); });
    ErrorChoice choice = ErrorChoice::Continue;
    auto choose = [&window, &choice](ErrorChoice chosen) {
        return [&window, &choice, chosen] {
            choice = chosen;
            window.accept();
        };
    };
    QObject::connect(AddButton(buttons, QCoreApplication::translate("ErrorReport", "&Restart"), "restart"),
                     &QPushButton::clicked, &window, choose(ErrorChoice::Restart));
    QPushButton* resume =
        AddButton(buttons, QCoreApplication::translate("ErrorReport", "&Continue"), "continue");
    resume->setDefault(true);
    QObject::connect(resume, &QPushButton::clicked, &window, choose(ErrorChoice::Continue));
    QObject::connect(AddButton(buttons, QCoreApplication::translate("ErrorReport", "C&lose"), "close"),
                     &QPushButton::clicked, &window, choose(ErrorChoice::Close));
    QObject::connect(toggle, &QPushButton::clicked, &window, [&window, toggle, details] {
        details->setVisible(!details->isVisible());
        toggle->setText(details->isVisible()
                            ? QCoreApplication::translate("ErrorReport", "Hide &Details...")
                            : QCoreApplication::translate("ErrorReport", "Show &Details..."));
        window.adjustSize();
    });

    auto* texts = new QVBoxLayout;
    texts->addWidget(message);
    texts->addWidget(saved);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(details, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Escape, or the window's close box, continues.
    window.exec();
    return choice;
}
