// SPDX-License-Identifier: GPL-3.0-or-later
// What a parent's recording becomes before it is kept: trimmed, levelled, limited, refused when
// nothing was heard, and written so that a failed write leaves the old file whole.
#include "platform/VoiceRecorder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace {

constexpr int Rate = 44100;

// `quiet` seconds of faint noise, a vowel-like tone of `seconds` at `level` (dBFS peak), then the
// same noise again.
std::vector<float> Capture(double quiet, double seconds, double level, double noise = -70) {
    std::vector<float> x;
    const float noiseAmp = float(std::pow(10.0, noise / 20));
    unsigned seed = 1;
    auto hiss = [&] {
        seed = seed * 1103515245u + 12345u;
        return noiseAmp * (float(seed >> 16 & 0x7FFF) / 16384.0f - 1.0f);
    };
    for (int i = 0; i < int(quiet * Rate); ++i)
        x.push_back(hiss());
    const double amp = std::pow(10.0, level / 20);
    for (int i = 0; i < int(seconds * Rate); ++i)
        x.push_back(float(amp * std::sin(2 * std::numbers::pi * 220 * i / Rate) * 0.7 +
                          amp * 0.3 * std::sin(2 * std::numbers::pi * 1100 * i / Rate)) +
                    hiss());
    for (int i = 0; i < int(quiet * Rate); ++i)
        x.push_back(hiss());
    return x;
}

std::vector<float> ToFloat(const std::vector<std::int16_t>& samples) {
    std::vector<float> x;
    for (std::int16_t s : samples)
        x.push_back(float(s) / 32767.0f);
    return x;
}

} // namespace

TEST(VoiceRecording, IsTrimmedAndBroughtToTheGamesLoudness) {
    for (const double level : {-40.0, -12.0}) {
        SCOPED_TRACE(level);
        const TPreparedVoice voice = PrepareVoice(Capture(1.5, 1.0, level), Rate);
        ASSERT_TRUE(voice.problem.isEmpty()) << voice.problem.toStdString();
        const double seconds = double(voice.samples.size()) / Rate;
        // The second of voice, a few milliseconds before it and the tail after it.
        EXPECT_GT(seconds, 1.0);
        EXPECT_LT(seconds, 1.0 + 0.008 + 0.12 + 0.02);
        EXPECT_NEAR(IntegratedLoudness(ToFloat(voice.samples), Rate), VoiceLoudness, 0.5);
        // The voice starts within the lead-in.
        int first = 0;
        while (std::abs(voice.samples[std::size_t(first)]) < 300)
            ++first;
        EXPECT_LT(first, Rate / 50);
    }
}

TEST(VoiceRecording, IsLimitedToAFewSecondsAndKeptBelowClipping) {
    const TPreparedVoice voice = PrepareVoice(Capture(0.2, 12.0, -3.0), Rate);
    ASSERT_TRUE(voice.problem.isEmpty());
    EXPECT_LE(double(voice.samples.size()) / Rate, MaxVoiceSeconds);
    for (std::int16_t s : voice.samples)
        ASSERT_LT(std::abs(int(s)), 32767 * 0.9);
}

TEST(VoiceRecording, NothingHeardIsRefusedWithAReason) {
    const std::vector<float> cases[] = {{},
                                        std::vector<float>(Rate * 2, 0.0f),
                                        Capture(1.0, 0.0, -100, -60),
                                        std::vector<float>(Rate, std::numeric_limits<float>::quiet_NaN()),
                                        std::vector<float>(Rate / 200, 1.0f)};
    for (const auto& capture : cases) {
        const TPreparedVoice voice = PrepareVoice(capture, Rate);
        EXPECT_TRUE(voice.samples.empty());
        EXPECT_TRUE(voice.problem.startsWith("Nothing was heard")) << voice.problem.toStdString();
    }
}

TEST(VoiceRecording, SavedAsAMonoWaveOrAReasonIsGiven) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("voices/de/black.wav");
    const std::vector<std::int16_t> samples{0, 1000, -1000, 32767};
    ASSERT_EQ(SaveVoice(path, samples, Rate), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 44 + 8);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(bytes.mid(36, 4), "data");
    EXPECT_EQ(std::memcmp(bytes.constData() + 44, samples.data(), 8), 0);
    // A folder that cannot be made gives a reason, and nothing else is touched.
    ASSERT_TRUE(QFile(dir.filePath("blocked")).open(QIODevice::WriteOnly));
    EXPECT_NE(SaveVoice(dir.filePath("blocked/de/black.wav"), {1, 2, 3}, Rate), QString());
    file.seek(0);
    EXPECT_EQ(file.readAll(), bytes);
}
