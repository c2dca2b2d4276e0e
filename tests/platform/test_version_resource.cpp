// SPDX-License-Identifier: GPL-3.0-or-later
// The version resource stand-in: the block writer, lookups in a block, and finding the block in
// ELF files made by objcopy, including hostile ones.
#include "platform/VersionResource.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr VersionTranslation kTwoTranslations[] = {{0x0407, 0x04B0}, {0x0409, 0x04E4}};
constexpr VersionString kGameStrings[] = {{"ProductName", "Game"}, {"Comments", ""}};
constexpr VersionBlockContents kGameContents{
    .fileVersion = {1, 2, 3, 4},
    .productVersion = {5, 6, 7, 8},
    .translations = kTwoTranslations,
    .stringTable = "0407ABCD",
    .strings = kGameStrings,
};

// One translation and one string: the translation entry starts at 68, the string entry at 104.
constexpr VersionTranslation kOneTranslation[] = {{0x0409, 0x04E4}};
constexpr VersionString kOneString[] = {{"ProductName", "Game"}};
constexpr VersionBlockContents kSmallContents{
    .translations = kOneTranslation, .stringTable = "040904E4", .strings = kOneString};
constexpr char kSmallPath[] = "StringFileInfo\\040904E4\\ProductName";

// The text a query finds, or nullopt.
std::optional<QByteArray> Lookup(const QByteArray& block, const char* path) {
    const void* value = nullptr;
    std::uint32_t length = 0;
    if (!version_block::Query(block, path, &value, &length))
        return std::nullopt;
    return QByteArray(static_cast<const char*>(value), length);
}

void PutU32(QByteArray& bytes, qsizetype at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(v >> (8 * i));
}

void PutU64(QByteArray& bytes, qsizetype at, std::uint64_t v) {
    PutU32(bytes, at, std::uint32_t(v));
    PutU32(bytes, at + 4, std::uint32_t(v >> 32));
}

void PutU16(QByteArray& bytes, qsizetype at, std::uint16_t v) {
    bytes[at] = char(v);
    bytes[at + 1] = char(v >> 8);
}

