// SPDX-License-Identifier: GPL-3.0-or-later
// TRzVersionInfo: the program's own strings, files without version information, translation
// and string-table lookups, when it reads again, and its index error.
#include "controls/RzStatus.h"

#include "platform/VersionResource.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

// The program's own version block, so that this test executable carries it as the game does.
#include "resources/VersionStrings.cpp"

namespace {

const QString kNotAvailable = QStringLiteral("Value Not Available");

QStringList Values(const TRzVersionInfo& info) {
    QStringList values;
    for (int i = 0; i < 10; ++i)
        values.append(info.ValueAt(i));
    return values;
}

QString Caption(const TRzVersionInfo& info) {
    return info.ProductName() + ' ' + info.FileVersion();
}

constexpr VersionTranslation kUsEnglish[] = {{0x0409, 0x04E4}};
constexpr VersionTranslation kGermanFirst[] = {{0x0407, 0x04E4}, {0x0409, 0x04E4}};
constexpr VersionTranslation kEnglishFirst[] = {{0x0409, 0x04E4}, {0x0407, 0x04E4}};
constexpr VersionString kSomeStrings[] = {{"ProductName", "Other"}, {"Comments", "note"}};

// Executables with a version section of our making, built from /bin/true by objcopy.
class VersionFiles : public testing::Test {
protected:
    void SetUp() override {
        objcopy_ = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
        if (objcopy_.isEmpty())
            GTEST_SKIP() << "objcopy (binutils) is not installed; version file tests skipped";
        ASSERT_TRUE(dir_.isValid());
    }

    // /bin/true with the block as its version section, always at the same path (replaced).
    QString Executable(const VersionBlockContents& contents) {
        const QString blob = dir_.filePath(QStringLiteral("blob")),
                      out = dir_.filePath(QStringLiteral("exe"));
        QFile file(blob);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(BuildVersionBlock(contents));
        file.close();
        QFile::remove(out);
        EXPECT_EQ(QProcess::execute(objcopy_,
                                    {QStringLiteral("--add-section"), QStringLiteral(".tp_version=") + blob,
                                     QStringLiteral("/bin/true"), out}),
                  0);
        return out;
    }

private:
    QString objcopy_;
    QTemporaryDir dir_;
};

} // namespace

TEST(VersionInfo, ReadsTheProgramsOwnStrings) {
    TRzVersionInfo info(nullptr);
    EXPECT_EQ(std::filesystem::path(info.FilePath().toStdString()),
              std::filesystem::read_symlink("/proc/self/exe"));
    EXPECT_TRUE(info.VersionInfoFound());
    EXPECT_EQ(Values(info),
              QStringList({"Tovimar", "", "0.1.0.0", "ZUNO", QString::fromUtf8("\u00a9 2026 Tovimar"), "", "",
                           "Tovimar Plumkin", "0.1.0.0 Beta", ""}));
    EXPECT_EQ(Caption(info), "Tovimar Plumkin 0.1.0.0");
    EXPECT_EQ(info.LegalCopyright(), info.ValueAt(4));
}

TEST(VersionInfo, FilesWithoutVersionInformation) {
    for (const char* path : {"/bin/true", "/nonexistent/zuno", "/"}) {
        TRzVersionInfo info(nullptr);
        info.SetFilePath(QString::fromLatin1(path));
        EXPECT_FALSE(info.VersionInfoFound()) << path;
        EXPECT_EQ(Values(info), QStringList(10, kNotAvailable)) << path;
        EXPECT_EQ(Caption(info), "Value Not Available Value Not Available") << path;
    }
}

TEST_F(VersionFiles, TranslationsAndStringTables) {
    const struct {
        const char* what;
        VersionBlockContents contents;
        QString productName;
        QString comments;
    } cases[] = {
        {"no translation table", {.stringTable = "040904E4", .strings = kSomeStrings}, "", ""},
        {"table of another translation",
         {.translations = kUsEnglish, .stringTable = "040704E4", .strings = kSomeStrings},
         "",
         ""},
        {"first translation has no table",
         {.translations = kGermanFirst, .stringTable = "040904E4", .strings = kSomeStrings},
         "",
         ""},
        {"first translation has the table",
         {.translations = kEnglishFirst, .stringTable = "040904E4", .strings = kSomeStrings},
         "Other",
         "note"},
        {"lower-case table name",
         {.translations = kUsEnglish, .stringTable = "040904e4", .strings = kSomeStrings},
         "Other",
         "note"},
    };
    for (const auto& c : cases) {
        TRzVersionInfo info(nullptr);
        info.SetFilePath(Executable(c.contents));
        EXPECT_TRUE(info.VersionInfoFound()) << c.what;
        const QStringList expected = {"", "", "", "", "", "", "", c.productName, "", c.comments};
        EXPECT_EQ(Values(info), expected) << c.what;
    }
}

TEST_F(VersionFiles, ReadsWhenFilePathChangesButNotWhileLoading) {
    const VersionBlockContents first{
        .translations = kUsEnglish, .stringTable = "040904E4", .strings = kSomeStrings};
    const VersionString renamed[] = {{"ProductName", "Renamed"}};
    const VersionBlockContents second{
        .translations = kUsEnglish, .stringTable = "040904E4", .strings = renamed};

    TRzVersionInfo info(nullptr);
    const QString path = Executable(first);
    ASSERT_TRUE(info.setProperty("FilePath", path));
    EXPECT_EQ(info.ProductName(), "Other");

    // The same path again does not read the changed file.
    Executable(second);
    info.SetFilePath(path);
    EXPECT_EQ(info.ProductName(), "Other");

    info.BeginLoading();
    info.SetFilePath(QStringLiteral("/bin/true"));
    info.SetFilePath(path + QStringLiteral("-missing"));
    EXPECT_EQ(info.ProductName(), "Other");
    info.SetFilePath(path);
    info.Loaded();
    EXPECT_FALSE(info.IsLoading());
    EXPECT_EQ(info.ProductName(), "Renamed");
}

TEST(VersionInfo, ReadingAgainKeepsTenValues) {
    TRzVersionInfo info(nullptr);
    const QStringList once = Values(info);
    info.Loaded();
    info.Loaded();
    EXPECT_EQ(Values(info), once);
    EXPECT_THROW(info.ValueAt(10), EStringListError);
}

TEST(VersionInfo, IndexOutsideTheListRaisesTheIndexError) {
    TRzVersionInfo info(nullptr);
    for (const int index : {10, -1, 1000}) {
        try {
            info.ValueAt(index);
            ADD_FAILURE() << "no error for index " << index;
        } catch (const EStringListError& e) {
            EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}
