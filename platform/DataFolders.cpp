// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include <QDir>
#include <QFileInfo>

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
