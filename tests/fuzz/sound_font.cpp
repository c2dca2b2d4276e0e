// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for cutting the piano, and the drum kit, out of a SoundFont: any input gives a
// SoundFont or nothing, and what it gives is cut again to the same bytes.
#include "platform/SoundFontSubset.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Subset(const std::uint8_t* data, std::size_t size, int bank) {
    const auto read = [&](std::uint64_t offset, std::size_t count, char* out) {
        if (offset > size || count > size - offset)
            return false;
        std::memcpy(out, data + offset, count);
        return true;
    };
    return SoundFontSubset(read, size, bank, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const int bank : {0, 128}) {
        const std::string font = Subset(data, size, bank);
        if (!font.empty() &&
            Subset(reinterpret_cast<const std::uint8_t*>(font.data()), font.size(), bank) != font)
            std::abort();
    }
    return 0;
}
