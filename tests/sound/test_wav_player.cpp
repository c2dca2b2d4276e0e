// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV player component: the exact platform calls it makes, its events and busy flag, the
// setters' restarts, its in-memory data, and real playback through the offline output.
#include "sound/abfComponents.h"

#include "platform/AudioOutput.h"
#include "platform/PlaySound.h"

#include <QFile>
#include <QMetaProperty>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Call {
    const void* sound;
    std::string text; // the sound as text, for the calls that pass one
    void* module;
    unsigned flags;
};

std::vector<Call> calls;
std::vector<std::string> journal; // events and platform calls in order
bool platformThrows = false;

bool RecordingPlaySound(const void* sound, void* module, unsigned flags) {
    const bool text = sound && ((flags & SND_RESOURCE) == SND_RESOURCE || !(flags & SND_MEMORY));
    calls.push_back({sound, text ? static_cast<const char*>(sound) : "", module, flags});
    journal.push_back(flags ? "play" : "stop");
    if (platformThrows)
        throw std::runtime_error("device failure");
    return true;
}

QByteArray ToneWav() {
    // 0.1 s of a square wave, 8-bit mono at 8000 Hz.
    QByteArray data;
    for (int i = 0; i < 800; ++i)
        data.append(char(i / 10 % 2 ? 200 : 56));
    QByteArray wav("RIFF");
    const auto append32 = [&wav](quint32 v) {
        for (int i = 0; i < 4; ++i)
            wav.append(char(v >> (8 * i) & 0xFF));
    };
    append32(quint32(36 + data.size()));
    wav += "WAVEfmt ";
    append32(16);
    wav += QByteArray("\x01\x00\x01\x00", 4); // PCM, mono
    append32(8000);
    append32(8000);
    wav += QByteArray("\x01\x00\x08\x00", 4); // block 1, 8 bits
    wav += "data";
    append32(quint32(data.size()));
    return wav + data;
}

class WavPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        journal.clear();
        platformThrows = false;
        TabfWav::PlaySoundFunction = &RecordingPlaySound;
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { TabfWav::PlaySoundFunction = &::PlaySoundA; }

    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
    TabfWav wav{nullptr};
};

TEST_F(WavPlayerTest, PublishesItsPropertiesInOrderWithTheirStartValues) {
    const QMetaObject& meta = TabfWav::staticMetaObject;
    const std::vector<std::pair<const char*, QVariant>> expected = {
        {"About", QString()},      {"AsyncPlay", true},
        {"DataSize", 0u},          {"EventAlias", ".Default"},
        {"FileName", QString()},   {"Looped", false},
        {"NoDefaultSound", true},  {"NoStopSound", false},
        {"NoWaitIfBusy", true},    {"PlayFrom", QVariant::fromValue(TabfWav::pfFile)},
        {"ResourceName", "WAVE1"},
    };
    const int first = meta.indexOfProperty("About");
    ASSERT_EQ(meta.propertyCount() - first, int(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QMetaProperty property = meta.property(first + int(i));
        EXPECT_STREQ(property.name(), expected[i].first);
        EXPECT_EQ(property.read(&wav), expected[i].second) << expected[i].first;
    }
    EXPECT_FALSE(meta.property(meta.indexOfProperty("About")).isStored());
    EXPECT_FALSE(meta.property(meta.indexOfProperty("DataSize")).isStored());
    EXPECT_EQ(QMetaEnum::fromType<TabfWav::TabfWavPlayFrom>().keyToValue("pfSystemEvent"), 3);
    EXPECT_TRUE(wav.FindEvent("OnPlayBefore"));
    EXPECT_TRUE(wav.FindEvent("OnPlayAfter"));
    EXPECT_FALSE(wav.Busy());
}

TEST_F(WavPlayerTest, PlayWithStartValuesPassesTheFileNameUnchanged) {
    wav.SetFileName("sounds\\clap.wav");
    EXPECT_TRUE(calls.empty());
    wav.Play();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "sounds\\clap.wav");
    EXPECT_EQ(calls[0].module, nullptr);
    EXPECT_EQ(calls[0].flags, 0x22003u);
}

TEST_F(WavPlayerTest, EachSwitchAddsItsFlag) {
    const struct {
        const char* property;
        bool value;
        unsigned flags;
    } cases[] = {
        {"AsyncPlay", false, 0x22002},  {"Looped", true, 0x2200B},        {"NoDefaultSound", false, 0x22001},
        {"NoStopSound", true, 0x22013}, {"NoWaitIfBusy", false, 0x20003},
    };
    for (const auto& c : cases) {
        TabfWav player(nullptr);
        ASSERT_TRUE(player.setProperty(c.property, c.value));
        calls.clear();
        player.Play();
        ASSERT_EQ(calls.size(), 1u) << c.property;
        EXPECT_EQ(calls[0].flags, c.flags) << c.property;
    }
}

