// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a WAV image in memory: played on the voice and rendered offline.
#include "platform/AudioOutput.h"
#include "platform/PlaySound.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void Render(int frames) {
    static std::vector<float> mix(2 * 4096);
    AudioOutput::Instance().RenderOffline(mix.data(), std::min(frames, 4096));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool offline = (AudioOutput::Instance().UseOffline(), true);
    (void)offline;
    const unsigned flags = SND_MEMORY | SND_ASYNC | SND_NODEFAULT | (size % 3 == 0 ? SND_LOOP : 0);
    if (IsSafeSoundImage(data, size)) {
        // Straight from the input, so a wrong safety check shows as a read past it.
        PlaySoundA(data, nullptr, flags);
    } else {
        // PlaySoundA takes the length from the RIFF header: keep to that contract by making the
        // header claim no more than the input holds.
        std::vector<std::uint8_t> image(std::max<std::size_t>(size, 12));
        std::memcpy(image.data(), data, size);
        const std::uint32_t most = size >= 8 ? std::uint32_t(std::min<std::size_t>(size - 8, UINT32_MAX)) : 0;
        for (int i = 0; i < 4; ++i)
            image[4 + std::size_t(i)] = std::uint8_t(most >> (8 * i));
        PlaySoundA(image.data(), nullptr, flags);
    }
    Render(1024);
    Render(int(CurrentVoice().frames % 4096));
    PlaySoundA(nullptr, nullptr, 0);
    return 0;
}
