// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI stream service: records played at their exact output frames, the synthesizer's sound,
// notifications and their order, stopping, and the device without a SoundFont.
#include "platform/AudioOutput.h"
#include "platform/MidiStream.h"
#include "platform/PlaySound.h"
#include "platform/Volume.h"
#include "tests/platform/core_app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Leaves the synthesizer quiet for whatever renders next: its release and reverb tails end in
// exact silence once it stops rendering.
void RenderUntilSilent() {
    std::vector<float> mix(2 * 1000);
    for (int piece = 0; piece < 10 * 44; ++piece) {
        AudioOutput::Instance().RenderOffline(mix.data(), 1000);
        if (std::all_of(mix.begin(), mix.end(), [](float sample) { return sample == 0.0f; }))
            return;
    }
}

class Recorder : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() != MidiNotifyEvent::EventType())
            return QObject::event(e);
        messages.push_back(static_cast<MidiNotifyEvent*>(e)->Msg);
        return true;
    }
    std::vector<unsigned> messages;
};

struct Sent {
    std::uint32_t msg;
    std::int64_t frame;
};

constexpr unsigned ShortMsg(unsigned status, unsigned data1, unsigned data2 = 0) {
    return status | data1 << 8 | data2 << 16;
}

class MidiStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCoreApp();
        AudioOutput::Instance().UseOffline();
        SetMidiMessageHook([this](std::uint32_t msg, std::int64_t frame) { sent.push_back({msg, frame}); });
    }
    void TearDown() override {
        SetMidiMessageHook(nullptr);
        Close();
        RenderUntilSilent();
    }
    void Close() {
        if (stream) {
            midiStreamStop(stream);
            midiOutUnprepareHeader(stream, &header, sizeof header);
            midiStreamClose(stream);
            stream = nullptr;
        }
        QCoreApplication::processEvents();
    }

    void Add(unsigned delta, unsigned event) { words.insert(words.end(), {delta, 0u, event}); }

    void Open(unsigned division = 50) {
        unsigned device = 0;
        ASSERT_EQ(midiStreamOpen(&stream, &device, 1, &recorder, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
        MIDIPROPTIMEDIV timeDivision{sizeof timeDivision, division};
        ASSERT_EQ(midiStreamProperty(stream, reinterpret_cast<unsigned char*>(&timeDivision),
                                     MIDIPROP_SET | MIDIPROP_TIMEDIV),
                  MMSYSERR_NOERROR);
    }
    MMRESULT Queue() {
        header = MIDIHDR{};
        header.lpData = reinterpret_cast<char*>(words.data());
        header.dwBufferLength = header.dwBytesRecorded = unsigned(words.size() * 4);
        EXPECT_EQ(midiOutPrepareHeader(stream, &header, sizeof header), MMSYSERR_NOERROR);
        return midiStreamOut(stream, &header, sizeof header);
    }
    // Starts the stream and returns the output frame it starts at.
    std::int64_t Start() {
        const std::int64_t frame = AudioOutput::Instance().FramesRendered();
        EXPECT_EQ(midiStreamRestart(stream), MMSYSERR_NOERROR);
        return frame;
    }
    // Renders in odd-sized pieces so that events fall inside them; returns the left channel.
    std::vector<float> Render(std::int64_t frames) {
        std::vector<float> left;
        std::vector<float> piece(2 * 1000);
        for (std::int64_t done = 0; done < frames; done += 1000) {
            const int n = int(std::min<std::int64_t>(1000, frames - done));
            AudioOutput::Instance().RenderOffline(piece.data(), n);
            for (int i = 0; i < n; ++i)
                left.push_back(piece[2 * i]);
        }
        return left;
    }

    Recorder recorder;
    HMIDISTRM stream = nullptr;
    MIDIHDR header{};
    std::vector<unsigned> words;
    std::vector<Sent> sent;
};

double Rms(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(to - from));
}

