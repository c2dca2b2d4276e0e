// The shared audio output: how sources are mixed, clamped and detached, and what reaches a
// device (SDL's disk and dummy drivers, each in a fresh process).
#include "platform/AudioOutput.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
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

TEST_F(AudioOutputTest, MixesEverySourceOnceIntoAClearedAndClampedBuffer) {
    ConstantSource a(0.25f, -0.5f), b(0.5f, -0.75f), c(0.5f, 0.0f);
    output.Attach(&a);
    output.Attach(&a);
    output.Attach(&b);
    std::vector<float> mix(64 * 2, 9.0f);
    output.RenderOffline(mix.data(), 64);
    for (int i = 0; i < 64; ++i) {
        EXPECT_FLOAT_EQ(mix[2 * i], 0.75f);
        EXPECT_FLOAT_EQ(mix[2 * i + 1], -1.0f); // -1.25 clamped
    }
    output.Attach(&c);
    output.RenderOffline(mix.data(), 64);
    EXPECT_FLOAT_EQ(mix[0], 1.0f); // 1.25 clamped
    EXPECT_EQ(a.calls, 2);

    output.Detach(&a);
    output.Detach(&b);
    output.Detach(&c);
    output.RenderOffline(mix.data(), 64);
    EXPECT_EQ(a.calls, 2);
    EXPECT_FLOAT_EQ(mix[0], 0.0f);
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
        qputenv("SDL_DISK_FILE", QFile::encodeName(RawFile()));
    }
    ~DeviceRun() {
        oldDriver_.isNull() ? qunsetenv("SDL_AUDIODRIVER") : qputenv("SDL_AUDIODRIVER", oldDriver_);
        qunsetenv("SDL_DISK_FILE");
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

TEST(AudioOutputDeathTest, DiskDriverReceivesTheClampedMixAsSixteenBitStereo) {
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
    for (qsizetype i = first; i < frames; ++i) {
        ASSERT_EQ(samples[2 * i], 32767) << "frame " << i;
        ASSERT_EQ(samples[2 * i + 1], -8192) << "frame " << i;
    }
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

} // namespace
