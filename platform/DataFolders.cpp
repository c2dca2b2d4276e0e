// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <mutex>
#include <sys/stat.h>

QStringList ProgramDataFolders() {
    static const QStringList folders = [] {
        const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        if (exe.isEmpty())
            return QStringList();
        const QString dir = QFileInfo(exe).absolutePath();
        return QStringList{dir, QDir::cleanPath(dir + QStringLiteral("/../share/tovimar-plumkin"))};
    }();
    return folders;
}

QString FindProgramDataFile(const QString& relative) {
    for (const QString& folder : ProgramDataFolders()) {
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + relative);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString StateFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/tovimar-plumkin");
}

QString MakeStateFolder() {
    const QString folder = StateFolder();
    // Each missing folder is made private to the user; one that exists keeps its mode.
    QString path;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
            return {};
    }
    return QFileInfo(folder).isDir() ? folder : QString();
}

void WriteLogLine(const QString& line) {
    static std::mutex mutex;
    const std::lock_guard guard(mutex);
    const QString folder = MakeStateFolder();
    if (folder.isEmpty())
        return;
    const QString path = folder + QStringLiteral("/tovimar-plumkin.log");
    // A full log becomes the previous one, which replaces the one before it.
    if (QFileInfo(path).size() >= kLogCap) {
        QFile::remove(path + QStringLiteral(".1"));
        QFile::rename(path, path + QStringLiteral(".1"));
    }
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    log.write(
        QStringLiteral("%1 %2\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate), line).toUtf8());
}