TEST_F(MidiStreamTest, NoteSoundsFromItsFirstFrameUntilItsNoteOffTwoSecondsLater) {
    Open();
    Add(0, ShortMsg(0xB0, 121) | MEVT_F_CALLBACK);
    Add(0, ShortMsg(0xC0, 0));
    Add(0, ShortMsg(0x90, 60, 127));
    Add(200, ShortMsg(0x90, 60, 0));
    ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
    const std::int64_t start = Start();
    const std::vector<float> left = Render(5 * 44100);

    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[2].msg, ShortMsg(0x90, 60, 127));
    EXPECT_EQ(sent[2].frame, start);
    EXPECT_EQ(sent[3].msg, ShortMsg(0x90, 60, 0));
    EXPECT_EQ(sent[3].frame, start + 88200);

    // The synthesizer starts the note within its 64-frame block, the sample within a few frames more.
    std::size_t onset = 0;
    while (onset < left.size() && std::fabs(left[onset]) < 1e-3f)
        ++onset;
    EXPECT_LT(onset, 128u);
    EXPECT_GT(Rms(left, 4410, 88200), 0.02);
    EXPECT_LT(Rms(left, 4 * 44100, 5 * 44100), 0.001);
}

// Releasing the synthesizer waits for the open stream to close, so the note plays on; the next
// stream loads it again and the same note sounds sample for sample the same.
TEST_F(MidiStreamTest, ReleasedSynthesizerComesBackWithTheSameSound) {
    const auto playNote = [this](bool releaseMidway) {
        words.clear();
        sent.clear();
        Open();
        Add(0, ShortMsg(0xB0, 121) | MEVT_F_CALLBACK);
        Add(0, ShortMsg(0xC0, 0));
        Add(0, ShortMsg(0x90, 67, 127));
        Add(50, ShortMsg(0x90, 67, 0));
        EXPECT_EQ(Queue(), MMSYSERR_NOERROR);
        Start();
        std::vector<float> left = Render(11025);
        if (releaseMidway)
            ReleaseMidi();
        const std::vector<float> rest = Render(33075);
        left.insert(left.end(), rest.begin(), rest.end());
        Close();
        RenderUntilSilent();
        EXPECT_EQ(sent.size(), 4u);
        return left;
    };
    ReleaseMidi(); // both notes from a freshly loaded synthesizer
    const std::vector<float> first = playNote(true);
    const std::vector<float> again = playNote(false);
    EXPECT_GT(Rms(first, 11025, 22050), 0.02);
    EXPECT_EQ(again, first);
}

// The process's address space in bytes: a loader thread never joined keeps its whole stack.
std::int64_t AddressSpace() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}

// Going in and out of the Music levels reloads the SoundFont each time, on a thread of its own;
// a finished loader is joined, so the visits leave no stack behind.
TEST_F(MidiStreamTest, ReloadsLeaveNoLoaderThreadBehind) {
    rlimit stack{};
    ASSERT_EQ(getrlimit(RLIMIT_STACK, &stack), 0);
    const std::int64_t stackSize = stack.rlim_cur == RLIM_INFINITY ? 2 << 20 : std::int64_t(stack.rlim_cur);
    const auto visit = [this] {
        ReleaseMidi();
        Open();
        Close();
    };
    visit();
    const std::int64_t before = AddressSpace();
    for (int round = 0; round < 6; ++round)
        visit();
    ReleaseMidi();
    EXPECT_LT(AddressSpace() - before, 2 * stackSize);
}

// The levels' synthesizer holds the piano alone: its notes are those of the whole SoundFont,
// sample for sample; a stream that asks for another instrument or the drums gets the whole set.
TEST_F(MidiStreamTest, PianoAloneSoundsLikeTheWholeSoundFontAndOtherPresetsStillPlay) {
    const auto play = [this](std::vector<unsigned> messages) {
        ReleaseMidi();
        words.clear();
        Open();
        for (const unsigned message : messages)
            Add(message >> 24, message & 0xFFFFFF);
        EXPECT_EQ(Queue(), MMSYSERR_NOERROR);
        Start();
        const std::vector<float> left = Render(3 * 44100);
        Close();
        RenderUntilSilent();
        return left;
    };
    std::vector<unsigned> notes = {ShortMsg(0xC0, 0)};
    for (const unsigned key : {64u, 65u, 67u, 69u, 71u, 72u, 74u})
        notes.insert(notes.end(), {ShortMsg(0x90, key, 127), 25u << 24 | ShortMsg(0x90, key, 0)});
    const std::vector<float> piano = play(notes);
    notes.insert(notes.begin(), ShortMsg(0xC1, 1));
    const std::vector<float> whole = play(notes);
    EXPECT_GT(Rms(piano, 0, 2 * 44100), 0.02);
    EXPECT_EQ(whole, piano);

    const std::vector<float> drums = play({ShortMsg(0x99, 38, 127), 25u << 24 | ShortMsg(0x99, 38, 0)});
    EXPECT_GT(Rms(drums, 0, 11025), 0.01);
}

