// SPDX-License-Identifier: GPL-3.0-or-later
// How long a sound takes to start: the time PlaySoundA itself takes (decoding a recording the
// first time, from the cache afterwards) and the delay from the call to the audio callback
// mixing the first audible sample. Runs on the device SDL_AUDIODRIVER names; when unset, on the
// disk driver writing to /dev/null, which paces its callback like a sound card. Goal: < 30 ms.
#include "platform/AudioOutput.h"
#include "platform/PlaySound.h"
#include "platform/SdlLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Attached after the voice, so it sees the mix with the voice's samples already added.
class FirstSoundProbe : public AudioSource {
public:
    void Render(float* mix, int frames) override {
        if (!armed || found)
            return;
        for (int i = 0; i < 2 * frames; ++i) {
            if (mix[i] != 0.0f) {
                at = Clock::now();
                offset = i / 2;
                found = true;
                return;
            }
        }
    }
    bool armed = false;
    std::atomic<bool> found{false};
    Clock::time_point at;
    int offset = 0;
};

// A tone that is loud from its first sample, so the first audible sample is the first one.
QByteArray ToneWav() {
    const int rate = 22050, frames = rate / 5;
    QByteArray wav;
    const auto put = [&wav](unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.append(char(value >> (8 * i) & 0xFF));
    };
    wav += "RIFF";
    put(36 + 2 * frames, 4);
    wav += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(2 * rate, 4), put(2, 2), put(16, 2);
    wav += "data";
    put(2 * frames, 4);
    for (int i = 0; i < frames; ++i)
        put(unsigned(std::lround(12000 * std::cos(2 * std::numbers::pi * 440 * i / rate))) & 0xFFFF, 2);
    return wav;
}

void PrintFigures(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms[std::size_t(q * double(ms.size() - 1))]; };
    std::printf("%-44s min %6.2f  median %6.2f  p95 %6.2f  max %6.2f ms\n", what, ms.front(), at(0.5),
                at(0.95), ms.back());
}

bool Play(const QString& file) {
    return PlaySoundA(QFile::encodeName(file).constData(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void MeasureDecoding() {
    const QStringList recordings =
        QDir(QStringLiteral(TP_SOURCE_DIR "/sounds")).entryList({"*.wav"}, QDir::Files);
    std::vector<double> cold, cached;
    for (const QString& name : recordings) {
        const QString file = QStringLiteral(TP_SOURCE_DIR "/sounds/") + name;
        auto start = Clock::now();
        Play(file);
        cold.push_back(Ms(Clock::now() - start));
        start = Clock::now();
        Play(file);
        cached.push_back(Ms(Clock::now() - start));
    }
    PlaySoundA(nullptr, nullptr, 0);
    if (recordings.isEmpty())
        return;
    std::printf("%lld recordings\n", static_cast<long long>(recordings.size()));
    PrintFigures("PlaySoundA, first play (decodes)", cold);
    PrintFigures("PlaySoundA, cached", cached);
}

// With `suspended`, each sound comes to a device suspended after silence, as in the game.
void MeasureLatency(int trials, bool suspended) {
    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("tone.wav"));
    QFile file(tone);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(ToneWav());
    file.close();
    PreloadSound(tone);

    FirstSoundProbe probe;
    CurrentVoice(); // creates and attaches the voice before the probe
    AudioOutput& output = AudioOutput::Instance();
    output.Attach(&probe);
    std::mt19937 random(1);
    std::vector<double> toCallback, toSample;
    for (int i = 0; i < trials; ++i) {
        PlaySoundA(nullptr, nullptr, 0);
        // Start at every phase of the device's buffer period.
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 12000));
        if (suspended)
            output.Suspend();
        output.Locked([&] {
            probe.armed = true;
            probe.found = false;
        });
        const Clock::time_point called = Clock::now();
        Play(tone);
        const Clock::time_point returned = Clock::now();
        const Clock::time_point deadline = returned + std::chrono::seconds(1);
        while (!probe.found && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        output.Locked([&] { probe.armed = false; });
        if (!probe.found) {
            std::printf("trial %d: no sound within a second\n", i);
            continue;
        }
        toCallback.push_back(Ms(probe.at - called));
        toSample.push_back(toCallback.back() + 1000.0 * probe.offset / AudioOutput::SampleRate);
    }
    output.Detach(&probe);
    PlaySoundA(nullptr, nullptr, 0);
    if (toCallback.empty())
        return;
    std::printf("%zu trials%s, buffer %d frames (%.1f ms)\n", toCallback.size(),
                suspended ? " on a suspended device" : "", AudioOutput::BufferFrames,
                1000.0 * AudioOutput::BufferFrames / AudioOutput::SampleRate);
    PrintFigures("call -> callback mixes the sound", toCallback);
    PrintFigures("call -> first sample's place in the output", toSample);
}

} // namespace

int main() {
    if (!std::getenv("SDL_AUDIODRIVER")) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    }
    AudioOutput::Instance().Open();
    const char* driver = OpenSdl() ? sdl::SDL_GetCurrentAudioDriver() : nullptr;
    std::printf("audio driver: %s\n", driver ? driver : "none");
    MeasureDecoding();
    MeasureLatency(100, false);
    MeasureLatency(50, true);
    return 0;
}