TEST_F(WavPlayerTest, PlayFromChoosesSoundModuleAndSourceFlag) {
    wav.SetFileName("");
    wav.Play();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].sound, nullptr); // an empty name is an empty text
    EXPECT_EQ(calls[0].text, "");

    const struct {
        TabfWav::TabfWavPlayFrom from;
        std::string text;
        void* module;
        unsigned flags;
    } cases[] = {
        {TabfWav::pfResource, "WAVE1", ProgramInstance(), 0x42007},
        {TabfWav::pfSystemEvent, ".Default", nullptr, 0x12003},
        {TabfWav::pfFile, "", nullptr, 0x22003},
    };
    for (const auto& c : cases) {
        wav.SetPlayFrom(c.from);
        calls.clear();
        wav.Play();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, c.text);
        EXPECT_EQ(calls[0].module, c.module);
        EXPECT_EQ(calls[0].flags, c.flags);
    }
}

TEST_F(WavPlayerTest, MemoryPlayPassesTheBufferOrNullWhenEmpty) {
    wav.SetPlayFrom(TabfWav::pfDFM);
    calls.clear();
    wav.Play();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].sound, nullptr);
    EXPECT_EQ(calls[0].flags, 0x2007u);

    const QByteArray image = ToneWav();
    QByteArray fileData(4, '\0');
    fileData[0] = char(image.size() & 0xFF);
    fileData[1] = char(image.size() >> 8);
    ASSERT_TRUE(wav.ReadBinaryProperty("FileData", fileData + image));
    calls.clear();
    wav.Play();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].sound, wav.Data().constData());
    EXPECT_EQ(calls[0].module, nullptr);
}

TEST_F(WavPlayerTest, TruncatedImageIsNeverHandedOverAsMemoryToReadPast) {
    wav.SetPlayFrom(TabfWav::pfDFM);
    const QByteArray image = ToneWav().left(300); // its header still claims 880 bytes
    QByteArray fileData(4, '\0');
    fileData[0] = char(image.size() & 0xFF);
    fileData[1] = char(image.size() >> 8);
    ASSERT_TRUE(wav.ReadBinaryProperty("FileData", fileData + image));
    calls.clear();
    wav.Play();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].sound, nullptr);
    EXPECT_NE(calls[0].sound, wav.Data().constData());
}

TEST_F(WavPlayerTest, EventsSurroundThePlatformCallWhileBusy) {
    std::vector<bool> busy;
    wav.OnPlayBefore = [&](QObject* sender) {
        EXPECT_EQ(sender, &wav);
        busy.push_back(wav.Busy());
        journal.push_back("before");
    };
    wav.OnPlayAfter = [&](QObject* sender) {
        EXPECT_EQ(sender, &wav);
        busy.push_back(wav.Busy());
        journal.push_back("after");
    };
    wav.SetFileName("no-such-file.wav");
    wav.Play();
    EXPECT_EQ(journal, (std::vector<std::string>{"before", "play", "after"}));
    EXPECT_EQ(busy, (std::vector<bool>{true, true}));
    EXPECT_FALSE(wav.Busy());
}

TEST_F(WavPlayerTest, BusyIsClearedWhenAHandlerOrThePlatformThrows) {
    wav.OnPlayBefore = [](QObject*) { throw std::runtime_error("handler failure"); };
    EXPECT_THROW(wav.Play(), std::runtime_error);
    EXPECT_FALSE(wav.Busy());
    EXPECT_TRUE(calls.empty());

    wav.OnPlayBefore.Clear();
    wav.OnPlayAfter = [](QObject*) { journal.push_back("after"); };
    platformThrows = true;
    EXPECT_THROW(wav.Play(), std::runtime_error);
    EXPECT_FALSE(wav.Busy());
    EXPECT_EQ(journal, std::vector<std::string>{"play"});
}