TEST_F(MidiStreamTest, PianoVolumeReachesTheNotesAndTheVoiceVolumeLeavesThem) {
    SetSoundVolume(TSoundKind::Voice, 0.0f);
    SetSoundVolume(TSoundKind::Piano, 0.0f);
    Open();
    Add(0, ShortMsg(0xC0, 0));
    Add(0, ShortMsg(0x90, 60, 127));
    Add(100, ShortMsg(0x90, 60, 0));
    Add(0, ShortMsg(0x90, 60, 127));
    Add(100, ShortMsg(0x90, 60, 0));
    ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
    Start();
    // The first note at volume 0; the same note a second later at half volume.
    std::vector<float> left = Render(44100);
    SetSoundVolume(TSoundKind::Piano, 0.5f);
    const std::vector<float> second = Render(44100);
    left.insert(left.end(), second.begin(), second.end());
    SetSoundVolume(TSoundKind::Voice, 1.0f);
    SetSoundVolume(TSoundKind::Piano, 1.0f);

    EXPECT_EQ(Rms(left, 0, 44100), 0.0);
    EXPECT_GT(Rms(left, 44100 + 4410, 2 * 44100), 0.01);
}

TEST_F(MidiStreamTest, NotificationsArriveInOrderOnlyWhenEventsAreProcessed) {
    Open();
    Add(0, ShortMsg(0xB0, 121) | MEVT_F_CALLBACK);
    Add(10, ShortMsg(0x90, 60, 127));
    Add(10, ShortMsg(0x90, 60, 0));
    ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
    Start();
    Render(20 * 441 + 1);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(header.dwFlags & MHDR_DONE);
    EXPECT_FALSE(header.dwFlags & MHDR_INQUEUE);

    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.messages, (std::vector<unsigned>{MM_MOM_OPEN, MM_MOM_POSITIONCB, MM_MOM_DONE}));
    EXPECT_EQ(midiOutUnprepareHeader(stream, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(midiStreamClose(stream), MMSYSERR_NOERROR);
    stream = nullptr;
    EXPECT_EQ(recorder.messages.size(), 3u);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.messages.back(), MM_MOM_CLOSE);
}

TEST_F(MidiStreamTest, BufferEndsAtItsLastRecordAndTheNextOneStartsWhenQueued) {
    Open();
    Add(0, ShortMsg(0x90, 60, 127));
    Add(50, ShortMsg(0x90, 60, 0));
    ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
    const std::int64_t start = Start();
    Render(50 * 441); // the note-off is due at the first frame after this
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.messages, (std::vector<unsigned>{MM_MOM_OPEN}));
    Render(1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.messages.back(), MM_MOM_DONE);

    // Queued again on the running stream, it plays from the frame it was queued at.
    const std::int64_t again = AudioOutput::Instance().FramesRendered();
    ASSERT_EQ(midiStreamOut(stream, &header, sizeof header), MMSYSERR_NOERROR);
    Render(60 * 441);
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[1].frame, start + 50 * 441);
    EXPECT_EQ(sent[2].frame, again);
    EXPECT_EQ(sent[3].frame, again + 50 * 441);
}

TEST_F(MidiStreamTest, TicksFollowTimeDivisionAndTempo) {
    struct Case {
        unsigned division;
        unsigned tempo; // 0: the stream's default
        unsigned delta;
        std::int64_t frames;
    };
    const Case cases[] = {
        {50, 0, 1, 441},         {50, 0, 7, 3087},       {96, 0, 96, 22050},
        {96, 250000, 96, 11025}, {50, 1000000, 3, 2646},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.division << " " << c.tempo << " " << c.delta);
        words.clear();
        sent.clear();
        Open(c.division);
        if (c.tempo)
            Add(0, unsigned(MEVT_TEMPO) << 24 | c.tempo);
        Add(0, ShortMsg(0x90, 60, 1));
        Add(c.delta, ShortMsg(0x90, 60, 0));
        ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
        const std::int64_t start = Start();
        Render(c.frames + 1);
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[1].frame - start, c.frames);
        Close();
    }
}

