// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for version data: the input as an ELF image and as a version block, with the
// lookups the version reader makes.
#include "platform/VersionResource.h"

#include <cstddef>
#include <cstdint>

namespace {

void QueryAll(QByteArrayView block) {
    static const char* const paths[] = {
        "\\",
        "\\VarFileInfo\\Translation",
        "StringFileInfo\\040904e4\\ProductName",
        "StringFileInfo\\040904e4\\Comments",
        "\\StringFileInfo\\\\ProductName",
    };
    for (const char* path : paths) {
        const void* value = nullptr;
        std::uint32_t length = 0;
        if (!version_block::Query(block, path, &value, &length))
            continue;
        // Touch every byte the lookup vouches for, so that a bad bound shows as an overflow.
        const auto* bytes = static_cast<const std::uint8_t*>(value);
        volatile std::uint8_t sum = 0;
        for (std::uint32_t i = 0; i < length; ++i)
            sum = sum + bytes[i];
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    QueryAll(input);
    const QByteArray block = version_block::FromElfImage(input);
    if (!block.isEmpty()) {
        if (version_block::ValidBlockSize(block) != std::uint32_t(block.size()))
            __builtin_trap();
        QueryAll(block);
    }
    return 0;
}
