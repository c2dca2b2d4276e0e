// SPDX-License-Identifier: GPL-3.0-or-later
// The parents' settings store: defaults where the file gives nothing usable, what is written is
// read back, broken or unwritable files are no error, and values out of range are clamped.
#include "app/Settings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const TParentSettings Defaults;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The file's bytes as they are on disk (a store of the same process may answer from memory).
QByteArray OnDisk(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TParentSettings Changed() {
    TParentSettings s;
    s.ShowHints = false;
    s.FullScreen = true;
    s.AskBeforeQuitting = true;
    s.VoiceVolume = 50;
    s.PianoVolume = 25;
    s.Muted = true;
    s.LastPage = 1;
    return s;
}

} // namespace

TEST(Settings, DefaultsKeepThePlainGame) {
    EXPECT_TRUE(Defaults.ShowHints);
    EXPECT_FALSE(Defaults.FullScreen);
    EXPECT_FALSE(Defaults.AskBeforeQuitting);
    EXPECT_EQ(Defaults.VoiceVolume, TParentSettings::MaxVolume);
    EXPECT_EQ(Defaults.PianoVolume, TParentSettings::MaxVolume);
    EXPECT_FALSE(Defaults.Muted);
    EXPECT_EQ(Defaults.LastPage, TParentSettings::NoPage);

    QTemporaryDir dir;
    EXPECT_EQ(TSettingsStore(dir.filePath(QStringLiteral("none/settings.ini"))).Values(), Defaults);
    EXPECT_EQ(TSettingsStore().Values(), Defaults);
}

TEST(Settings, ChangesAreWrittenAtOnceAndReadBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tovimar-plumkin/settings.ini"));
    TSettingsStore store(path);
    QSignalSpy changed(&store, &TSettingsStore::Changed);
    store.Update([](TParentSettings& s) { s = Changed(); });
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(TSettingsStore(path).Values(), Changed());
    const QByteArray written = OnDisk(path);
    for (const char* line : {"ShowHints=false", "FullScreen=true", "AskBeforeQuitting=true", "VoiceVolume=50",
                             "PianoVolume=25", "Muted=true", "LastPage=1"})
        EXPECT_TRUE(written.contains(line)) << line << " in\n" << written.toStdString();

    store.Update([](TParentSettings& s) { s.VoiceVolume = 50; });
    EXPECT_EQ(changed.count(), 1) << "the same value again is no change";
    // Nothing but the file itself is left in its folder: it was replaced whole.
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("tovimar-plumkin"))).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.ini")});
}

TEST(Settings, BrokenFilesGiveTheDefaults) {
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"binary garbage", QByteArray("\x00\xff\xfe[[[\x01=\x02\n\x7f", 12)},
        {"values of the wrong kind",
         "[General]\nShowHints=maybe\nVoiceVolume=loud\nPianoVolume=\nMuted=2\nLastPage=Colors\n"},
        {"empty file", ""},
        {"only a section", "[General"},
    };
    for (const auto& [what, bytes] : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        WriteFile(path, bytes);
        TSettingsStore store(path);
        EXPECT_EQ(store.Values(), Defaults) << what;
        store.Update([](TParentSettings& s) { s.PianoVolume = 37; });
        EXPECT_TRUE(OnDisk(path).contains("PianoVolume=37")) << what << ": the next change replaces the file";
    }
}

TEST(Settings, ValuesOutOfRangeAreClamped) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    WriteFile(path, "[General]\nVoiceVolume=250\nPianoVolume=-4\nLastPage=7\nShowHints=false\n");
    const TParentSettings read = TSettingsStore(path).Values();
    EXPECT_EQ(read.VoiceVolume, 100);
    EXPECT_EQ(read.PianoVolume, 0);
    EXPECT_EQ(read.LastPage, TParentSettings::NoPage);
    EXPECT_FALSE(read.ShowHints) << "a good value beside bad ones is kept";

    TSettingsStore store(path);
    store.Update([](TParentSettings& s) { s.PianoVolume = 1000; });
    EXPECT_EQ(store.Values().PianoVolume, 100);
    EXPECT_EQ(TSettingsStore(path).Values().PianoVolume, 100);
}

TEST(Settings, AFileThatCannotBeWrittenIsNoError) {
    QTemporaryDir dir;
    // A folder that is a file: no one, root included, writes below it.
    WriteFile(dir.filePath(QStringLiteral("blocked")), "not a folder");
    TSettingsStore blocked(dir.filePath(QStringLiteral("blocked/settings.ini")));
    blocked.Update([](TParentSettings& s) { s.Muted = true; });
    EXPECT_TRUE(blocked.Values().Muted) << "the change holds for this run";

    if (::geteuid() == 0)
        GTEST_SKIP() << "as root, a read-only folder can be written";
    const QString folder = dir.filePath(QStringLiteral("readonly"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/settings.ini");
    WriteFile(path, "[General]\nVoiceVolume=30\n");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner);
    TSettingsStore readOnly(path);
    EXPECT_EQ(readOnly.Values().VoiceVolume, 30);
    readOnly.Update([](TParentSettings& s) { s.VoiceVolume = 80; });
    EXPECT_EQ(readOnly.Values().VoiceVolume, 80);
    EXPECT_EQ(OnDisk(path), QByteArray("[General]\nVoiceVolume=30\n")) << "the file is left as it was";
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString unreadable = dir.filePath(QStringLiteral("unreadable.ini"));
    WriteFile(unreadable, "[General]\nMuted=true\n");
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    EXPECT_EQ(TSettingsStore(unreadable).Values(), Defaults);
}
