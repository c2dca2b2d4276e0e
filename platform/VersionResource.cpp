// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VersionResource.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace version_block;

std::uint16_t U16(const char* p) {
    return std::uint16_t(std::uint8_t(p[0]) | std::uint8_t(p[1]) << 8);
}
std::uint32_t U32(const char* p) {
    return U16(p) | std::uint32_t(U16(p + 2)) << 16;
}
std::uint64_t U64(const char* p) {
    return U32(p) | std::uint64_t(U32(p + 4)) << 32;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool EqualNoCase(QByteArrayView a, QByteArrayView b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// --- The version block ---

constexpr std::size_t kMinBlockSize = kHeaderSize + kFixedSize;

// The block's bytes as its header frames them; empty when the header or fixed part is bad.
QByteArrayView Framed(QByteArrayView data) {
    if (std::size_t(data.size()) < kMinBlockSize || QByteArrayView(data.data(), 4) != kMagic ||
        U16(data.data() + 4) != kFormat || U32(data.data() + kHeaderSize) != kFixedFileInfoSignature)
        return {};
    const std::size_t size = U32(data.data() + 8);
    if (size < kMinBlockSize || size > std::size_t(data.size()) || size > kMaxVersionBlockSize)
        return {};
    return data.first(qsizetype(size));
}

struct Entry {
    QByteArrayView path;
    QByteArrayView value;
};

// Walks the entries of a framed block, checking each against the block's bounds.
class EntryCursor {
public:
    explicit EntryCursor(QByteArrayView block) : block_(block), left_(U16(block.data() + 6)) {}

    // The next entry; false at the end or at a malformed entry.
    bool Next(Entry& entry) {
        if (left_ == 0 || malformed_)
            return false;
        malformed_ = !Decode(entry);
        if (malformed_)
            return false;
        --left_;
        return true;
    }
    bool Malformed() const { return malformed_; }

private:
    bool Decode(Entry& entry) {
        const std::uint64_t size = std::uint64_t(block_.size());
        if (at_ + kEntryHeaderSize > size)
            return false;
        const char* header = block_.data() + at_;
        const std::uint64_t pathLength = U16(header);
        const std::uint16_t kind = U16(header + 2);
        const std::uint64_t valueLength = U32(header + 4);
        const std::uint64_t pathAt = at_ + kEntryHeaderSize;
        const std::uint64_t valueAt = pathAt + pathLength;
        const std::uint64_t next = Align4(valueAt + valueLength);
        if (pathLength == 0 || kind > kText || next > size)
            return false;
        entry.path = block_.sliced(qsizetype(pathAt), qsizetype(pathLength));
        entry.value = block_.sliced(qsizetype(valueAt), qsizetype(valueLength));
        if (kind == kText && (entry.value.isEmpty() || entry.value.back() != '\0'))
            return false;
        at_ = next;
        return true;
    }

    QByteArrayView block_;
    std::uint32_t left_;
    std::uint64_t at_ = kMinBlockSize;
    bool malformed_ = false;
};

// --- ELF files ---

// Reads `length` bytes at `offset` of the file; false unless all of them were read.
using ReadAt = std::function<bool(std::uint64_t offset, std::size_t length, char* out)>;

struct Section {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

constexpr std::uint32_t SHT_NOBITS = 8;

// Finds the version section through the section header table; every offset and size taken
// from the file is checked against the file's size before it is used.
class ElfReader {
public:
    ElfReader(std::uint64_t fileSize, const ReadAt& read) : fileSize_(fileSize), read_(read) {}

    QByteArray VersionSection() {
        if (!ReadHeader())
            return {};
        const std::optional<Section> names = SectionAt(shstrndx_);
        if (!names || !InFile(names->offset, names->size))
            return {};
        for (std::uint32_t i = 1; i < shnum_; ++i) {
            const std::optional<Section> section = SectionAt(i);
            if (!section)
                return {};
            if (HasVersionName(*names, section->name))
                return Contents(*section);
        }
        return {};
    }

private:
    bool InFile(std::uint64_t offset, std::uint64_t length) const {
        return offset <= fileSize_ && length <= fileSize_ - offset;
    }

    bool Read(std::uint64_t offset, std::size_t length, char* out) const {
        return InFile(offset, length) && read_(offset, length, out);
    }

    bool ReadHeader() {
        char h[64];
        if (!Read(0, 16, h) || QByteArrayView(h, 4) != QByteArrayView("\x7f"
                                                                      "ELF",
                                                                      4))
            return false;
        const char elfClass = h[4], encoding = h[5];
        if ((elfClass != 1 && elfClass != 2) || encoding != 1)
            return false;
        is64_ = elfClass == 2;
        if (!Read(16, is64_ ? 48 : 36, h + 16))
            return false;
        shoff_ = is64_ ? U64(h + 40) : U32(h + 32);
        shentsize_ = U16(h + (is64_ ? 58 : 46));
        shnum_ = U16(h + (is64_ ? 60 : 48));
        shstrndx_ = U16(h + (is64_ ? 62 : 50));
        return shoff_ <= fileSize_ && shentsize_ >= SectionHeaderSize() && shstrndx_ < shnum_;
    }

    std::uint32_t SectionHeaderSize() const { return is64_ ? 64 : 40; }

    std::optional<Section> SectionAt(std::uint32_t index) const {
        char h[64];
        if (!Read(shoff_ + std::uint64_t(index) * shentsize_, SectionHeaderSize(), h))
            return std::nullopt;
        Section s;
        s.name = U32(h);
        s.type = U32(h + 4);
        s.offset = is64_ ? U64(h + 24) : U32(h + 16);
        s.size = is64_ ? U64(h + 32) : U32(h + 20);
        return s;
    }

    bool HasVersionName(const Section& names, std::uint32_t nameOffset) const {
        constexpr std::size_t length = sizeof kVersionSectionName; // with the terminating zero
        char name[length];
        return nameOffset < names.size && length <= names.size - nameOffset &&
               Read(names.offset + nameOffset, length, name) &&
               std::memcmp(name, kVersionSectionName, length) == 0;
    }

    QByteArray Contents(const Section& section) const {
        if (section.type == SHT_NOBITS || section.size > kMaxVersionBlockSize)
            return {};
        QByteArray data(qsizetype(section.size), Qt::Uninitialized);
        if (!Read(section.offset, data.size(), data.data()))
            return {};
        return data;
    }

    std::uint64_t fileSize_;
    const ReadAt& read_;
    bool is64_ = false;
    std::uint64_t shoff_ = 0;
    std::uint32_t shentsize_ = 0;
    std::uint32_t shnum_ = 0;
    std::uint32_t shstrndx_ = 0;
};

// The well-formed block at the start of a version section, empty when there is none.
QByteArray BlockOfSection(const QByteArray& section) {
    const std::uint32_t size = ValidBlockSize(section);
    return size ? section.first(size) : QByteArray();
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool ReadFully(int fd, std::uint64_t offset, std::size_t length, char* out) {
    while (length > 0) {
        const ssize_t n = ::pread(fd, out, length, off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        out += n;
        offset += std::uint64_t(n);
        length -= std::size_t(n);
    }
    return true;
}

QByteArray LoadVersionBlock(const char* path) {
    if (!path || !*path)
        return {};
    // Non-blocking so that a FIFO given as the path cannot hang the open; only regular files
    // are read.
    const FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info;
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const ReadAt read = [&file](std::uint64_t offset, std::size_t length, char* out) {
        return ReadFully(file.get(), offset, length, out);
    };
    return BlockOfSection(ElfReader(std::uint64_t(info.st_size), read).VersionSection());
}

} // namespace

namespace version_block {

std::uint32_t ValidBlockSize(QByteArrayView data) {
    const QByteArrayView block = Framed(data);
    if (block.isEmpty())
        return 0;
    EntryCursor cursor(block);
    Entry entry;
    while (cursor.Next(entry)) {
    }
    return cursor.Malformed() ? 0 : std::uint32_t(block.size());
}

QByteArray FromElfImage(QByteArrayView image) {
    const ReadAt read = [image](std::uint64_t offset, std::size_t length, char* out) {
        std::memcpy(out, image.data() + offset, length);
        return true;
    };
    return BlockOfSection(ElfReader(std::uint64_t(image.size()), read).VersionSection());
}

bool Query(QByteArrayView block, QByteArrayView subBlock, const void** buffer, std::uint32_t* length) {
    // A malformed block answers nothing, not even the entries before the fault.
    const std::uint32_t size = ValidBlockSize(block);
    if (size == 0 || !buffer)
        return false;
    block = block.first(size);
    if (subBlock.startsWith('\\'))
        subBlock = subBlock.sliced(1);
    Entry entry;
    if (subBlock.isEmpty()) {
        entry.value = block.sliced(kHeaderSize, kFixedSize);
    } else {
        EntryCursor cursor(block);
        bool found = false;
        while (!found && cursor.Next(entry))
            found = EqualNoCase(entry.path, subBlock);
        if (!found)
            return false;
    }
    *buffer = entry.value.data();
    if (length)
        *length = std::uint32_t(entry.value.size());
    return true;
}

} // namespace version_block

std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) {
    if (!buffer || size == 0)
        return 0;
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    const std::size_t copied = n > 0 ? std::min(std::size_t(n), std::size_t(size - 1)) : 0;
    std::memcpy(buffer, path, copied);
    buffer[copied] = '\0';
    return std::uint32_t(copied);
}

std::uint32_t GetFileVersionInfoSizeA(const char* path) {
    return std::uint32_t(LoadVersionBlock(path).size());
}

bool GetFileVersionInfoA(const char* path, std::uint32_t size, void* data) {
    const QByteArray block = LoadVersionBlock(path);
    if (!data || block.isEmpty() || std::size_t(block.size()) > size)
        return false;
    std::memcpy(data, block.constData(), std::size_t(block.size()));
    return true;
}

bool VerQueryValueA(const void* block, const char* subBlock, const void** buffer, std::uint32_t* length) {
    if (!block || !subBlock)
        return false;
    // The header carries the block's size; a block without the magic (a zero-filled buffer the
    // file could not fill) is never read past its first bytes.
    const char* bytes = static_cast<const char*>(block);
    if (QByteArrayView(bytes, 4) != kMagic)
        return false;
    const std::size_t size = std::min<std::size_t>(U32(bytes + 8), kMaxVersionBlockSize);
    return Query(QByteArrayView(bytes, qsizetype(size)), QByteArrayView(subBlock), buffer, length);
}

QByteArray BuildVersionBlock(const VersionBlockContents& contents) {
    struct Sink {
        QByteArray bytes;
        void put(char c) { bytes.append(c); }
    } sink;
    sink.bytes.reserve(qsizetype(BlockSize(contents)));
    Write(contents, sink);
    return sink.bytes;
}
