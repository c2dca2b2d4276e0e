// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>

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

void WriteLogLine(const QString& line) {
    static std::mutex mutex;
    const std::lock_guard guard(mutex);
    const QString folder = StateFolder();
    QFile log(folder + QStringLiteral("/tovimar-plumkin.log"));
    if (!QDir().mkpath(folder) || !log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    log.write(
        QStringLiteral("%1 %2\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate), line).toUtf8());
}
