// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Volume.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<float> voiceGain{1.0f};
std::atomic<float> pianoGain{1.0f};
std::atomic<bool> muted{false};

std::atomic<float>& GainOf(TSoundKind kind) {
    return kind == TSoundKind::Piano ? pianoGain : voiceGain;
}

} // namespace

void SetSoundVolume(TSoundKind kind, float gain) {
    GainOf(kind).store(std::clamp(gain, 0.0f, 1.0f), std::memory_order_relaxed);
}

void SetSoundMuted(bool mute) {
    muted.store(mute, std::memory_order_relaxed);
}

float SoundGain(TSoundKind kind) {
    return muted.load(std::memory_order_relaxed) ? 0.0f : GainOf(kind).load(std::memory_order_relaxed);
}