std::uint64_t GetU(const QByteArray& bytes, qsizetype at, int size) {
    std::uint64_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | std::uint8_t(bytes[at + i]);
    return v;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// ELF files with a ".tp_version" section, made by objcopy in a temporary folder.
class ElfFiles : public testing::Test {
protected:
    void SetUp() override {
        objcopy_ = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
        if (objcopy_.isEmpty())
            GTEST_SKIP() << "objcopy (binutils) is not installed; ELF file tests skipped";
        ASSERT_TRUE(dir_.isValid());
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // /bin/true with the blob added as its version section.
    QString Executable(const QByteArray& blob) {
        const QString blobPath = Path(QStringLiteral("blob")),
                      out = Path(QStringLiteral("exe%1").arg(++count_));
        WriteFile(blobPath, blob);
        Objcopy({QStringLiteral("--add-section"), QStringLiteral(".tp_version=") + blobPath,
                 QStringLiteral("--set-section-flags"), QStringLiteral(".tp_version=noload,readonly"),
                 QStringLiteral("/bin/true"), out});
        return out;
    }

    // An object file of the given BFD format whose only data section is the blob.
    QString Object(const QByteArray& blob, const QString& format) {
        const QString blobPath = Path(QStringLiteral("blob")),
                      out = Path(QStringLiteral("obj%1").arg(++count_));
        WriteFile(blobPath, blob);
        Objcopy({QStringLiteral("-I"), QStringLiteral("binary"), QStringLiteral("-O"), format,
                 QStringLiteral("--rename-section"), QStringLiteral(".data=.tp_version"), blobPath, out});
        return out;
    }

private:
    void Objcopy(const QStringList& arguments) {
        ASSERT_EQ(QProcess::execute(objcopy_, arguments), 0) << arguments.join(' ').toStdString();
    }

    QString objcopy_;
    QTemporaryDir dir_;
    int count_ = 0;
};

std::uint32_t SizeOf(const QString& path) {
    return GetFileVersionInfoSizeA(QFile::encodeName(path).constData());
}

} // namespace

TEST(VersionBlock, LooksUpFixedPartTranslationsAndStrings) {
    const QByteArray block = BuildVersionBlock(kGameContents);
    ASSERT_EQ(version_block::ValidBlockSize(block), std::uint32_t(block.size()));

    const std::optional<QByteArray> fixedBytes = Lookup(block, "\\");
    ASSERT_TRUE(fixedBytes && fixedBytes->size() == qsizetype(sizeof(VS_FIXEDFILEINFO)));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, fixedBytes->constData(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, kFixedFileInfoSignature);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00030004u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00050006u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00070008u);
    EXPECT_EQ(fixed.dwFileOS, VOS__WINDOWS32);
    EXPECT_EQ(fixed.dwFileType, VFT_APP);
    EXPECT_EQ(fixed.dwFileFlags, 0u);

    // Language in the low half, code page in the high half of each 32-bit entry.
    EXPECT_EQ(Lookup(block, "\\VarFileInfo\\Translation"), QByteArray::fromHex("0704b004"
                                                                               "0904e404"));

    const struct {
        const char* path;
        std::optional<QByteArray> text;
    } cases[] = {
        {"\\StringFileInfo\\0407ABCD\\ProductName", QByteArray("Game", 5)},
        {"StringFileInfo\\0407abcd\\ProductName", QByteArray("Game", 5)},
        {"stringfileinfo\\0407abcd\\PRODUCTNAME", QByteArray("Game", 5)},
        {"StringFileInfo\\0407ABCD\\Comments", QByteArray("", 1)},
        {"StringFileInfo\\0407ABCD\\CompanyName", std::nullopt},
        {"StringFileInfo\\040904E4\\ProductName", std::nullopt},
        {"StringFileInfo\\0407ABCD\\ProductNam", std::nullopt},
        {"StringFileInfo\\0407ABCD", std::nullopt},
        {"\\\\StringFileInfo\\0407ABCD\\ProductName", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lookup(block, c.path), c.text) << c.path;
}

TEST(VersionBlock, ConstantBlockEqualsRuntimeBlock) {
    constexpr auto constant = MakeVersionBlock<version_block::BlockSize(kGameContents)>(kGameContents);
    EXPECT_EQ(QByteArray(constant.data(), qsizetype(constant.size())), BuildVersionBlock(kGameContents));
}

TEST(VersionBlock, BlockWithoutTranslationsOrStrings) {
    const QByteArray block = BuildVersionBlock({});
    EXPECT_EQ(block.size(), 68);
    EXPECT_TRUE(Lookup(block, "\\"));
    EXPECT_FALSE(Lookup(block, "\\VarFileInfo\\Translation"));
}

TEST(VersionBlock, TrailingBytesAfterTheBlockAreIgnored) {
    const QByteArray block = BuildVersionBlock(kSmallContents);
    EXPECT_EQ(version_block::ValidBlockSize(block + QByteArray(12, '\xff')), std::uint32_t(block.size()));
}

TEST(VersionBlock, RejectsEveryTruncation) {
    const QByteArray block = BuildVersionBlock(kSmallContents);
    for (qsizetype n = 0; n < block.size(); ++n) {
        const QByteArray cut = block.first(n);
        EXPECT_EQ(version_block::ValidBlockSize(cut), 0u) << n;
        EXPECT_FALSE(Lookup(cut, kSmallPath)) << n;
    }
}

TEST(VersionBlock, RejectsCorruptFields) {
    const struct {
        const char* what;
        qsizetype at;
        int width;
        std::uint32_t value;
    } cases[] = {
        {"magic", 0, 1, 'X'},
        {"format", 4, 2, 2},
        {"block size below header and fixed part", 8, 4, 64},
        {"block size beyond the data", 8, 4, 1000},
        {"block size over the cap", 8, 4, 0x20000},
        {"fixed part signature", 16, 4, 0xFEEF04BE},
        {"more entries than present", 6, 2, 3},
        {"empty path", 104, 2, 0},
        {"path beyond the block", 104, 2, 0xFFFF},
        {"unknown kind", 106, 2, 2},
        {"value beyond the block", 108, 4, 0xFFFFFFFF},
        {"empty text", 108, 4, 0},
        {"text without its zero", 108, 4, 4},
    };
    const QByteArray good = BuildVersionBlock(kSmallContents);
    ASSERT_EQ(good.size(), 104 + 48);
    for (const auto& c : cases) {
        QByteArray bad = good;
        if (c.width == 1)
            bad[c.at] = char(c.value);
        else if (c.width == 2)
            PutU16(bad, c.at, std::uint16_t(c.value));
        else
            PutU32(bad, c.at, c.value);
        EXPECT_EQ(version_block::ValidBlockSize(bad), 0u) << c.what;
        EXPECT_FALSE(Lookup(bad, kSmallPath)) << c.what;
    }
}

TEST(VersionBlock, QueryThroughTheRawPointer) {
    const QByteArray block = BuildVersionBlock(kSmallContents);
    const void* value = nullptr;
    std::uint32_t length = 0;
    ASSERT_TRUE(
        VerQueryValueA(block.constData(), "\\StringFileInfo\\040904e4\\ProductName", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "Game");
    EXPECT_EQ(length, 5u);

    // What the reader holds when the file could not fill its buffer.
    const QByteArray zeros(block.size(), '\0');
    EXPECT_FALSE(VerQueryValueA(zeros.constData(), "\\", &value, &length));
}

TEST(ModuleFileName, IsTheRunningExecutableCutToTheBuffer) {
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    char full[4096];
    ASSERT_EQ(GetModuleFileNameA(full, sizeof full), exe.size());
    EXPECT_EQ(full, exe);
    char small[6];
    EXPECT_EQ(GetModuleFileNameA(small, sizeof small), 5u);
    EXPECT_EQ(std::string(small), exe.substr(0, 5));
}

TEST_F(ElfFiles, ExecutableWithSection) {
    const QByteArray block = BuildVersionBlock(kGameContents);
    const QByteArray path = QFile::encodeName(Executable(block));
    ASSERT_EQ(GetFileVersionInfoSizeA(path), std::uint32_t(block.size()));

    QByteArray copy(block.size(), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, std::uint32_t(copy.size()), copy.data()));
    EXPECT_EQ(copy, block);
    QByteArray small(block.size() - 1, '\0');
    EXPECT_FALSE(GetFileVersionInfoA(path, std::uint32_t(small.size()), small.data()));
    EXPECT_EQ(small, QByteArray(small.size(), '\0'));
}

TEST_F(ElfFiles, ObjectFormats) {
    const QByteArray block = BuildVersionBlock(kSmallContents);
    const struct {
        const char* format;
        std::uint32_t size;
    } cases[] = {
        {"elf64-x86-64", std::uint32_t(block.size())},
        {"elf32-i386", std::uint32_t(block.size())},
        {"elf64-big", 0},
        {"elf32-big", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SizeOf(Object(block, QLatin1String(c.format))), c.size) << c.format;
}

TEST_F(ElfFiles, FilesWithoutAWellFormedBlock) {
    const QByteArray block = BuildVersionBlock(kSmallContents);
    WriteFile(Path("empty"), {});
    WriteFile(Path("text"), "not an executable\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
    const QString cases[] = {
        QStringLiteral("/bin/true"),
        Path("missing"),
        Path("empty"),
        Path("text"),
        Path("fifo"),
        Path(""),
        Executable(block.first(block.size() - 1)),
        Executable(block + QByteArray(kMaxVersionBlockSize, '\0')),
    };
    for (const QString& path : cases)
        EXPECT_EQ(SizeOf(path), 0u) << path.toStdString();
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA(""), 0u);
}

TEST_F(ElfFiles, HostileHeadersAndSections) {
    const QByteArray block = BuildVersionBlock(kSmallContents);
    for (const bool is64 : {true, false}) {
        const QByteArray good = ReadFile(Object(block, is64 ? "elf64-x86-64" : "elf32-i386"));
        ASSERT_EQ(version_block::FromElfImage(good), block);

        const int word = is64 ? 8 : 4;
        const qsizetype shoffAt = is64 ? 40 : 32, shentsizeAt = is64 ? 58 : 46, shstrndxAt = is64 ? 62 : 50;
        const qsizetype shoff = qsizetype(GetU(good, shoffAt, word));
        const qsizetype section = shoff + (is64 ? 64 : 40); // objcopy puts the data section first
        ASSERT_EQ(GetU(good, section + (is64 ? 32 : 20), word), std::uint64_t(block.size()));
        const qsizetype offsetAt = section + (is64 ? 24 : 16), sizeAt = section + (is64 ? 32 : 20);
        const struct {
            const char* what;
            qsizetype at;
            int width;
            std::uint64_t value;
        } cases[] = {
            {"section table beyond the file", shoffAt, word, std::uint64_t(good.size()) + 1},
            {"section table at the last byte", shoffAt, word, std::uint64_t(good.size()) - 1},
            {"section table offset wraps", shoffAt, word, ~std::uint64_t(0) >> (is64 ? 0 : 32)},
            {"section header too small", shentsizeAt, 2, is64 ? 63u : 39u},
            {"name table index out of range", shstrndxAt, 2, 0xFFFF},
            {"name beyond the name table", section, 4, 0xFFFFFF00},
            {"no file content", section + 4, 4, 8},
            {"content beyond the file", offsetAt, word, std::uint64_t(good.size())},
            {"content offset wraps", offsetAt, word, ~std::uint64_t(0) >> (is64 ? 0 : 32)},
            {"content size beyond the file", sizeAt, word, std::uint64_t(good.size())},
            {"content size over the cap", sizeAt, word, kMaxVersionBlockSize + 1},
            {"not ELF", 1, 1, 'X'},
            {"big-endian", 5, 1, 2},
            {"unknown class", 4, 1, 3},
        };
        for (const auto& c : cases) {
            QByteArray bad = good;
            if (c.width == 1)
                bad[c.at] = char(c.value);
            else if (c.width == 2)
                PutU16(bad, c.at, std::uint16_t(c.value));
            else if (c.width == 4)
                PutU32(bad, c.at, std::uint32_t(c.value));
            else
                PutU64(bad, c.at, c.value);
            EXPECT_TRUE(version_block::FromElfImage(bad).isEmpty())
                << (is64 ? "ELF64: " : "ELF32: ") << c.what;
        }
        for (qsizetype n = 0; n < good.size(); ++n)
            EXPECT_TRUE(version_block::FromElfImage(good.first(n)).isEmpty()) << n;
    }
}
