// SPDX-License-Identifier: GPL-3.0-or-later
// What a microphone (or the disk capture driver's file) hands over as float samples, prepared as
// a parent's recording: any bytes give a recording within the limits or a reason, never a crash.
#include "platform/VoiceRecorder.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<float> samples(size / sizeof(float));
    if (!samples.empty())
        std::memcpy(samples.data(), data, samples.size() * sizeof(float));
    const TPreparedVoice voice = PrepareVoice(samples, TVoiceRecorder::Rate);
    if (voice.samples.empty() == voice.problem.isEmpty() ||
        double(voice.samples.size()) > MaxVoiceSeconds * TVoiceRecorder::Rate)
        std::abort();
    return 0;
}
