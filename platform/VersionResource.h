// SPDX-License-Identifier: GPL-3.0-or-later
// Version resources on Linux: the program's version block lives in the ".tp_version" section
// of its ELF file. The calls below read that section the way the version reader expects of the
// platform, and a constexpr writer lets the program state its own block in C++ source.
//
// Block format 1, little-endian:
//   header   "TPVI", u16 format (1), u16 entry count, u32 block size (header included), u32 zero
//   fixed    VS_FIXEDFILEINFO, 13 x u32
//   entries  u16 path length, u16 kind (0 bytes, 1 text), u32 value length, path, value,
//            zero padding to a multiple of 4; text values end with their terminating zero.
// Paths have no leading backslash: "VarFileInfo\Translation", "StringFileInfo\040904E4\Key".
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

inline constexpr const char kVersionSectionName[] = ".tp_version";
// Larger sections are not version blocks; the cap bounds what a hostile file can make us read.
inline constexpr std::size_t kMaxVersionBlockSize = 64 * 1024;

struct VS_FIXEDFILEINFO {
    std::uint32_t dwSignature;
    std::uint32_t dwStrucVersion;
    std::uint32_t dwFileVersionMS;
    std::uint32_t dwFileVersionLS;
    std::uint32_t dwProductVersionMS;
    std::uint32_t dwProductVersionLS;
    std::uint32_t dwFileFlagsMask;
    std::uint32_t dwFileFlags;
    std::uint32_t dwFileOS;
    std::uint32_t dwFileType;
    std::uint32_t dwFileSubtype;
    std::uint32_t dwFileDateMS;
    std::uint32_t dwFileDateLS;
};

inline constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
inline constexpr std::uint32_t VOS__WINDOWS32 = 0x4;
inline constexpr std::uint32_t VFT_APP = 0x1;

// The path of the running executable, zero-terminated and cut to fit `size`; returns the number
// of characters written without the zero, 0 on failure.
std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size);

// The size of the file's version block; 0 when the file is missing, not a little-endian ELF
// file, has no ".tp_version" section, or the block in it is malformed.
std::uint32_t GetFileVersionInfoSizeA(const char* path);

// Copies the file's version block into `data`; false, copying nothing, when there is none or it
// does not fit in `size` bytes.
bool GetFileVersionInfoA(const char* path, std::uint32_t size, void* data);

// Looks up `subBlock` in a block filled by GetFileVersionInfoA: "\" gives the fixed part,
// "\VarFileInfo\Translation" the translation array, "\StringFileInfo\<table>\<key>" a
// zero-terminated text. The leading backslash is optional and names match regardless of ASCII
// case. `length` is in bytes, for texts including the zero.
bool VerQueryValueA(const void* block, const char* subBlock, const void** buffer, std::uint32_t* length);

// In-memory parsing behind the calls above, for callers that hold the bytes already.
namespace version_block {

// The well-formed version block in an ELF image's ".tp_version" section, empty when there is none.
QByteArray FromElfImage(QByteArrayView image);
// The size of the well-formed block that `data` starts with, 0 when it does not start with one.
std::uint32_t ValidBlockSize(QByteArrayView data);
bool Query(QByteArrayView block, QByteArrayView subBlock, const void** buffer, std::uint32_t* length);

} // namespace version_block

// What a version block holds; the writer below turns it into bytes.
struct VersionNumber {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
};

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionString {
    std::string_view key;
    std::string_view value;
};

struct VersionBlockContents {
    VersionNumber fileVersion{};
    VersionNumber productVersion{};
    std::uint32_t fileOS = VOS__WINDOWS32;
    std::uint32_t fileType = VFT_APP;
    std::span<const VersionTranslation> translations{}; // none: no translation entry at all
    std::string_view stringTable{};                     // e.g. "040904E4"; empty: no strings
    std::span<const VersionString> strings{};
};