TEST_F(MidiStreamTest, StopReturnsTheQueuedBufferAsDoneAndReleasesTheNote) {
    Open();
    Add(0, ShortMsg(0x90, 60, 127));
    Add(1000, ShortMsg(0x90, 60, 0));
    ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
    Start();
    Render(4410);
    EXPECT_EQ(midiStreamClose(stream), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiOutUnprepareHeader(stream, &header, sizeof header), MIDIERR_STILLPLAYING);

    ASSERT_EQ(midiStreamStop(stream), MMSYSERR_NOERROR);
    EXPECT_TRUE(header.dwFlags & MHDR_DONE);
    EXPECT_FALSE(header.dwFlags & MHDR_INQUEUE);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.messages, (std::vector<unsigned>{MM_MOM_OPEN, MM_MOM_DONE}));
    const std::vector<float> after = Render(3 * 44100);
    EXPECT_LT(Rms(after, 2 * 44100, 3 * 44100), 0.001);
    EXPECT_EQ(sent.size(), 1u); // the note-off record never played
}

TEST_F(MidiStreamTest, ApplauseUnderPilesOfLoudNotesStaysBelowFullScaleAndNeverWraps) {
    // Play pressed again and again: every key of two octaves struck at full force, struck again
    // before the first ones fade, on several channels, while the applause loops on the voice.
    Open();
    for (unsigned channel = 0; channel < 3; ++channel)
        Add(0, ShortMsg(0xC0 | channel, 0));
    for (unsigned strike = 0; strike < 4; ++strike)
        for (unsigned key = 48; key <= 72; ++key)
            Add(key == 48 && strike > 0 ? 15 : 0, ShortMsg(0x90 | key % 3, key, 127));
    Add(150, ShortMsg(0xB0, 123));
    ASSERT_EQ(Queue(), MMSYSERR_NOERROR);
    ASSERT_TRUE(PlaySoundA(TP_SOURCE_DIR "/sounds/clap.wav", nullptr, SND_ASYNC | SND_FILENAME | SND_LOOP));
    Start();

    std::vector<float> mix(2 * 1000);
    std::vector<std::int16_t> pcm(mix.size());
    float top = 0;
    for (int piece = 0; piece < 3 * 44; ++piece) {
        AudioOutput::Instance().RenderOffline(mix.data(), 1000);
        AudioOutput::ToPcm16(mix.data(), pcm.data(), int(mix.size()));
        for (std::size_t i = 0; i < mix.size(); ++i) {
            top = std::max(top, std::fabs(mix[i]));
            ASSERT_LE(std::fabs(mix[i]), AudioOutput::Ceiling) << "piece " << piece << " sample " << i;
            ASSERT_LT(std::abs(int(pcm[i])), 32767) << "piece " << piece << " sample " << i;
            // A wrapped sample would flip sign against its float.
            if (std::fabs(mix[i]) > 0.01f) {
                ASSERT_EQ(pcm[i] > 0, mix[i] > 0) << "piece " << piece << " sample " << i;
            }
        }
    }
    PlaySoundA(nullptr, nullptr, 0);
    // Loud enough that the limiter had to work.
    EXPECT_GT(top, AudioOutput::Threshold * 0.95f);
}

