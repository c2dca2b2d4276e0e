// SPDX-License-Identifier: GPL-3.0-or-later
// The waveform voice, rendered offline: what plays, from which sample, for how long, and what
// stays silent.
#include "platform/AudioOutput.h"
#include "platform/MidiStream.h"
#include "platform/PlaySound.h"
#include "platform/Voices.h"
#include "platform/Volume.h"
#include "tests/platform/core_app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>
#include <numbers>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr int Rate = AudioOutput::SampleRate;

struct Tone {
    int rate = 44100;
    int channels = 2;
    int bits = 16;
    double seconds = 0.2;
    double frequency = 440;
    double amplitude = 0.5;

    int Frames() const { return int(std::lround(rate * seconds)); }
    int OutputFrames() const { return int(std::lround(Rate * seconds)); }
    // A cosine, so the very first sample is loud and shows where playback starts.
    double Value(int frame) const {
        return amplitude * std::cos(2 * std::numbers::pi * frequency * frame / rate);
    }
};

void Append16(QByteArray& out, unsigned value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8 & 0xFF));
}
void Append32(QByteArray& out, unsigned value) {
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

QByteArray PcmWav(const Tone& tone) {
    QByteArray data;
    for (int i = 0; i < tone.Frames(); ++i) {
        for (int c = 0; c < tone.channels; ++c) {
            const double v = tone.Value(i);
            if (tone.bits == 8)
                data.append(char(std::lround(128 + v * 127)));
            else
                Append16(data, unsigned(std::lround(v * 32767)) & 0xFFFF);
        }
    }
    const int block = tone.channels * tone.bits / 8;
    QByteArray wav("RIFF");
    Append32(wav, unsigned(36 + data.size()));
    wav += "WAVEfmt ";
    Append32(wav, 16);
    Append16(wav, 1);
    Append16(wav, unsigned(tone.channels));
    Append32(wav, unsigned(tone.rate));
    Append32(wav, unsigned(tone.rate * block));
    Append16(wav, unsigned(block));
    Append16(wav, unsigned(tone.bits));
    wav += "data";
    Append32(wav, unsigned(data.size()));
    return wav + data;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::vector<float> Render(int frames) {
    std::vector<float> out(std::size_t(frames) * 2);
    AudioOutput::Instance().RenderOffline(out.data(), frames);
    return out;
}

// Index of the first and one past the last frame louder than `threshold`; {0, 0} for silence.
std::pair<int, int> LoudSpan(const std::vector<float>& mix, float threshold = 0.01f) {
    int first = -1, last = -1;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        if (std::abs(mix[i]) > threshold) {
            if (first < 0)
                first = int(i / 2);
            last = int(i / 2);
        }
    }
    return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
}

bool IsSilent(const std::vector<float>& mix) {
    return LoudSpan(mix, 0.0f) == std::pair{0, 0};
}

class PlaySoundTest : public testing::Test {
protected:
    void SetUp() override {
        AudioOutput::Instance().UseOffline();
        PlaySoundA(nullptr, nullptr, 0);
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override {
        PlaySoundA(nullptr, nullptr, 0);
        QDir::setCurrent(previous);
    }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        WriteFile(path, bytes);
        return path;
    }
    static bool PlayFile(const QString& name, unsigned flags = SND_ASYNC | SND_NODEFAULT) {
        return PlaySoundA(QFile::encodeName(name).constData(), nullptr, flags | SND_FILENAME);
    }

    QTemporaryDir dir;
    QString previous;
};

TEST_F(PlaySoundTest, ToneFilesPlayFromTheirFirstSampleForTheirWholeLength) {
    const Tone tones[] = {
        {.rate = 44100, .channels = 2, .bits = 16},
        {.rate = 22050, .channels = 1, .bits = 8},
        {.rate = 48000, .channels = 1, .bits = 16, .seconds = 0.25},
    };
    for (const Tone& tone : tones) {
        SCOPED_TRACE(testing::Message()
                     << tone.rate << " Hz, " << tone.channels << " ch, " << tone.bits << " bit");
        ASSERT_TRUE(PlayFile(Write("tone.wav", PcmWav(tone))));
        const PlaySoundState state = CurrentVoice();
        EXPECT_TRUE(state.playing);
        EXPECT_EQ(state.name, dir.filePath("tone.wav"));
        EXPECT_NEAR(state.frames, tone.OutputFrames(), 2);

        const std::vector<float> mix = Render(tone.OutputFrames() + 2000);
        // Both channels carry the tone, starting at full amplitude on frame 0.
        EXPECT_NEAR(mix[0], tone.amplitude, 0.05);
        EXPECT_NEAR(mix[1], tone.amplitude, 0.05);
        const auto [first, end] = LoudSpan(mix);
        EXPECT_EQ(first, 0);
        EXPECT_NEAR(end, tone.OutputFrames(), 12);
        EXPECT_TRUE(IsSilent({mix.begin() + 2 * (state.frames + 1), mix.end()}));
        EXPECT_FALSE(CurrentVoice().playing);
    }
}

// 16-bit samples at the output rate reach the mix exactly, mono on both sides; a clip is kept
// at its own channel count, more than two mixed down to stereo.
TEST_F(PlaySoundTest, SixteenBitAtTheOutputRatePlaysUnchangedAndKeepsItsChannels) {
    for (const int channels : {1, 2, 4}) {
        SCOPED_TRACE(testing::Message() << channels << " channels");
        const Tone tone{.channels = channels, .frequency = 1000, .amplitude = channels == 4 ? 0.4 : 0.8};
        ASSERT_TRUE(PlayFile(Write("exact.wav", PcmWav(tone))));
        EXPECT_EQ(CurrentVoice().channels, std::min(channels, 2));
        const std::vector<float> mix = Render(tone.Frames());
        for (int i = 0; i < tone.Frames(); i += 37) {
            const float recorded = float(std::int16_t(std::lround(tone.Value(i) * 32767))) / 32768.0f;
            if (channels <= 2) {
                ASSERT_EQ(mix[2 * std::size_t(i)], recorded) << "frame " << i;
            }
            ASSERT_EQ(mix[2 * std::size_t(i)], mix[2 * std::size_t(i) + 1]) << "frame " << i;
        }
    }
}

TEST_F(PlaySoundTest, VoiceVolumeScalesTheAmplitudeAndMuteSilencesIt) {
    const Tone tone{.frequency = 1000, .amplitude = 0.8};
    const QString file = Write("exact.wav", PcmWav(tone));
    const std::vector<std::pair<float, bool>> cases = {{0.5f, false}, {0.25f, false}, {1.0f, true}};
    for (const auto& [gain, muted] : cases) {
        SetSoundVolume(TSoundKind::Voice, gain);
        SetSoundVolume(TSoundKind::Piano, 0.0f); // the piano's own volume leaves the voice alone
        SetSoundMuted(muted);
        ASSERT_TRUE(PlayFile(file));
        const std::vector<float> mix = Render(tone.Frames());
        const float expected = muted ? 0.0f : gain;
        for (int i = 0; i < tone.Frames(); i += 37)
            ASSERT_NEAR(mix[2 * std::size_t(i)], expected * tone.Value(i), 1e-4)
                << "gain " << gain << " frame " << i;
    }
    SetSoundVolume(TSoundKind::Voice, 1.0f);
    SetSoundVolume(TSoundKind::Piano, 1.0f);
    SetSoundMuted(false);
}

TEST_F(PlaySoundTest, FileCutOffInsideItsSamplesPlaysWhatItHas) {
    const Tone tone{.channels = 1};
    const QByteArray whole = PcmWav(tone);
    const int kept = tone.Frames() / 2;
    ASSERT_TRUE(PlayFile(Write("cut.wav", whole.left(44 + 2 * kept))));
    EXPECT_EQ(CurrentVoice().frames, kept);
    EXPECT_EQ(LoudSpan(Render(tone.Frames())).second, kept);
}

TEST_F(PlaySoundTest, ANewSoundCutsOffTheOneThatPlays) {
    const Tone quiet{.seconds = 1, .amplitude = 0.2};
    const Tone loud{.seconds = 0.1, .amplitude = 0.9};
    const QString first = Write("quiet.wav", PcmWav(quiet));
    const QString second = Write("loud.wav", PcmWav(loud));
    ASSERT_TRUE(PlayFile(first));
    Render(1000);
    ASSERT_TRUE(PlayFile(second));
    EXPECT_EQ(CurrentVoice().name, second);
    EXPECT_EQ(CurrentVoice().position, 0);
    const std::vector<float> mix = Render(Rate);
    EXPECT_NEAR(mix[0], loud.amplitude, 0.01);
    EXPECT_EQ(LoudSpan(mix).second, loud.OutputFrames()); // nothing of the first sound after it
}

TEST_F(PlaySoundTest, NoStopYieldsToASoundThatPlays) {
    const Tone tone{.seconds = 0.1};
    const QString first = Write("first.wav", PcmWav(tone));
    const QString second = Write("second.wav", PcmWav(tone));
    ASSERT_TRUE(PlayFile(first));
    Render(100);
    EXPECT_FALSE(PlayFile(second, SND_ASYNC | SND_NODEFAULT | SND_NOSTOP));
    EXPECT_EQ(CurrentVoice().name, first);
    EXPECT_EQ(CurrentVoice().position, 100);
    Render(tone.OutputFrames());
    EXPECT_TRUE(PlayFile(second, SND_ASYNC | SND_NODEFAULT | SND_NOSTOP));
    EXPECT_EQ(CurrentVoice().name, second);
}

TEST_F(PlaySoundTest, LoopRepeatsUntilStopped) {
    const Tone tone{.seconds = 0.05, .frequency = 300};
    ASSERT_TRUE(PlayFile(Write("loop.wav", PcmWav(tone)), SND_ASYNC | SND_NODEFAULT | SND_LOOP));
    const int length = tone.OutputFrames();
    const std::vector<float> mix = Render(length * 3 + 100);
    for (int i = 0; i < length + 100; i += 7)
        ASSERT_FLOAT_EQ(mix[2 * std::size_t(i)], mix[2 * std::size_t(i + 2 * length)]) << "frame " << i;
    EXPECT_TRUE(CurrentVoice().playing);
    EXPECT_TRUE(CurrentVoice().looped);

    EXPECT_TRUE(PlaySoundA(nullptr, nullptr, 0));
    EXPECT_FALSE(CurrentVoice().playing);
    EXPECT_TRUE(IsSilent(Render(length)));
}

TEST_F(PlaySoundTest, SynchronousPlayReturnsOfflineWithTheSoundQueued) {
    ASSERT_TRUE(PlayFile(Write("sync.wav", PcmWav({})), SND_SYNC | SND_NODEFAULT));
    EXPECT_TRUE(CurrentVoice().playing);
    EXPECT_EQ(CurrentVoice().position, 0);
}

TEST_F(PlaySoundTest, SoundsThatCannotPlayAreSilentAndStopTheOldSound) {
    QByteArray noData = PcmWav({.seconds = 0});
    QByteArray badFormat = PcmWav({});
    badFormat[20] = 0x55; // an unknown encoding
    Write("empty.wav", {});
    Write("noise.wav", QByteArray(5000, 'x'));
    Write("nodata.wav", noData);
    Write("badformat.wav", badFormat);
    Write("header.wav", PcmWav({}).left(30));
    QDir(dir.path()).mkdir("folder.wav");
    const QByteArray missing = "missing.wav", empty = "", noise = "noise.wav", zero = "empty.wav",
                     nodataName = "nodata.wav", format = "badformat.wav", header = "header.wav",
                     folder = "folder.wav", alias = "SystemExclamation", notRiff = "RIFX....WAVE";
    const struct {
        const char* what;
        const void* sound;
        unsigned flags;
    } cases[] = {
        {"missing file", missing.constData(), SND_FILENAME},
        {"empty name", empty.constData(), SND_FILENAME},
        {"empty file", zero.constData(), SND_FILENAME},
        {"not a WAV", noise.constData(), SND_FILENAME},
        {"WAV without samples", nodataName.constData(), SND_FILENAME},
        {"unknown encoding", format.constData(), SND_FILENAME},
        {"cut inside the header", header.constData(), SND_FILENAME},
        {"a folder", folder.constData(), SND_FILENAME},
        {"resource", "WAVE1", SND_RESOURCE},
        {"unknown alias", alias.constData(), SND_ALIAS},
        {"memory without RIFF", notRiff.constData(), SND_MEMORY},
        {"memory WAV without samples", noData.constData(), SND_MEMORY},
    };
    const QString playing = Write("playing.wav", PcmWav({.seconds = 1}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(PlayFile(playing));
        EXPECT_FALSE(PlaySoundA(c.sound, nullptr, c.flags | SND_ASYNC | SND_NODEFAULT));
        EXPECT_FALSE(CurrentVoice().playing);
        EXPECT_TRUE(IsSilent(Render(2000)));
    }
}

// Refused from the header alone: rates no recording has, channel counts SDL cannot mix, and
// data that would decode to more than ten minutes. The 644-byte file at 1 Hz once took seconds and
// most of a gigabyte to convert.
TEST_F(PlaySoundTest, HeadersNoRecordingHasAreRefusedBeforeDecoding) {
    QFile oneHertz(QStringLiteral(TP_SOURCE_DIR "/tests/platform/data/one_hertz.wav"));
    ASSERT_TRUE(oneHertz.open(QIODevice::ReadOnly));
    QByteArray nineChannels = PcmWav({.channels = 1});
    nineChannels[22] = 9;
    const struct {
        const char* what;
        QByteArray image;
        bool plays;
    } cases[] = {
        {"8-bit at 1 Hz", oneHertz.readAll(), false},
        {"3999 Hz", PcmWav({.rate = 3999, .channels = 1}), false},
        {"4000 Hz", PcmWav({.rate = 4000, .channels = 1, .frequency = 300}), true},
        {"192000 Hz", PcmWav({.rate = 192000, .channels = 1}), true},
        {"192001 Hz", PcmWav({.rate = 192001, .channels = 1}), false},
        {"nine channels", nineChannels, false},
        {"over ten minutes", PcmWav({.rate = 4000, .channels = 1, .bits = 8, .seconds = 601}), false},
    };
    const QString playing = Write("playing.wav", PcmWav({.seconds = 1}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(PlayFile(playing));
        const QString name = Write(QString::fromLatin1(c.what) + ".wav", c.image);
        EXPECT_EQ(PlayFile(name), c.plays);
        EXPECT_EQ(CurrentVoice().playing, c.plays);
        EXPECT_EQ(PlaySoundA(c.image.constData(), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT), c.plays);
    }
}

// A recording that is there but cannot be played is silent and named once in the log of the
// state folder, with the reason; a missing or a good file leaves no line.
TEST_F(PlaySoundTest, BrokenRecordingsAreNamedInTheLogOnce) {
    QTemporaryDir state;
    ASSERT_TRUE(state.isValid());
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QFile huge(Write("huge.wav", PcmWav({})));
    ASSERT_TRUE(huge.resize(qint64(2) << 30)); // sparse: takes no room on the disk
    const struct {
        QString name;
        QString reason; // empty: plays or is missing, no line
    } cases[] = {
        {Write("garbage.wav", QByteArray(5000, 'x')), "not a RIFF WAVE file"},
        {Write("empty.wav", {}), "empty file"},
        {huge.fileName(), "larger than 64 MB"},
        {Write("rate.wav", PcmWav({.rate = 1000})), "a sample rate of 1000 Hz"},
        {Write("good.wav", PcmWav({})), ""},
        {dir.filePath("missing.wav"), ""},
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& c : cases) {
            EXPECT_EQ(PlayFile(c.name), c.reason.isEmpty() && QFile::exists(c.name)) << c.name.toStdString();
            PreloadSound(c.name);
        }
    }
    stateHome.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", stateHome);
    QFile log(state.filePath("tovimar-plumkin/tovimar-plumkin.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    QStringList expected;
    for (const auto& c : cases)
        if (!c.reason.isEmpty())
            expected << c.name + " plays as silence: " + c.reason;
    ASSERT_EQ(lines.size(), expected.size()) << log.fileName().toStdString();
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].endsWith(expected[i])) << lines[i].toStdString();
}

TEST_F(PlaySoundTest, DefaultSoundStandsInOnlyWhenAllowed) {
    EXPECT_FALSE(PlayFile("missing.wav", SND_ASYNC));
    EXPECT_EQ(CurrentVoice().name, "<default>");
    const std::vector<float> mix = Render(Rate);
    const auto [first, end] = LoudSpan(mix);
    EXPECT_LT(first, Rate / 100);
    EXPECT_NEAR(end, Rate * 120 / 1000, Rate / 100);
    for (float sample : mix)
        ASSERT_LE(std::abs(sample), 0.3f); // soft

    EXPECT_FALSE(PlayFile("missing.wav", SND_ASYNC | SND_NODEFAULT));
    EXPECT_TRUE(IsSilent(Render(Rate)));
    EXPECT_FALSE(PlaySoundA("SystemHand", nullptr, SND_ALIAS | SND_ASYNC));
    EXPECT_EQ(CurrentVoice().name, "<default>");
    // ".Default" is the default sound's own name, so it plays even with SND_NODEFAULT.
    EXPECT_TRUE(PlaySoundA(".Default", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT));
    EXPECT_EQ(CurrentVoice().name, "<default>");
}

TEST_F(PlaySoundTest, MemoryImagePlaysLikeAFile) {
    const Tone tone{.rate = 11025, .channels = 1, .bits = 8};
    const QByteArray image = PcmWav(tone);
    ASSERT_TRUE(PlaySoundA(image.constData(), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
    EXPECT_EQ(CurrentVoice().name, "<memory>");
    EXPECT_NEAR(CurrentVoice().frames, tone.OutputFrames(), 4);
    EXPECT_NEAR(LoudSpan(Render(Rate)).second, tone.OutputFrames(), 20);
}

TEST_F(PlaySoundTest, SafeImageCheckMatchesWhatTheVoiceReads) {
    const QByteArray wav = PcmWav({});
    QByteArray claimsMore = wav;
    claimsMore[4] = char(0xFF);
    const struct {
        QByteArray bytes;
        bool safe;
    } cases[] = {
        {wav, true},
        {wav.left(wav.size() - 1), false}, // the header claims one byte more than there is
        {claimsMore.left(100), false},
        {"RIFF", false},
        {QByteArray("RIFF\x04\0\0\0WAV", 11), false},
        {"XYZ", false},
        {"JUNK", true},                                     // rejected after 4 bytes
        {QByteArray("RIFF\xFF\xFF\xFF\xFFWAVE", 12), true}, // size beyond any sane image: rejected
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSafeSoundImage(c.bytes.constData(), std::size_t(c.bytes.size())), c.safe)
            << c.bytes.toHex().left(32).constData();
}

// The program's own folders come before the current one: a download folder holding a file of the
// same name is not what the child hears.
TEST_F(PlaySoundTest, RelativeNamesWithBackslashesResolveInOrder) {
    EnsureCoreApp();
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString unique = QStringLiteral("tp-play-sound-%1").arg(QCoreApplication::applicationPid());
    const QByteArray name = QStringLiteral("%1\\sub\\tone.wav").arg(unique).toUtf8();
    const QString relative = unique + "/sub/tone.wav";
    const QString places[] = {
        exeDir + "/" + relative,
        QDir::cleanPath(exeDir + "/../share/tovimar-plumkin/" + relative),
        dir.filePath(relative),
    };
    // Written from the last place to the first: each step finds the earlier place first.
    for (int i = 2; i >= 0; --i) {
        WriteFile(places[i], PcmWav({}));
        ASSERT_TRUE(PlaySoundA(name.constData(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT)) << i;
        EXPECT_EQ(CurrentVoice().name, places[i]);
    }
    QDir(exeDir + "/" + unique).removeRecursively();
    QDir(QDir::cleanPath(exeDir + "/../share/tovimar-plumkin/" + unique)).removeRecursively();
}

// A prompt plays the parent's recording, else the game's one in the child's language, else the
// English one; an unplayable file gives way to the next and is named in the log once, and a
// prompt found nowhere is named once with every place looked in.
class VoiceLookupTest : public PlaySoundTest {
protected:
    void SetUp() override {
        PlaySoundTest::SetUp();
        ASSERT_TRUE(home.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_STATE_HOME"}) {
            saved.emplace_back(variable, qgetenv(variable));
            qputenv(variable, QFile::encodeName(home.filePath(variable)));
        }
    }
    void TearDown() override {
        SetVoiceLanguage({});
        for (const auto& [variable, value] : saved)
            value.isNull() ? qunsetenv(variable) : qputenv(variable, value);
        PlaySoundTest::TearDown();
    }
    static bool PlayPrompt(const char* name) {
        return PlaySoundA(name, nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
    QStringList LogLines() const {
        QFile log(home.filePath("XDG_STATE_HOME/tovimar-plumkin/tovimar-plumkin.log"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir home;
    std::vector<std::pair<const char*, QByteArray>> saved;
};

TEST_F(VoiceLookupTest, ParentThenLanguageThenEnglish) {
    EnsureCoreApp();
    SetVoiceLanguage("de");
    ASSERT_EQ(VoiceLanguage(), "de");
    const QString english = Write("sounds/tp-lookup.wav", PcmWav({.seconds = 0.1}));
    const QString german = Write("sounds/de/tp-lookup.wav", PcmWav({.seconds = 0.2}));
    const QString parent = ParentVoiceFolder("de") + "/tp-lookup.wav";
    WriteFile(parent, PcmWav({.seconds = 0.3}));
    const struct {
        QString remove; // before playing
        QString plays;
    } steps[] = {{"", parent}, {parent, german}, {german, english}};
    for (const auto& step : steps) {
        if (!step.remove.isEmpty())
            QFile::remove(step.remove);
        ASSERT_TRUE(PlayPrompt("sounds\\tp-lookup.wav")) << step.plays.toStdString();
        EXPECT_EQ(CurrentVoice().name, step.plays);
    }
    // English has no language folder, but a parent's recording still wins.
    SetVoiceLanguage("en");
    WriteFile(german, PcmWav({}));
    WriteFile(ParentVoiceFolder("en") + "/tp-lookup.wav", PcmWav({}));
    ASSERT_TRUE(PlayPrompt("sounds\\tp-lookup.wav"));
    EXPECT_EQ(CurrentVoice().name, ParentVoiceFolder("en") + "/tp-lookup.wav");
    SetVoiceLanguage({});
    const QString desktop = VoiceLanguage();
    EXPECT_TRUE(VoiceLanguages().contains(desktop));
    SetVoiceLanguage("xx");
    EXPECT_EQ(VoiceLanguage(), desktop);
}

TEST_F(VoiceLookupTest, BrokenParentRecordingGivesWayAndMissingOnesAreNamedOnce) {
    EnsureCoreApp();
    SetVoiceLanguage("fr");
    const QString builtIn = Write("sounds/fr/tp-broken.wav", PcmWav({}));
    const QString parent = ParentVoiceFolder("fr") + "/tp-broken.wav";
    WriteFile(parent, QByteArray(3000, 'x'));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(PlayPrompt("sounds\\tp-broken.wav"));
        EXPECT_EQ(CurrentVoice().name, builtIn);
        EXPECT_FALSE(PlayPrompt("sounds\\tp-nowhere.wav"));
    }
    const QStringList lines = LogLines();
    ASSERT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].endsWith(parent + " is passed over: not a RIFF WAVE file"))
        << lines[0].toStdString();
    const QString places = ParentVoiceFolder("fr") + "/tp-nowhere.wav, " +
                           QCoreApplication::applicationDirPath() + "/sounds/fr/tp-nowhere.wav";
    EXPECT_TRUE(lines[1].contains("Recording sounds/tp-nowhere.wav is in none of: " + places))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(dir.filePath("sounds/tp-nowhere.wav"))) << lines[1].toStdString();
}

TEST_F(PlaySoundTest, ChangedFileIsDecodedAgain) {
    const QString path = Write("changing.wav", PcmWav({.seconds = 0.1}));
    PreloadSound(path);
    ASSERT_TRUE(PlayFile(path));
    EXPECT_NEAR(CurrentVoice().frames, Rate / 10, 2);
    Write("changing.wav", PcmWav({.seconds = 0.3}));
    ASSERT_TRUE(PlayFile(path));
    EXPECT_NEAR(CurrentVoice().frames, Rate * 3 / 10, 2);
}

int ThreadsOfThisProcess() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// Ending the program while recordings are decoded in the background: the thread has stopped once
// the application object is gone, and an exit in the middle of the work is a clean one.
TEST(PreloadSoundsDeathTest, TheProgramEndsCleanlyAtAnyMomentOfThePreload) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList files;
    for (int i = 0; i < 40; ++i) {
        files << dir.filePath(QStringLiteral("slow%1.wav").arg(i));
        WriteFile(files.back(), PcmWav({.rate = 8000, .channels = 1, .bits = 8, .seconds = 4}));
    }
    const auto quitWhilePreloading = [&files] {
        int argc = 1;
        char name[] = "test_platform";
        char* argv[] = {name, nullptr};
        // A sanitizer starts a helper thread of its own with the first thread; let it come now.
        std::thread([] {}).join();
        const int before = ThreadsOfThisProcess();
        {
            QCoreApplication app(argc, argv);
            PreloadSounds(files);
        }
        const bool stopped = ThreadsOfThisProcess() == before;
        PreloadSounds(files);
        std::exit(stopped ? 0 : 3);
    };
    EXPECT_EXIT(quitWhilePreloading(), testing::ExitedWithCode(0), "");
}

// A death test's child runs the test body again: it takes the parent's folder, named in the
// environment variable `variable`, instead of making one (`made`) as the parent does. Empty when
// no folder can be made.
QString FolderSharedWithChild(const char* variable, std::optional<QTemporaryDir>& made) {
    if (const QString folder = qEnvironmentVariable(variable); !folder.isEmpty())
        return folder;
    made.emplace();
    if (!made->isValid())
        return {};
    qputenv(variable, QFile::encodeName(made->path()));
    return made->path();
}

// The device itself, in a fresh process (this one renders offline): a synchronous play through
// SDL's disk driver returns once the device has taken every sample, and the file holds the tone.
TEST(PlaySoundDeathTest, SynchronousPlayOnTheDiskDriverWaitsForTheWholeSound) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::optional<QTemporaryDir> made;
    const QString folder = FolderSharedWithChild("TP_DISK_TEST_DIR", made);
    ASSERT_FALSE(folder.isEmpty());
    const Tone tone{.rate = 22050, .channels = 1, .bits = 16, .amplitude = 0.6};
    const QString wav = folder + "/tone.wav";
    const QString raw = folder + "/out.raw";
    WriteFile(wav, PcmWav(tone));
    const QByteArray oldDriver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(raw));
    EXPECT_EXIT(
        {
            const bool played =
                PlaySoundA(QFile::encodeName(wav).constData(), nullptr, SND_FILENAME | SND_NODEFAULT);
            const bool whole = AudioOutput::Instance().FramesRendered() >= tone.OutputFrames();
            std::exit(played && whole && !CurrentVoice().playing ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    oldDriver.isNull() ? qunsetenv("SDL_AUDIODRIVER") : qputenv("SDL_AUDIODRIVER", oldDriver);
    qunsetenv("SDL_DISKAUDIOFILE");
    qunsetenv("TP_DISK_TEST_DIR");

    QFile file(raw);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<float> mix(std::size_t(bytes.size()) / 2);
    for (std::size_t i = 0; i < mix.size(); ++i)
        mix[i] = float(reinterpret_cast<const qint16*>(bytes.constData())[i]) / 32768.0f;
    const auto [first, end] = LoudSpan(mix);
    EXPECT_NEAR(end - first, tone.OutputFrames(), 12);
    EXPECT_NEAR(mix[2 * std::size_t(first)], tone.amplitude, 0.05);
    EXPECT_NEAR(mix[2 * std::size_t(first) + 1], tone.amplitude, 0.05);
}

// Without a usable SDL, in a fresh process: the library the program opens is looked for in
// LD_LIBRARY_PATH first, where a file that is no library, or a library without SDL's calls, stands
// in for it. Nothing sounds, nothing fails: no output, no voice, no MIDI device.
TEST(PlaySoundDeathTest, WithoutAUsableSoundLibraryEverythingIsSilent) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::optional<QTemporaryDir> made;
    const QString folder = FolderSharedWithChild("TP_NO_SDL_TEST_DIR", made);
    ASSERT_FALSE(folder.isEmpty());
    const QString wav = folder + "/tone.wav";
    WriteFile(wav, PcmWav({}));
    void* stub = dlopen("libdl.so.2", RTLD_NOW);
    link_map* stubFile = nullptr;
    ASSERT_TRUE(stub && dlinfo(stub, RTLD_DI_LINKMAP, &stubFile) == 0);
    const QString noLibrary = folder + "/no-library", noCalls = folder + "/no-calls";
    WriteFile(noLibrary + "/libSDL2-2.0.so.0", "not a library");
    QDir().mkpath(noCalls);
    QFile::remove(noCalls + "/libSDL2-2.0.so.0");
    ASSERT_TRUE(QFile::copy(QFile::decodeName(stubFile->l_name), noCalls + "/libSDL2-2.0.so.0"));
    const QByteArray oldPath = qgetenv("LD_LIBRARY_PATH");
    for (const QString& stand : {noLibrary, noCalls}) {
        SCOPED_TRACE(stand.toStdString());
        qputenv("LD_LIBRARY_PATH", QFile::encodeName(stand));
        EXPECT_EXIT(
            {
                WarmUpSound({wav}, {});
                AudioOutput& output = AudioOutput::Instance();
                output.Open();
                const QByteArray image = PcmWav({});
                const bool silent =
                    !output.IsAvailable() &&
                    !PlaySoundA(QFile::encodeName(wav).constData(), nullptr, SND_FILENAME | SND_ASYNC) &&
                    !PlaySoundA(image.constData(), nullptr, SND_MEMORY | SND_ASYNC) &&
                    CurrentVoice().name.isEmpty() && midiOutGetNumDevs() == 0;
                std::exit(silent ? 0 : 1);
            },
            testing::ExitedWithCode(0), "");
    }
    oldPath.isNull() ? qunsetenv("LD_LIBRARY_PATH") : qputenv("LD_LIBRARY_PATH", oldPath);
    qunsetenv("TP_NO_SDL_TEST_DIR");
}

} // namespace
