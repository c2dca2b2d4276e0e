// SPDX-License-Identifier: GPL-3.0-or-later
// The shared audio output: how sources are mixed, clamped and detached, and what reaches a
// device (SDL's disk and dummy drivers, each in a fresh process).
#include "platform/AudioOutput.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Adds the same left and right value to every frame and counts its calls.
class ConstantSource : public AudioSource {
public:
    ConstantSource(float left, float right) : left_(left), right_(right) {}
    void Render(float* mix, int frames) override {
        for (int i = 0; i < frames; ++i) {
            mix[2 * i] += left_;
            mix[2 * i + 1] += right_;
        }
        calls.fetch_add(1);
    }
    std::atomic<int> calls{0};

private:
    float left_, right_;
};

class AudioOutputTest : public testing::Test {
protected:
    void SetUp() override { AudioOutput::Instance().UseOffline(); }
    AudioOutput& output = AudioOutput::Instance();
};

TEST_F(AudioOutputTest, MixesEverySourceOnceIntoAClearedBuffer) {
    ConstantSource a(0.25f, -0.5f), b(0.5f, -0.25f);
    output.Attach(&a);
    output.Attach(&a);
    output.Attach(&b);
    std::vector<float> mix(64 * 2, 9.0f);
    output.RenderOffline(mix.data(), 64);
    for (int i = 0; i < 64; ++i) {
        EXPECT_FLOAT_EQ(mix[2 * i], 0.75f);
        EXPECT_FLOAT_EQ(mix[2 * i + 1], -0.75f);
    }
    EXPECT_EQ(a.calls, 1);

    output.Detach(&a);
    output.Detach(&b);
    output.RenderOffline(mix.data(), 64);
    EXPECT_EQ(a.calls, 1);
    EXPECT_FLOAT_EQ(mix[0], 0.0f);
}

// A sine of the given amplitude on both channels, opposite in sign on the right.
class SineSource : public AudioSource {
public:
    explicit SineSource(float amplitude, double frequency = 440.0)
        : amplitude_(amplitude), step_(frequency / 44100.0) {}
    void Render(float* mix, int frames) override {
        for (int i = 0; i < frames; ++i, phase_ += step_) {
            const float value = amplitude_ * float(std::sin(2 * 3.141592653589793 * phase_));
            mix[2 * i] += value;
            mix[2 * i + 1] -= value;
        }
    }

private:
    float amplitude_;
    double step_;
    double phase_ = 0;
};

TEST_F(AudioOutputTest, LimiterPassesQuietMixesAndHoldsLoudOnesBelowFullScaleWithoutWrapping) {
    struct Case {
        float amplitude;
        bool untouched;
    };
    for (const Case c :
         {Case{0.5f, true}, Case{0.88f, true}, Case{1.0f, false}, Case{3.0f, false}, Case{40.0f, false}}) {
        SCOPED_TRACE(c.amplitude);
        // Start from a settled limiter: a second of silence lets go of any earlier peak.
        std::vector<float> mix(44100 * 2);
        output.RenderOffline(mix.data(), 44100);
        SineSource loud(c.amplitude), reference(c.amplitude);
        output.Attach(&loud);
        output.RenderOffline(mix.data(), 44100);
        output.Detach(&loud);
        std::vector<float> unlimited(mix.size(), 0.0f);
        reference.Render(unlimited.data(), 44100);

        std::vector<std::int16_t> pcm(mix.size());
        AudioOutput::ToPcm16(mix.data(), pcm.data(), int(mix.size()));
        float top = 0;
        for (std::size_t i = 0; i < mix.size(); ++i) {
            top = std::max(top, std::fabs(mix[i]));
            ASSERT_LE(std::fabs(mix[i]), AudioOutput::Ceiling) << "sample " << i;
            ASSERT_LT(std::abs(int(pcm[i])), 32767) << "sample " << i;
            // Limiting scales the wave down; it never turns a sample over to the other side.
            if (std::fabs(unlimited[i]) > 1e-3f) {
                ASSERT_EQ(pcm[i] > 0, unlimited[i] > 0) << "sample " << i;
            }
            if (c.untouched) {
                ASSERT_FLOAT_EQ(mix[i], unlimited[i]) << "sample " << i;
            }
        }
        if (!c.untouched) {
            // Held near the threshold, not squashed to nothing; and the channels keep their balance.
            EXPECT_GT(top, AudioOutput::Threshold * 0.95f);
            EXPECT_NEAR(mix[2 * 30000], -mix[2 * 30000 + 1], 1e-6f);
            // Turned down smoothly rather than clipped: once settled, the output is the same sine,
            // only quieter.
            double product = 0, square = 0;
            for (std::size_t i = mix.size() / 2; i < mix.size(); ++i) {
                product += double(mix[i]) * unlimited[i];
                square += double(unlimited[i]) * unlimited[i];
            }
            const double gain = product / square;
            for (std::size_t i = mix.size() / 2; i < mix.size(); ++i)
                ASSERT_NEAR(mix[i], gain * unlimited[i], 0.02) << "sample " << i;
        }
    }
}