TEST_F(MidiStreamTest, MisuseIsRefused) {
    Open();
    unsigned device = 0;
    HMIDISTRM second = nullptr;
    EXPECT_EQ(midiStreamOpen(&second, &device, 1, &recorder, 0, CALLBACK_WINDOW), MMSYSERR_ALLOCATED);
    EXPECT_EQ(second, nullptr);

    Add(0, ShortMsg(0x90, 60, 127));
    header = MIDIHDR{};
    header.lpData = reinterpret_cast<char*>(words.data());
    header.dwBufferLength = header.dwBytesRecorded = 12;
    EXPECT_EQ(midiStreamOut(stream, &header, sizeof header), MIDIERR_UNPREPARED);
    ASSERT_EQ(midiOutPrepareHeader(stream, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(midiStreamOut(stream, &header, sizeof header - 1), MMSYSERR_INVALPARAM);
    header.dwBytesRecorded = 10; // a torn record
    EXPECT_EQ(midiStreamOut(stream, &header, sizeof header), MMSYSERR_INVALPARAM);
    words[2] |= MEVT_F_LONG | 4; // parameters past the end
    header.dwBytesRecorded = 12;
    EXPECT_EQ(midiStreamOut(stream, &header, sizeof header), MMSYSERR_INVALPARAM);

    MIDIPROPTIMEDIV smpte{sizeof smpte, 0xE728};
    EXPECT_EQ(
        midiStreamProperty(stream, reinterpret_cast<unsigned char*>(&smpte), MIDIPROP_SET | MIDIPROP_TIMEDIV),
        MMSYSERR_INVALPARAM);
    MIDIPROPTEMPO tempo{sizeof tempo, 0};
    EXPECT_EQ(
        midiStreamProperty(stream, reinterpret_cast<unsigned char*>(&tempo), MIDIPROP_GET | MIDIPROP_TEMPO),
        MMSYSERR_NOERROR);
    EXPECT_EQ(tempo.dwTempo, 500000u);
    EXPECT_EQ(midiStreamProperty(stream, reinterpret_cast<unsigned char*>(&tempo), MIDIPROP_TEMPO),
              MMSYSERR_INVALFLAG);

    EXPECT_EQ(midiStreamClose(stream), MMSYSERR_NOERROR);
    EXPECT_EQ(midiStreamRestart(stream), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiStreamClose(stream), MMSYSERR_INVALHANDLE);
    stream = nullptr;
    HMIDIOUT out = nullptr;
    EXPECT_EQ(midiOutOpen(&out, 1), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(midiOutReset(out), MMSYSERR_INVALHANDLE);
}

TEST_F(MidiStreamTest, WithoutTheSoundFontThereIsNoDevice) {
    ASSERT_EQ(midiOutGetNumDevs(), 1u);
    HMIDIOUT out = nullptr;
    ASSERT_EQ(midiOutOpen(&out, MIDI_MAPPER), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutReset(out), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(out), MMSYSERR_NOERROR);

    setenv("TP_SOUNDFONT", "/nonexistent/missing.sf2", 1);
    EXPECT_EQ(midiOutGetNumDevs(), 0u);
    EXPECT_EQ(midiOutOpen(&out, 0), MMSYSERR_BADDEVICEID);
    unsigned device = MIDI_MAPPER;
    EXPECT_EQ(midiStreamOpen(&stream, &device, 1, &recorder, 0, CALLBACK_WINDOW), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(stream, nullptr);

    // A file that is no SoundFont looks usable until the load has failed.
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("RIFF\x04\x00\x00\x00sfbk");
    junk.flush();
    setenv("TP_SOUNDFONT", junk.fileName().toLocal8Bit().constData(), 1);
    EXPECT_EQ(midiOutGetNumDevs(), 1u);
    EXPECT_EQ(midiStreamOpen(&stream, &device, 1, &recorder, 0, CALLBACK_WINDOW), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(midiOutGetNumDevs(), 0u);

    unsetenv("TP_SOUNDFONT");
    EXPECT_EQ(midiOutGetNumDevs(), 1u);
    Open();
}

TEST(SoundFontPath, OverrideThenDataFoldersThenThePackagedFile) {
    QTemporaryDir home, first, second;
    for (const QTemporaryDir* dir : {&home, &first, &second})
        ASSERT_TRUE(QDir(dir->path()).mkpath("sounds/sf2"));
    const auto font = [](const QTemporaryDir& dir) {
        return dir.filePath("sounds/sf2/TimGM6mb.sf2").toStdString();
    };
    const auto place = [&](const QTemporaryDir& dir) {
        QFile(QString::fromStdString(font(dir))).open(QIODevice::WriteOnly);
    };
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME"), savedDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName("/nonexistent:" + first.path() + ":" + second.path()));

    EXPECT_EQ(SoundFontPath(), "/usr/share/sounds/sf2/TimGM6mb.sf2");
    place(second);
    EXPECT_EQ(SoundFontPath(), font(second));
    place(first);
    EXPECT_EQ(SoundFontPath(), font(first));
    place(home);
    EXPECT_EQ(SoundFontPath(), font(home));
    setenv("TP_SOUNDFONT", "/somewhere/else.sf2", 1);
    EXPECT_EQ(SoundFontPath(), "/somewhere/else.sf2");

    unsetenv("TP_SOUNDFONT");
    for (const auto& [name, saved] :
         {std::pair{"XDG_DATA_HOME", savedHome}, std::pair{"XDG_DATA_DIRS", savedDirs}})
        saved.isEmpty() ? qunsetenv(name) : qputenv(name, saved);
}

} // namespace