namespace version_block {

inline constexpr std::string_view kMagic = "TPVI";
inline constexpr std::uint16_t kFormat = 1;
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kFixedSize = sizeof(VS_FIXEDFILEINFO);
inline constexpr std::size_t kEntryHeaderSize = 8;
inline constexpr std::string_view kTranslationPath = "VarFileInfo\\Translation";
inline constexpr std::string_view kStringsPrefix = "StringFileInfo\\";

enum EntryKind : std::uint16_t { kBytes = 0, kText = 1 };

constexpr std::size_t Align4(std::size_t n) {
    return (n + 3) & ~std::size_t(3);
}

constexpr std::size_t EntrySize(std::size_t pathLength, std::size_t valueLength) {
    return Align4(kEntryHeaderSize + pathLength + valueLength);
}

constexpr std::size_t StringPathLength(const VersionBlockContents& contents, const VersionString& s) {
    return kStringsPrefix.size() + contents.stringTable.size() + 1 + s.key.size();
}

constexpr bool HasStrings(const VersionBlockContents& contents) {
    return !contents.stringTable.empty();
}

constexpr std::size_t EntryCount(const VersionBlockContents& contents) {
    return (contents.translations.empty() ? 0 : 1) + (HasStrings(contents) ? contents.strings.size() : 0);
}

constexpr std::size_t BlockSize(const VersionBlockContents& contents) {
    std::size_t size = kHeaderSize + kFixedSize;
    if (!contents.translations.empty())
        size += EntrySize(kTranslationPath.size(), 4 * contents.translations.size());
    if (HasStrings(contents))
        for (const VersionString& s : contents.strings)
            size += EntrySize(StringPathLength(contents, s), s.value.size() + 1);
    return size;
}

// Writes through any sink with put(char), so one writer serves constexpr arrays and QByteArray.
template <class Sink> class Writer {
public:
    constexpr explicit Writer(Sink& sink) : sink_(sink) {}

    constexpr void Bytes(std::string_view s) {
        for (char c : s)
            Put(c);
    }
    constexpr void U16(std::uint32_t v) {
        Put(char(v & 0xFF));
        Put(char((v >> 8) & 0xFF));
    }
    constexpr void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    constexpr void Pad() {
        while (written_ % 4 != 0)
            Put('\0');
    }
    constexpr void Put(char c) {
        sink_.put(c);
        ++written_;
    }

private:
    Sink& sink_;
    std::size_t written_ = 0;
};

constexpr std::uint32_t High(const VersionNumber& v) {
    return std::uint32_t(v.major) << 16 | v.minor;
}
constexpr std::uint32_t Low(const VersionNumber& v) {
    return std::uint32_t(v.release) << 16 | v.build;
}

template <class Sink> constexpr void Write(const VersionBlockContents& contents, Sink& sink) {
    Writer<Sink> w(sink);
    w.Bytes(kMagic);
    w.U16(kFormat);
    w.U16(std::uint32_t(EntryCount(contents)));
    w.U32(std::uint32_t(BlockSize(contents)));
    w.U32(0);

    // Structure version 1.0, all flag bits defined (0x3F) and none set, no subtype, no date.
    const std::uint32_t fixed[] = {kFixedFileInfoSignature,
                                   0x00010000,
                                   High(contents.fileVersion),
                                   Low(contents.fileVersion),
                                   High(contents.productVersion),
                                   Low(contents.productVersion),
                                   0x3F,
                                   0,
                                   contents.fileOS,
                                   contents.fileType,
                                   0,
                                   0,
                                   0};
    for (std::uint32_t v : fixed)
        w.U32(v);

    if (!contents.translations.empty()) {
        w.U16(std::uint32_t(kTranslationPath.size()));
        w.U16(kBytes);
        w.U32(std::uint32_t(4 * contents.translations.size()));
        w.Bytes(kTranslationPath);
        for (const VersionTranslation& t : contents.translations) {
            w.U16(t.language);
            w.U16(t.codePage);
        }
        w.Pad();
    }
    if (!HasStrings(contents))
        return;
    for (const VersionString& s : contents.strings) {
        w.U16(std::uint32_t(StringPathLength(contents, s)));
        w.U16(kText);
        w.U32(std::uint32_t(s.value.size() + 1));
        w.Bytes(kStringsPrefix);
        w.Bytes(contents.stringTable);
        w.Put('\\');
        w.Bytes(s.key);
        w.Bytes(s.value);
        w.Put('\0');
        w.Pad();
    }
}

template <std::size_t N> struct ArraySink {
    std::array<char, N> data{};
    std::size_t at = 0;
    constexpr void put(char c) { data[at++] = c; }
};

} // namespace version_block

// The block as a constant: `MakeVersionBlock<version_block::BlockSize(contents)>(contents)`.
template <std::size_t N>
constexpr std::array<char, N> MakeVersionBlock(const VersionBlockContents& contents) {
    version_block::ArraySink<N> sink;
    version_block::Write(contents, sink);
    if (sink.at != N)
        throw "MakeVersionBlock: N must be version_block::BlockSize(contents)";
    return sink.data;
}

// The same block at run time, for tools and tests.
QByteArray BuildVersionBlock(const VersionBlockContents& contents);
