// SPDX-License-Identifier: GPL-3.0-or-later
// How long the SoundFont takes to load and how much memory it holds, and how soon after Play the
// first sample of the note is rendered on a running device (SDL's disk driver unless
// SDL_AUDIODRIVER names another). Goal: the note reaches the device within 30 ms.
#include "platform/AudioOutput.h"
#include "platform/MidiStream.h"
#include "sound/MidiGen.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// A field of /proc/self/status in megabytes: VmRSS (all resident memory) or RssAnon (the heap's
// share of it, without the libraries' pages).
double ResidentMegabytes(const std::string& field = "VmRSS") {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return 0;
}

// Attached after the synthesizer, so it sees the mix with the synthesizer's output in it. Notes
// the time at which the first audible frame after Arm() is due to leave the render callback.
class OnsetProbe final : public AudioSource {
public:
    void Arm() {
        quietFrames_ = 0;
        onset_.store(Clock::time_point{});
        armed_.store(true);
    }
    bool Silent() const { return quietFrames_.load() > AudioOutput::SampleRate / 10; }
    Clock::time_point Onset() const { return onset_.load(); }

    void Render(float* mix, int frames) override {
        const Clock::time_point now = Clock::now();
        for (int i = 0; i < frames; ++i) {
            const bool audible = std::fabs(mix[2 * i]) > 1e-3f || std::fabs(mix[2 * i + 1]) > 1e-3f;
            quietFrames_.store(audible ? 0 : quietFrames_.load() + 1);
            if (audible && armed_.exchange(false)) {
                const auto offset =
                    std::chrono::nanoseconds(std::int64_t(i) * 1000000000 / AudioOutput::SampleRate);
                onset_.store(now + std::chrono::duration_cast<Clock::duration>(offset));
            }
        }
    }

private:
    std::atomic<bool> armed_{false};
    std::atomic<int> quietFrames_{0};
    std::atomic<Clock::time_point> onset_{};
};

template <class Done> bool Wait(Done done, std::chrono::milliseconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    while (!done() && Clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return done();
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    QCoreApplication app(argc, argv);
    AudioOutput::Instance().Open();

    const double before = ResidentMegabytes();
    const double anonBefore = ResidentMegabytes("RssAnon");
    const Clock::time_point loadStart = Clock::now();
    PreloadMidi();
    HMIDISTRM stream = nullptr;
    unsigned device = 0;
    if (midiStreamOpen(&stream, &device, 1, nullptr, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        std::fprintf(stderr, "no MIDI device\n");
        return 1;
    }
    const double loadMs = Milliseconds(Clock::now() - loadStart);
    midiStreamClose(stream);
    const double after = ResidentMegabytes();
    const double anonAfter = ResidentMegabytes("RssAnon");
    std::printf("SoundFont load: %.1f ms, resident memory %.1f MB -> %.1f MB (+%.1f MB, of it +%.1f MB "
                "RssAnon)\n",
                loadMs, before, after, after - before, anonAfter - anonBefore);

    // The synthesizer is freed after the last Music window and loaded again for the next one.
    ReleaseMidi();
    const Clock::time_point reloadStart = Clock::now();
    PreloadMidi();
    if (midiStreamOpen(&stream, &device, 1, nullptr, 0, CALLBACK_NULL) == MMSYSERR_NOERROR) {
        std::printf("SoundFont reload after ReleaseMidi: %.1f ms\n",
                    Milliseconds(Clock::now() - reloadStart));
        midiStreamClose(stream);
    }

    OnsetProbe probe;
    AudioOutput::Instance().Attach(&probe);
    TMidiGen midi(nullptr);
    midi.SetDuration(20);
    std::vector<double> delays;
    for (int play = 0; play < 20; ++play) {
        Wait([&] { return probe.Silent() && !midi.IsPlaying(); }, std::chrono::seconds(3));
        // The wait ends just after a callback; plays come at any point of the device's period.
        std::this_thread::sleep_for(std::chrono::microseconds(play * 5813 % 11610));
        probe.Arm();
        midi.SetNote(TMGNote(play % 12));
        const Clock::time_point start = Clock::now();
        if (!midi.Play() ||
            !Wait([&] { return probe.Onset() != Clock::time_point{}; }, std::chrono::seconds(1))) {
            std::fprintf(stderr, "play %d gave no sound\n", play);
            continue;
        }
        delays.push_back(Milliseconds(probe.Onset() - start));
    }
    AudioOutput::Instance().Detach(&probe);
    if (delays.empty())
        return 1;

    std::sort(delays.begin(), delays.end());
    const double buffer = 1000.0 * AudioOutput::BufferFrames / AudioOutput::SampleRate;
    std::printf("Play -> first audible frame rendered (%zu plays): median %.1f ms, max %.1f ms\n",
                delays.size(), delays[delays.size() / 2], delays.back());
    std::printf(
        "with the device's %.1f ms buffer it is heard after about %.1f ms (max %.1f ms), goal < 30 ms\n",
        buffer, delays[delays.size() / 2] + buffer, delays.back() + buffer);
    return 0;
}