TEST_F(AudioOutputTest, SampleClockCountsRenderedFrames) {
    const std::int64_t before = output.FramesRendered();
    std::vector<float> mix(1000 * 2);
    output.RenderOffline(mix.data(), 1000);
    output.RenderOffline(mix.data(), 24);
    EXPECT_EQ(output.FramesRendered() - before, 1024);
}

TEST_F(AudioOutputTest, DetachedSourceIsNeverTouchedAgainWhileAnotherThreadRenders) {
    std::atomic<bool> done{false};
    std::thread renderer([&] {
        std::vector<float> mix(128 * 2);
        while (!done)
            output.RenderOffline(mix.data(), 128);
    });
    for (int round = 0; round < 50; ++round) {
        ConstantSource source(0.1f, 0.1f);
        output.Attach(&source);
        while (source.calls == 0)
            std::this_thread::yield();
        output.Detach(&source);
        const int calls = source.calls;
        std::this_thread::yield();
        ASSERT_EQ(source.calls, calls);
    }
    done = true;
    renderer.join();
}

// Runs `statement` in a fresh process with SDL_AUDIODRIVER set to `driver`; the folder for its
// files comes from the parent, as the child runs the test body again.
class DeviceRun {
public:
    explicit DeviceRun(const char* driver) {
        folder_ = qEnvironmentVariable("TP_DEVICE_TEST_DIR");
        if (folder_.isEmpty()) {
            made_.emplace();
            folder_ = made_->path();
            qputenv("TP_DEVICE_TEST_DIR", QFile::encodeName(folder_));
        }
        oldDriver_ = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", driver);
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(RawFile()));
    }
    ~DeviceRun() {
        oldDriver_.isNull() ? qunsetenv("SDL_AUDIODRIVER") : qputenv("SDL_AUDIODRIVER", oldDriver_);
        qunsetenv("SDL_DISKAUDIOFILE");
        qunsetenv("TP_DEVICE_TEST_DIR");
    }
    QString RawFile() const { return folder_ + "/out.raw"; }

private:
    std::optional<QTemporaryDir> made_;
    QString folder_;
    QByteArray oldDriver_;
};

// Waits, at most a few seconds, until the device has taken `frames` frames.
bool DeviceRenders(std::int64_t frames) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (AudioOutput::Instance().FramesRendered() < frames && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return AudioOutput::Instance().FramesRendered() >= frames;
}

TEST(AudioOutputDeathTest, DiskDriverReceivesTheLimitedMixAsSixteenBitStereo) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DeviceRun run("disk");
    EXPECT_EXIT(
        {
            static ConstantSource source(1.5f, -0.25f);
            AudioOutput::Instance().Attach(&source);
            AudioOutput::Instance().Open();
            std::exit(DeviceRenders(4096) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    QFile file(run.RawFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 4096 * 4);
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    const qsizetype frames = bytes.size() / 4;
    // SDL writes silence while the device opens paused; from the first mixed frame on, every
    // frame is the mix.
    qsizetype first = 0;
    while (first < frames && samples[2 * first] == 0 && samples[2 * first + 1] == 0)
        ++first;
    ASSERT_LE(first, 4 * AudioOutput::BufferFrames);
    // 1.5 is past full scale: held below it, never wrapped round to negative values.
    for (qsizetype i = first; i < frames; ++i) {
        ASSERT_GT(samples[2 * i], 0) << "frame " << i;
        ASSERT_LT(samples[2 * i], 32767) << "frame " << i;
        ASSERT_LT(samples[2 * i + 1], 0) << "frame " << i;
    }
    // Once the limiter has settled: the threshold, with the channels in their first proportion.
    const qsizetype last = frames - 1;
    EXPECT_NEAR(samples[2 * last], AudioOutput::Threshold * 32767, 2);
    EXPECT_NEAR(samples[2 * last + 1] * -6.0, samples[2 * last], 6);
}

TEST(AudioOutputDeathTest, UnusableDriverFallsBackToASilentDeviceThatKeepsTime) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DeviceRun run("no-such-driver");
    EXPECT_EXIT(
        {
            AudioOutput::Instance().Open();
            std::exit(
                AudioOutput::Instance().IsAvailable() && DeviceRenders(AudioOutput::SampleRate / 10) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// A device refused when the output comes back from suspension (SDL's disk driver cannot create its
// file) leaves this sound silent; the next sound opens it again.
TEST(AudioOutputDeathTest, DeviceRefusedOnResumingIsAskedForAgainByTheNextSound) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DeviceRun run("disk");
    EXPECT_EXIT(
        {
            AudioOutput& output = AudioOutput::Instance();
            output.Open();
            output.Suspend();
            qputenv("SDL_DISKAUDIOFILE", "/nonexistent/out.raw");
            output.Open();
            const bool silent = !output.IsAvailable();
            qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(run.RawFile()));
            output.Open();
            const std::int64_t resumed = output.FramesRendered();
            std::exit(silent && output.IsAvailable() && !output.IsSuspended() && DeviceRenders(resumed + 4096)
                          ? 0
                          : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
