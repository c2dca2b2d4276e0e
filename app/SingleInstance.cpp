// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"
#include "app/uMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>

#include <memory>
#include <unistd.h>

namespace {

constexpr int ConnectWait = 2000;   // ms for the running game to take the call
constexpr int StartingWait = 10000; // ms for a game that is still starting to begin listening
constexpr qint64 MaxRequest = 256;  // bytes of one request line

std::unique_ptr<QLockFile> startLock;

// The rendezvous of the games of this user on this display, in the user's runtime folder.
QString RendezvousPath() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]")), QStringLiteral("_"));
    return QStringLiteral("%1/tovimar-plumkin-%2-%3").arg(folder).arg(::getuid()).arg(display);
}

void BringMainMenuToFront() {
    if (!frmMain)
        return;
    if (frmMain->isMinimized())
        frmMain->showNormal();
    frmMain->raise();
    frmMain->activateWindow();
}

} // namespace

bool AskRunningGame(const QStringList& requests) {
    const QString path = RendezvousPath();
    // Held until this game listens, so that a start at the same moment finds it.
    startLock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (!startLock->tryLock(StartingWait))
        startLock.reset();
    QLocalSocket socket;
    socket.connectToServer(path);
    if (socket.waitForConnected(ConnectWait)) {
        socket.write((requests.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        socket.waitForBytesWritten(ConnectWait);
        socket.disconnectFromServer();
        startLock.reset();
        return true;
    }
    return false;
}

void AnswerLaterStarts(std::function<void(const QStringList&)> answer) {
    const QString path = RendezvousPath();
    auto* server = new QLocalServer(QCoreApplication::instance());
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // What is left there belongs to a game that has ended: nothing answered above.
    QLocalServer::removeServer(path);
    QObject::connect(server, &QLocalServer::newConnection, server, [server, answer] {
        while (QLocalSocket* caller = server->nextPendingConnection()) {
            BringMainMenuToFront();
            // Requests are short lines; a caller that sends anything else only brought the menu up.
            const auto read = [caller, answer] {
                if (caller->bytesAvailable() > 4 * MaxRequest && !caller->canReadLine()) {
                    caller->abort();
                    return;
                }
                while (caller->canReadLine()) {
                    const QString line = QString::fromUtf8(caller->readLine(MaxRequest)).trimmed();
                    if (!line.isEmpty() && answer)
                        answer({line});
                }
            };
            QObject::connect(caller, &QLocalSocket::readyRead, caller, read);
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            read();
            if (caller->state() != QLocalSocket::ConnectedState)
                caller->deleteLater();
        }
    });
    server->listen(path);
    startLock.reset();
}
