// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Points XDG_STATE_HOME at `folder` for the test's time.
class StateHome {
public:
    explicit StateHome(const QString& folder) : saved_(qgetenv("XDG_STATE_HOME")) {
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder));
    }
    ~StateHome() { saved_.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", saved_); }

private:
    QByteArray saved_;
};

mode_t Mode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

} // namespace

TEST(StateFolder, FoldersItMakesArePrivateAndOnesThereKeepTheirMode) {
    QTemporaryDir dir;
    ASSERT_TRUE(::mkdir(QFile::encodeName(dir.filePath("shared")).constData(), 0755) == 0);
    ::chmod(QFile::encodeName(dir.filePath("shared")).constData(), 0755);
    const StateHome home(dir.filePath("shared/state"));
    const mode_t mask = ::umask(0022);
    WriteLogLine(QStringLiteral("first"));
    ::umask(mask);
    EXPECT_EQ(Mode(dir.filePath("shared")), 0755u);
    EXPECT_EQ(Mode(dir.filePath("shared/state")), 0700u);
    EXPECT_EQ(Mode(dir.filePath("shared/state/tovimar-plumkin")), 0700u);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("shared/state/tovimar-plumkin/tovimar-plumkin.log")));
}

TEST(StateFolder, LogIsSetAsideWhenFullAndTwoAtMostAreKept) {
    QTemporaryDir dir;
    const StateHome home(dir.path());
    const QString line(1000, QLatin1Char('x'));
    const QString log = dir.filePath("tovimar-plumkin/tovimar-plumkin.log");
    for (int i = 0; i < 3 * int(kLogCap / 1000); ++i)
        WriteLogLine(QStringLiteral("%1 %2").arg(i).arg(line));
    const qint64 size = QFileInfo(log).size(), previous = QFileInfo(log + ".1").size();
    EXPECT_GT(size, 0);
    EXPECT_LT(size, kLogCap + 1100);
    EXPECT_GE(previous, kLogCap);
    EXPECT_LT(previous, kLogCap + 1100);
    EXPECT_FALSE(QFileInfo::exists(log + ".2"));
    // The newest line is in the log itself.
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(QStringLiteral("%1 x").arg(3 * int(kLogCap / 1000) - 1).toUtf8()));
}
