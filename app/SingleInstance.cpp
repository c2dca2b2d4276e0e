// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"
#include "app/uMain.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLockFile>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

// A plain Unix socket: the hand-over is a few bytes once per start, and Qt's network module
// would add a dozen libraries to every start.
//
// A later start connects, sends its requests one a line, shuts its side and waits for one byte
// back. The running game listens on a thread of its own, so that it answers while a transition
// holds up its windows; a game that does not answer at all (stopped) lets the start run, but keeps
// the socket's name: once it goes on, it is again the game that later starts bring to the front.

namespace {

constexpr int ConnectWait = 2000;     // ms for the running game's socket to take the call
constexpr int AnswerWait = 1000;      // ms for the running game to confirm it has the requests
constexpr int StartingWait = 10000;   // ms for a game that is still starting to begin listening
constexpr qsizetype MaxRequest = 256; // bytes of one request line
constexpr qsizetype MaxMessage = 4 * MaxRequest;
constexpr int CallerWait = 2000;       // ms a caller may take to send its message
constexpr std::size_t MaxCallers = 8;  // beyond, the caller waiting longest is dropped
constexpr int OutOfHandlesPause = 500; // ms without accepting when the system has no handle to give
constexpr int Backlog = 16;
constexpr char Confirmation = '+';

std::unique_ptr<QLockFile> startLock;
// A game of this user holds the rendezvous but did not answer: this start runs beside it.
bool heldByStoppedGame = false;

// True for a real folder of this user that no one else may enter: nobody else can put a socket
// or a lock file there.
bool PrivateFolder(const QString& folder) {
    struct stat info;
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Without a runtime folder (su, sudo, startx without a login manager): a folder of this user's
// own in the temporary folder, made private if it is not, or none when someone else holds the name.
QString FallbackFolder() {
    const QString folder = QStringLiteral("%1/tovimar-plumkin-%2").arg(QDir::tempPath()).arg(::geteuid());
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat info;
    if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::chmod(name.constData(), 0700);
    return PrivateFolder(folder) ? folder : QString();
}

bool IsAddressCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'.';
}

// The rendezvous of the games of this user on this display, in a private folder; empty when there
// is no such folder, and the game then runs alone.
QString RendezvousPath() {
    // A relative runtime folder is no runtime folder.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || QDir::isRelativePath(folder) || !PrivateFolder(folder))
        folder = FallbackFolder();
    if (folder.isEmpty())
        return {};
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    // A plain loop: a regular expression here would load and compile its engine before the first frame.
    for (QChar& c : display)
        if (!IsAddressCharacter(c.unicode()))
            c = u'_';
    return QStringLiteral("%1/tovimar-plumkin-%2-%3").arg(folder).arg(::geteuid()).arg(display);
}

// False when there is no path or it does not fit a socket address; the game then runs alone.
bool SocketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// Whether the process at the other end runs as this user: nobody else gets this game's options,
// and no one else's listener ends this start.
bool PeerIsThisUser(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
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

// How a call to the rendezvous went: the running game confirmed it; or there is no game that
// answers (none listens, another user's listens, or the game hung up without a word as it ends);
// or a game of this user took the call and said nothing (it is stopped).
enum class TCall { NoGame, Answered, Unanswered };

TCall Answer(int socket) {
    const QDeadlineTimer deadline(AnswerWait);
    pollfd wait{socket, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&wait, 1, deadline.remainingTime());
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return TCall::Unanswered;
        if (ready < 0)
            return TCall::NoGame;
        char answer = 0;
        const ssize_t got = ::recv(socket, &answer, 1, MSG_DONTWAIT);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1 && answer == Confirmation ? TCall::Answered : TCall::NoGame;
    }
}

TCall Call(int socket, const sockaddr_un& address, const QStringList& requests) {
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        // A queue of calls that stays full belongs to a game that takes none.
        return errno == EAGAIN ? TCall::Unanswered : TCall::NoGame;
    if (!PeerIsThisUser(socket) ||
        !WriteAll(socket, (requests.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) ||
        ::shutdown(socket, SHUT_WR) != 0)
        return TCall::NoGame;
    return Answer(socket);
}

void BringMainMenuToFront() {
    if (!frmMain)
        return;
    if (frmMain->isMinimized())
        frmMain->showNormal();
    frmMain->raise();
    frmMain->activateWindow();
}

QStringList RequestLines(const QByteArray& message) {
    QStringList requests;
    for (const QByteArray& line : message.split('\n')) {
        const QString request = QString::fromUtf8(line.left(MaxRequest - 1)).trimmed();
        if (!request.isEmpty())
            requests << request;
    }
    return requests;
}

// The running game's end of the socket: takes later starts' messages on its own thread and hands
// each to the user-interface thread.
class TListener {
public:
    // Takes over `server` and `wake`; a count written to `wake` ends the thread.
    TListener(int server, int wake, QByteArray path, std::function<void(const QStringList&)> answer)
        : server_(server), wake_(wake), path_(std::move(path)), socketFile_(FileIdentity(path_)),
          answer_(std::move(answer)), thread_([this] { Run(); }) {}

    ~TListener() {
        const std::uint64_t one = 1;
        while (::write(wake_, &one, sizeof one) < 0 && errno == EINTR) {
        }
        thread_.join();
        for (const TCaller& caller : callers_)
            ::close(caller.socket);
        ::close(server_);
        ::close(wake_);
        // The socket file goes with the game, as its leftover would only be removed by the next
        // start; a file another game has put there since stays.
        if (FileIdentity(path_) == socketFile_)
            ::unlink(path_.constData());
    }

private:
    struct TCaller {
        int socket;
        QDeadlineTimer deadline;
        QByteArray message;
    };

    void Run() {
        std::vector<pollfd> waits;
        for (;;) {
            waits.assign({{wake_, POLLIN, 0}, {acceptPause_.hasExpired() ? server_ : -1, POLLIN, 0}});
            for (const TCaller& caller : callers_)
                waits.push_back({caller.socket, POLLIN, 0});
            const int ready = ::poll(waits.data(), waits.size(), NextDeadline());
            if ((ready < 0 && errno != EINTR) || waits[0].revents != 0)
                return;
            if (ready < 0)
                continue;
            // Back to front, as callers done with are taken out.
            for (std::size_t i = callers_.size(); i-- > 0;) {
                const bool keep =
                    waits[i + 2].revents != 0 ? Read(callers_[i]) : !callers_[i].deadline.hasExpired();
                if (!keep) {
                    ::close(callers_[i].socket);
                    callers_.erase(callers_.begin() + std::ptrdiff_t(i));
                }
            }
            if (waits[1].revents != 0)
                Accept();
        }
    }

    // Ms to the next caller's or the pause's end, or -1 for none.
    int NextDeadline() const {
        QDeadlineTimer next =
            acceptPause_.hasExpired() ? QDeadlineTimer(QDeadlineTimer::Forever) : acceptPause_;
        for (const TCaller& caller : callers_)
            next = std::min(next, caller.deadline);
        return next.isForever() ? -1 : int(next.remainingTime());
    }

    void Accept() {
        for (;;) {
            const int caller = ::accept4(server_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (caller < 0) {
                if (errno == EINTR || errno == ECONNABORTED)
                    continue;
                // Out of handles or memory: the calls wait in the queue instead of waking this loop
                // again and again.
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    acceptPause_.setRemainingTime(OutOfHandlesPause);
                return;
            }
            if (!PeerIsThisUser(caller)) {
                ::close(caller);
                continue;
            }
            if (callers_.size() == MaxCallers) {
                ::close(callers_.front().socket);
                callers_.erase(callers_.begin());
            }
            callers_.push_back({caller, QDeadlineTimer(CallerWait), {}});
        }
    }

    // False once done with the caller: its message handed on, too long, or the caller gone.
    bool Read(TCaller& caller) {
        char chunk[MaxRequest];
        for (;;) {
            const ssize_t got = ::recv(caller.socket, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got > 0) {
                caller.message.append(chunk, got);
                if (caller.message.size() > MaxMessage)
                    return false;
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return (errno == EAGAIN || errno == EWOULDBLOCK) && !caller.deadline.hasExpired();
            // The caller has said all: confirm, then act on it. A caller that has given up on the
            // answer (this game was stopped) runs as a game of its own and is not acted on.
            if (::send(caller.socket, &Confirmation, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1)
                Hand(RequestLines(caller.message));
            return false;
        }
    }

    void Hand(const QStringList& requests) const {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [answer = answer_, requests] {
                BringMainMenuToFront();
                if (answer)
                    answer(requests);
            },
            Qt::QueuedConnection);
    }

    static std::pair<dev_t, ino_t> FileIdentity(const QByteArray& path) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0)
            return {};
        return {info.st_dev, info.st_ino};
    }

    const int server_;
    const int wake_;
    const QByteArray path_;
    const std::pair<dev_t, ino_t> socketFile_;
    const std::function<void(const QStringList&)> answer_;
    std::vector<TCaller> callers_;
    QDeadlineTimer acceptPause_;
    std::thread thread_;
};

std::unique_ptr<TListener> listener;

} // namespace

bool AskRunningGame(const QStringList& requests) {
    const QString path = RendezvousPath();
    sockaddr_un address;
    if (!SocketAddress(path, address))
        return false;
    // Held until this game listens, so that a start at the same moment finds it.
    startLock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (!startLock->tryLock(StartingWait))
        startLock.reset();
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const timeval wait{ConnectWait / 1000, (ConnectWait % 1000) * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    const TCall call = Call(socket, address, requests);
    ::close(socket);
    heldByStoppedGame = call == TCall::Unanswered;
    if (call == TCall::Answered)
        startLock.reset();
    return call == TCall::Answered;
}

void AnswerLaterStarts(std::function<void(const QStringList&)> answer) {
    // The stopped game keeps its name; taking it over would leave two games that each take
    // themselves for the only one once it goes on.
    const QString path = heldByStoppedGame ? QString() : RendezvousPath();
    sockaddr_un address;
    const int server =
        SocketAddress(path, address) ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0) : -1;
    const int wake = server >= 0 ? ::eventfd(0, EFD_CLOEXEC) : -1;
    if (wake >= 0) {
        // What is left there belongs to a game that has ended, or to someone else.
        ::unlink(address.sun_path);
        // Only this user may call.
        const mode_t mask = ::umask(0077);
        const bool bound = ::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::umask(mask);
        if (bound && ::listen(server, Backlog) == 0) {
            listener =
                std::make_unique<TListener>(server, wake, QByteArray(address.sun_path), std::move(answer));
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                             [] { listener.reset(); });
        } else {
            ::close(server);
            ::close(wake);
        }
    } else if (server >= 0) {
        ::close(server);
    }
    startLock.reset();
}
