// SPDX-License-Identifier: GPL-3.0-or-later
// The parents' settings store: defaults where the file gives nothing usable, a run of changes is
// written once and read back, broken, crafted, oversized or unwritable files are no error, and
// values out of range are clamped.
#include "app/Settings.h"
#include "program_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

TEST(Settings, ChangesAreGatheredIntoOneWriteAndReadBack) {
    StartProgramOnce(); // the delayed write needs the program's event loop
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tovimar-plumkin/settings.ini"));
    TSettingsStore store(path);
    QSignalSpy changed(&store, &TSettingsStore::Changed);
    // A slider dragged across: each step is reported at once, none written yet.
    for (int volume = 99; volume >= 50; --volume)
        store.Update([volume](TParentSettings& s) {
            s = Changed();
            s.VoiceVolume = volume;
        });
    EXPECT_EQ(changed.count(), 50);
    EXPECT_FALSE(QFile::exists(path)) << "a change was written on the spot";
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 10 * TSettingsStore::WriteDelay));
    EXPECT_EQ(TSettingsStore(path).Values(), Changed());
    const QByteArray written = OnDisk(path);
    for (const char* line :
         {"[General]\n", "ShowHints=false\n", "FullScreen=true\n", "AskBeforeQuitting=true\n",
          "VoiceVolume=50\n", "PianoVolume=25\n", "Muted=true\n", "LastPage=1\n"})
        EXPECT_TRUE(written.contains(line)) << line << " in\n" << written.toStdString();
    // The toolkit's own reader, and so a person, reads the same.
    const QSettings asIni(path, QSettings::IniFormat);
    EXPECT_EQ(asIni.value(QStringLiteral("VoiceVolume")).toInt(), 50);
    EXPECT_EQ(asIni.value(QStringLiteral("ShowHints")).toBool(), false);

    store.Update([](TParentSettings& s) { s.VoiceVolume = 50; });
    EXPECT_EQ(changed.count(), 50) << "the same value again is no change";
    // Nothing but the file itself is left in its folder: it was replaced whole.
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("tovimar-plumkin"))).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.ini")});

    // A change still waiting is written when the store ends, and on a flush.
    store.Update([](TParentSettings& s) { s.Muted = false; });
    store.Flush();
    EXPECT_FALSE(TSettingsStore(path).Values().Muted);
    {
        TSettingsStore ending(path);
        ending.Update([](TParentSettings& s) { s.PianoVolume = 12; });
    }
    EXPECT_EQ(TSettingsStore(path).Values().PianoVolume, 12);
}

// Files no toolkit or person should make, each with a good value that must not count either.
TEST(Settings, CraftedAndOversizedFilesGiveTheDefaults) {
    // A list in a list 50 000 deep, in the toolkit's own variant notation.
    QByteArray nested = "[General]\nMuted=true\nVoiceVolume=@Variant(";
    for (int depth = 0; depth < 50000; ++depth)
        nested += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    nested += "\\0\\0\\0\\t\\0\\0\\0\\0)\n";
    QByteArray large = "[General]\nMuted=true\n";
    while (large.size() <= 1024 * 1024)
        large += "; a comment, so that the file is large and still well formed\n";
    for (const auto& [what, bytes] : {std::pair{"nested 50 000 deep", nested}, std::pair{"1 MB", large}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        WriteFile(path, bytes);
        EXPECT_EQ(TSettingsStore(path).Values(), Defaults) << what;
    }

    // Within the size allowed, a variant value is skipped and the plain ones beside it kept.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    WriteFile(path, nested.left(TSettingsStore::MaxFileSize - 100) + ")\nPianoVolume=40\n");
    const TParentSettings read = TSettingsStore(path).Values();
    EXPECT_TRUE(read.Muted);
    EXPECT_EQ(read.VoiceVolume, Defaults.VoiceVolume);
    EXPECT_EQ(read.PianoVolume, 40);
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
        store.Flush();
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
    store.Flush();
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
    readOnly.Flush();
    EXPECT_EQ(OnDisk(path), QByteArray("[General]\nVoiceVolume=30\n")) << "the file is left as it was";
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString unreadable = dir.filePath(QStringLiteral("unreadable.ini"));
    WriteFile(unreadable, "[General]\nMuted=true\n");
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    EXPECT_EQ(TSettingsStore(unreadable).Values(), Defaults);
}
