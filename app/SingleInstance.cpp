// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"
#include "app/uMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain Unix socket: the hand-over is a few bytes once per start, and Qt's network module
// would add a dozen libraries to every start.

namespace {

constexpr int ConnectWait = 2000;     // ms for the running game to take the call
constexpr int StartingWait = 10000;   // ms for a game that is still starting to begin listening
constexpr qsizetype MaxRequest = 256; // bytes of one request line

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

// False when the path does not fit a socket address; the game then runs alone, unreachable.
bool SocketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

bool WriteAll(int socket, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::send(socket, bytes.constData() + done, std::size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

void BringMainMenuToFront() {
    if (!frmMain)
        return;
    if (frmMain->isMinimized())
        frmMain->showNormal();
    frmMain->raise();
    frmMain->activateWindow();
}

// One later start on the line: its request lines go to `answer` as they come, until it hangs up.
class TCaller : public QObject {
public:
    TCaller(int socket, std::function<void(const QStringList&)> answer, QObject* parent)
        : QObject(parent), socket_(socket), answer_(std::move(answer)),
          notifier_(socket, QSocketNotifier::Read, this) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { Read(); });
    }
    ~TCaller() override { ::close(socket_); }

    void Read() {
        char chunk[MaxRequest];
        ssize_t got;
        while ((got = ::recv(socket_, chunk, sizeof chunk, MSG_DONTWAIT)) > 0)
            pending_.append(chunk, got);
        HandLines();
        // Requests are short lines; a caller that sends anything else only brought the menu up.
        const bool hungUp =
            got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
        if (hungUp || pending_.size() > 4 * MaxRequest) {
            notifier_.setEnabled(false);
            deleteLater();
        }
    }

private:
    void HandLines() {
        qsizetype end;
        while ((end = pending_.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending_.left(std::min(end, MaxRequest - 1))).trimmed();
            pending_.remove(0, end + 1);
            if (!line.isEmpty() && answer_)
                answer_({line});
        }
    }

    int socket_;
    std::function<void(const QStringList&)> answer_;
    QSocketNotifier notifier_;
    QByteArray pending_;
};

} // namespace

bool AskRunningGame(const QStringList& requests) {
    const QString path = RendezvousPath();
    // Held until this game listens, so that a start at the same moment finds it.
    startLock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (!startLock->tryLock(StartingWait))
        startLock.reset();
    sockaddr_un address;
    if (!SocketAddress(path, address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const timeval wait{ConnectWait / 1000, (ConnectWait % 1000) * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    bool asked = false;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        WriteAll(socket, (requests.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        asked = true;
    }
    ::close(socket);
    if (asked)
        startLock.reset();
    return asked;
}

void AnswerLaterStarts(std::function<void(const QStringList&)> answer) {
    const QString path = RendezvousPath();
    sockaddr_un address;
    const int server =
        SocketAddress(path, address) ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0) : -1;
    if (server >= 0) {
        // What is left there belongs to a game that has ended: nothing answered above.
        ::unlink(address.sun_path);
        // Only this user may call.
        const mode_t mask = ::umask(0077);
        const bool bound = ::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::umask(mask);
        if (bound && ::listen(server, 8) == 0) {
            auto* notifier = new QSocketNotifier(server, QSocketNotifier::Read, QCoreApplication::instance());
            QObject::connect(notifier, &QSocketNotifier::activated, notifier, [server, notifier, answer] {
                int caller;
                while ((caller = ::accept4(server, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
                    BringMainMenuToFront();
                    (new TCaller(caller, answer, notifier))->Read();
                }
            });
            // The socket file goes with the game, as its leftover would only be removed by the next start.
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, notifier,
                             [name = QByteArray(address.sun_path)] { ::unlink(name.constData()); });
        } else {
            ::close(server);
        }
    }
    startLock.reset();
}