TEST_F(WavPlayerTest, SettersRestartOnlyFromInsideThePlay) {
    const unsigned base = 0x22003;
    const struct {
        const char* what;
        std::function<void(TabfWav&)> prepare; // before Play
        std::function<void(TabfWav&)> change;  // first time in OnPlayBefore, and again outside Play
        std::vector<unsigned> inside;          // flags of the calls from Play; Stop passes 0
        bool stopsWhenIdle = false;            // the change outside Play calls Stop
    } cases[] = {
        {"AsyncPlay on",
         [](TabfWav& w) { w.SetAsyncPlay(false); },
         [](TabfWav& w) { w.SetAsyncPlay(true); },
         {0, base & ~SND_ASYNC}},
        {"AsyncPlay off", nullptr, [](TabfWav& w) { w.SetAsyncPlay(false); }, {base}},
        {"Looped on", nullptr, [](TabfWav& w) { w.SetLooped(true); }, {0, base | SND_LOOP, base | SND_LOOP}},
        {"Looped off",
         [](TabfWav& w) { w.SetLooped(true); },
         [](TabfWav& w) { w.SetLooped(false); },
         {0, base | SND_LOOP}},
        {"NoWaitIfBusy on",
         [](TabfWav& w) { w.SetNoWaitIfBusy(false); },
         [](TabfWav& w) { w.SetNoWaitIfBusy(true); },
         {0, base, base}},
        {"NoWaitIfBusy off", nullptr, [](TabfWav& w) { w.SetNoWaitIfBusy(false); }, {base}},
        {"FileName in pfFile", nullptr, [](TabfWav& w) { w.SetFileName("other.wav"); }, {base}},
        {"ResourceName",
         [](TabfWav& w) { w.SetPlayFrom(TabfWav::pfResource); },
         [](TabfWav& w) { w.SetResourceName("WAVE2"); },
         {0x42007, 0x42007}},
        {"EventAlias",
         [](TabfWav& w) { w.SetPlayFrom(TabfWav::pfSystemEvent); },
         [](TabfWav& w) { w.SetEventAlias("SystemHand"); },
         {0x12003, 0x12003},
         true},
        {"FileName in pfDFM",
         [](TabfWav& w) { w.SetPlayFrom(TabfWav::pfDFM); },
         [](TabfWav& w) { w.SetFileName("other.wav"); },
         {0x2007, 0x2007},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TabfWav player(nullptr);
        if (c.prepare)
            c.prepare(player);
        bool changed = false;
        player.OnPlayBefore = [&](QObject*) {
            if (!std::exchange(changed, true))
                c.change(player);
        };
        calls.clear();
        player.Play();
        std::vector<unsigned> flags;
        for (const Call& call : calls)
            flags.push_back(call.flags);
        EXPECT_EQ(flags, c.inside);
        EXPECT_FALSE(player.Busy());

        // The same change outside Play never plays.
        TabfWav idle(nullptr);
        if (c.prepare)
            c.prepare(idle);
        calls.clear();
        c.change(idle);
        EXPECT_EQ(calls.size(), c.stopsWhenIdle ? 1u : 0u);
        for (const Call& call : calls)
            EXPECT_EQ(call.flags, 0u);
    }
}

TEST_F(WavPlayerTest, SameValueOrAnyFileNameInFileModeMakesNoCall) {
    wav.SetFileName("a.wav");
    wav.SetFileName("a.wav");
    wav.SetAsyncPlay(true);
    wav.SetLooped(false);
    wav.SetNoWaitIfBusy(true);
    wav.SetEventAlias(".Default");
    wav.SetPlayFrom(TabfWav::pfFile);
    EXPECT_TRUE(calls.empty());
}

TEST_F(WavPlayerTest, StopAndDestructionSilenceTheProcess) {
    wav.Stop();
    { TabfWav other(nullptr); }
    ASSERT_EQ(calls.size(), 2u);
    for (const Call& call : calls) {
        EXPECT_EQ(call.sound, nullptr);
        EXPECT_EQ(call.module, nullptr);
        EXPECT_EQ(call.flags, 0u);
    }
}

TEST_F(WavPlayerTest, FileDataRoundTrip) {
    const QByteArray empty(4, '\0');
    ASSERT_TRUE(wav.ReadBinaryProperty("FileData", empty));
    EXPECT_EQ(wav.DataSize(), 0u);
    EXPECT_EQ(wav.WriteFileData(), empty);

    const QByteArray data = QByteArray("\x05\x00\x00\x00", 4) + QByteArray("a\0b\xFFz", 5);
    ASSERT_TRUE(wav.ReadBinaryProperty("FileData", data));
    EXPECT_EQ(wav.DataSize(), 5u);
    EXPECT_EQ(wav.property("DataSize").toUInt(), 5u);
    EXPECT_EQ(wav.Data(), data.mid(4));
    EXPECT_EQ(wav.WriteFileData(), data);

    wav.SetDataSize(0); // follows the data, never set
    EXPECT_EQ(wav.DataSize(), 5u);
    EXPECT_FALSE(wav.ReadBinaryProperty("Picture.Data", data));
}

TEST_F(WavPlayerTest, FileDataWithAWrongCountIsAnError) {
    const QByteArray bad[] = {
        QByteArray("\x01\x00", 2),
        QByteArray("\x08\x00\x00\x00"
                   "abc",
                   7),
        QByteArray("\xFF\xFF\xFF\xFF"
                   "abc",
                   7),
        QByteArray("\x01\x00\x00\x00"
                   "abc",
                   7),
    };
    for (const QByteArray& data : bad)
        EXPECT_THROW(wav.ReadBinaryProperty("FileData", data), EabfFileStorage) << data.toHex().constData();
    EXPECT_EQ(wav.DataSize(), 0u);
}

TEST_F(WavPlayerTest, MemoryModeLoadsTheFileAtOnceAndOtherModesEmptyIt) {
    const QByteArray bytes = ToneWav();
    wav.SetFileName(Write("tone.wav", bytes));
    wav.SetPlayFrom(TabfWav::pfDFM);
    EXPECT_EQ(wav.Data(), bytes);
    EXPECT_EQ(wav.DataSize(), quint32(bytes.size()));
    wav.SetPlayFrom(TabfWav::pfSystemEvent);
    EXPECT_EQ(wav.DataSize(), 0u);
    EXPECT_TRUE(wav.Data().isEmpty());

    wav.SetFileName(dir.filePath("missing.wav"));
    wav.SetPlayFrom(TabfWav::pfDFM);
    EXPECT_EQ(wav.DataSize(), 0u);

    // The name is stored at run time; the file is loaded only while designing.
    wav.SetFileName(dir.filePath("tone.wav"));
    EXPECT_EQ(wav.FileName(), dir.filePath("tone.wav"));
    EXPECT_EQ(wav.DataSize(), 0u);
}

TEST_F(WavPlayerTest, UnreadableFileRaisesTheStorageError) {
    // It exists, but reading it fails.
    const QString name = "/proc/self/mem";
    try {
        wav.LoadFromFile(name);
        FAIL() << "no error";
    } catch (const EabfFileStorage& error) {
        EXPECT_STREQ(error.what(), "Can not load data from the \"/proc/self/mem\" file");
    }
    EXPECT_EQ(wav.DataSize(), 0u);
}

// The real platform call, rendered offline.
class WavPlayerSoundTest : public WavPlayerTest {
protected:
    void SetUp() override {
        WavPlayerTest::SetUp();
        TabfWav::PlaySoundFunction = &::PlaySoundA;
        AudioOutput::Instance().UseOffline();
    }
    void TearDown() override { PlaySoundA(nullptr, nullptr, 0); }
};

TEST_F(WavPlayerSoundTest, PlaysFileAndMemoryImagesAndStops) {
    const QString file = Write("tone.wav", ToneWav());
    wav.SetFileName(file);
    wav.Play();
    EXPECT_EQ(CurrentVoice().name, file);
    EXPECT_TRUE(CurrentVoice().playing);
    EXPECT_EQ(CurrentVoice().frames, AudioOutput::SampleRate / 10);

    wav.Stop();
    EXPECT_FALSE(CurrentVoice().playing);

    wav.SetPlayFrom(TabfWav::pfDFM);
    wav.Play();
    EXPECT_EQ(CurrentVoice().name, "<memory>");
    EXPECT_TRUE(CurrentVoice().playing);

    std::vector<float> mix(2 * 1000);
    AudioOutput::Instance().RenderOffline(mix.data(), 1000);
    EXPECT_NE(mix[0], 0.0f);
}

TEST_F(WavPlayerSoundTest, MissingFileAndTruncatedImageStaySilentWithoutTheDefaultSound) {
    const QString file = Write("tone.wav", ToneWav());
    wav.SetFileName(file);
    wav.Play();
    wav.SetFileName(dir.filePath("missing.wav"));
    wav.Play();
    EXPECT_FALSE(CurrentVoice().playing);
    EXPECT_NE(CurrentVoice().name, "<default>");

    wav.SetFileName(Write("cut.wav", ToneWav().left(300)));
    wav.SetPlayFrom(TabfWav::pfDFM);
    wav.Play();
    EXPECT_FALSE(CurrentVoice().playing);
}

} // namespace
