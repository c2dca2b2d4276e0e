// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI note generator: the exact records it hands to the stream, the play-string reader,
// looping and stopping, the start check and the owner check, all rendered offline.
#include "platform/AudioOutput.h"
#include "sound/MidiGen.h"
#include "tests/platform/core_app.h"

#include <QCoreApplication>
#include <QMetaProperty>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace mg;

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

struct Rec {
    std::uint32_t delta;
    std::uint32_t event;
    friend bool operator==(const Rec&, const Rec&) = default;
};

void PrintTo(const Rec& r, std::ostream* os) {
    *os << "{" << r.delta << ", 0x" << std::hex << r.event << std::dec << "}";
}

constexpr std::uint32_t Msg(unsigned status, unsigned data1, unsigned data2 = 0) {
    return status | data1 << 8 | data2 << 16;
}

std::vector<Rec> Decode(const QByteArray& bytes) {
    auto word = [&](qsizetype at) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | std::uint8_t(bytes[at + i]);
        return value;
    };
    std::vector<Rec> records;
    for (qsizetype at = 0; at + 12 <= bytes.size(); at += 12) {
        EXPECT_EQ(word(at + 4), 0u) << "stream id";
        records.push_back({word(at), word(at + 8)});
    }
    return records;
}

struct Sent {
    std::uint32_t msg;
    std::int64_t frame;
};

class MidiGenTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCoreApp();
        AudioOutput::Instance().UseOffline();
        SetMidiMessageHook([this](std::uint32_t msg, std::int64_t frame) { sent.push_back({msg, frame}); });
        gen = std::make_unique<TMidiGen>(nullptr);
    }
    void TearDown() override {
        gen.reset();
        SetMidiMessageHook(nullptr);
        QCoreApplication::processEvents();
        RenderUntilSilent();
    }

    // Renders `frames` in pieces, processing events after each, as the program's loop would.
    void Run(std::int64_t frames) {
        std::vector<float> piece(2 * 1000);
        for (std::int64_t done = 0; done < frames; done += 1000) {
            AudioOutput::Instance().RenderOffline(piece.data(),
                                                  int(std::min<std::int64_t>(1000, frames - done)));
            QCoreApplication::processEvents();
        }
    }
    // Runs until the stream has closed; false if it does not within `limit` frames.
    bool RunToEnd(std::int64_t limit = 20 * 44100) {
        for (std::int64_t done = 0; done < limit && gen->IsPlaying(); done += 1000)
            Run(1000);
        return !gen->IsPlaying();
    }
    std::vector<Sent> NoteOns() const {
        std::vector<Sent> ons;
        for (const Sent& s : sent)
            if ((s.msg & 0xF0) == 0x90 && (s.msg >> 16) != 0)
                ons.push_back(s);
        return ons;
    }
    std::vector<Rec> Records() const { return Decode(gen->EventBuffer()); }
    // The records after the 15 set-up records.
    std::vector<Rec> Notes() const {
        const std::vector<Rec> all = Records();
        return all.size() < 15 ? std::vector<Rec>{} : std::vector<Rec>(all.begin() + 15, all.end());
    }

    std::unique_ptr<TMidiGen> gen;
    std::vector<Sent> sent;
};

TEST_F(MidiGenTest, MiddleCWithStartValuesIsEighteenRecordsAtFiftyTicksPerQuarter) {
    gen->SetOctave(5);
    gen->SetNote(mgC);
    ASSERT_TRUE(gen->Play());
    const QByteArray bytes = gen->EventBuffer();
    ASSERT_EQ(bytes.size(), 216);
    EXPECT_EQ(bytes.left(12), QByteArray("\x00\x00\x00\x00\x00\x00\x00\x00\xB0\x79\x00\x40", 12));
    const std::vector<Rec> expected = {
        {0, Msg(0xB0, 121) | MEVT_F_CALLBACK},
        {0, Msg(0xB9, 121)},
        {0, Msg(0xB0, 100, 0)},
        {0, Msg(0xB0, 101, 0)},
        {0, Msg(0xB0, 6, 12)},
        {0, Msg(0xB0, 100, 127)},
        {0, Msg(0xB0, 101, 127)},
        {0, Msg(0xB0, 10, 64)},
        {0, Msg(0xB9, 10, 64)},
        {0, Msg(0xB0, 1, 0)},
        {0, Msg(0xB0, 7, 127)},
        {0, Msg(0xB9, 7, 127)},
        {0, Msg(0xB0, 64, 0)},
        {0, Msg(0xB0, 91, 0)},
        {0, Msg(0xB0, 93, 0)},
        {0, Msg(0xC0, 0)},
        {0, Msg(0x90, 60, 127)},
        {50, Msg(0x90, 60, 0)},
    };
    EXPECT_EQ(Records(), expected);

    // 50 ticks of 10 ms each: the note-off sounds 22,050 frames after the note-on.
    EXPECT_TRUE(RunToEnd());
    ASSERT_EQ(sent.size(), 18u);
    EXPECT_EQ(sent[17].frame - sent[16].frame, 22050);
    EXPECT_TRUE(gen->EventBuffer().isEmpty());
}

TEST_F(MidiGenTest, NoteRecordsFollowKeyInstrumentAndChannel) {
    struct Case {
        const char* what;
        int octave;
        TMGNote note;
        TMGInstrument instrument;
        TMGChannel channel;
        quint32 duration;
        std::vector<Rec> notes;
    };
    const std::vector<Case> cases = {
        {"two seconds",
         4,
         mgC,
         mgAcousticGrandPiano,
         mgCh01,
         200,
         {{0, Msg(0xC0, 0)}, {0, Msg(0x90, 48, 127)}, {200, Msg(0x90, 48, 0)}}},
        {"key 131 plays 127",
         10,
         mgB,
         mgAcousticGrandPiano,
         mgCh01,
         50,
         {{0, Msg(0xC0, 0)}, {0, Msg(0x90, 127, 127)}, {50, Msg(0x90, 127, 0)}}},
        {"percussion on a melodic channel",
         5,
         mgE,
         mgAcousticBassDrum,
         mgCh01,
         50,
         {{0, Msg(0xC9, 127)}, {0, Msg(0x99, 35, 127)}, {50, Msg(0x99, 35, 0)}}},
        {"last percussion sound",
         2,
         mgG,
         mgOpenTriangle,
         mgCh03,
         10,
         {{0, Msg(0xC9, 127)}, {0, Msg(0x99, 81, 127)}, {10, Msg(0x99, 81, 0)}}},
        {"percussion channel",
         4,
         mgA,
         mgTrumpet,
         mgCh10,
         50,
         {{0, Msg(0xC9, 56)}, {0, Msg(0x99, 57, 127)}, {50, Msg(0x99, 57, 0)}}},
        {"melodic program",
         3,
         mgFsharp,
         mgViolin,
         mgCh16,
         1,
         {{0, Msg(0xCF, 40)}, {0, Msg(0x9F, 42, 127)}, {1, Msg(0x9F, 42, 0)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gen->SetOctave(c.octave);
        gen->SetNote(c.note);
        gen->SetInstrument(c.instrument);
        gen->SetChannel(c.channel);
        gen->SetDuration(c.duration);
        ASSERT_TRUE(gen->Play());
        EXPECT_EQ(Notes(), c.notes);
        EXPECT_EQ(Records()[0].event, Msg(0xB0 | c.channel, 121) | MEVT_F_CALLBACK);
        EXPECT_TRUE(RunToEnd());
    }
}

TEST_F(MidiGenTest, PlayNoteClampsTheKey) {
    for (const auto& [key, played] : {std::pair{200, 127}, {-5, 0}, {64, 64}}) {
        ASSERT_TRUE(gen->PlayNote(key));
        EXPECT_EQ(Notes().at(1), (Rec{0, Msg(0x90, unsigned(played), 127)}));
        EXPECT_TRUE(RunToEnd());
    }
}

TEST_F(MidiGenTest, SetupRecordsCarryTheProperties) {
    gen->SetVolume(50);
    gen->SetPan(-100);
    gen->SetModulation(100);
    gen->SetSustain(true);
    gen->SetReverb(33);
    gen->SetChorus(1);
    gen->SetChannel(mgCh02);
    ASSERT_TRUE(gen->Play());
    const std::vector<Rec> records = Records();
    ASSERT_GE(records.size(), 15u);
    const std::vector<Rec> expected = {
        {0, Msg(0xB1, 10, 1)}, {0, Msg(0xB9, 10, 1)},   {0, Msg(0xB1, 1, 127)}, {0, Msg(0xB1, 7, 63)},
        {0, Msg(0xB9, 7, 63)}, {0, Msg(0xB1, 64, 127)}, {0, Msg(0xB1, 91, 41)}, {0, Msg(0xB1, 93, 1)},
    };
    EXPECT_EQ(std::vector<Rec>(records.begin() + 7, records.begin() + 15), expected);
    EXPECT_TRUE(RunToEnd());
    gen->SetPan(50);
    ASSERT_TRUE(gen->Play());
    EXPECT_EQ(Records()[7], (Rec{0, Msg(0xB1, 10, 95)}));
}

TEST_F(MidiGenTest, PropertiesArePublishedInOrderWithTheirStartValues) {
    const QMetaObject* meta = gen->metaObject();
    QStringList names;
    for (int i = TComponent::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        names << QString::fromLatin1(meta->property(i).name());
    EXPECT_EQ(names, QStringList({"Volume", "Pan", "Reverb", "Chorus", "Sustain", "Modulation", "PitchBend",
                                  "PBDelay", "PBDuration", "Duration", "Note", "Octave", "Instrument",
                                  "Channel", "Loops", "IsPlaying"}));
    const QVariantList starts = {
        100,         0,  0,    0, false, 0, 0, 0, 100, 50u, int(mgC), 4, int(mgAcousticGrandPiano),
        int(mgCh01), 1u, false};
    for (int i = 0; i < names.size(); ++i) {
        const QVariant value = gen->property(names[i].toLatin1());
        EXPECT_EQ(value.toLongLong(), starts[i].toLongLong()) << names[i].toStdString();
    }
    EXPECT_EQ(QString::fromLatin1(meta->property(meta->indexOfProperty("Instrument")).enumerator().key(174)),
              "mgOpenTriangle");
}

TEST_F(MidiGenTest, OutOfRangeValuesAreClampedSilently) {
    struct Case {
        const char* property;
        qint64 value;
        qint64 stored;
    };
    const Case cases[] = {
        {"Volume", 101, 100},
        {"Volume", -5, 0},
        {"Pan", 150, 100},
        {"Pan", -150, -100},
        {"Pan", -37, -37},
        {"Reverb", 200, 100},
        {"Chorus", -1, 0},
        {"Modulation", 1000, 100},
        {"PitchBend", 121, 120},
        {"PitchBend", -121, -120},
        {"PBDelay", 101, 100},
        {"PBDuration", -3, 0},
        {"Octave", 11, 10},
        {"Octave", -1, 0},
        {"Note", 12, 11},
        {"Note", -1, 0},
        {"Instrument", 175, 174},
        {"Channel", 16, 15},
        {"Duration", 4000000000, 4000000000},
        {"Loops", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        const QMetaProperty property =
            gen->metaObject()->property(gen->metaObject()->indexOfProperty(c.property));
        const QVariant value = property.isEnumType() ? QVariant(int(c.value)) : QVariant(c.value);
        ASSERT_TRUE(property.write(gen.get(), value));
        EXPECT_EQ(property.read(gen.get()).toLongLong(), c.stored);
    }
}

TEST_F(MidiGenTest, PlayWhileTheFirstRecordIsUnreportedFailsThenStopsTheEarlierNote) {
    gen->SetDuration(1000);
    ASSERT_TRUE(gen->Play());
    const QByteArray first = gen->EventBuffer();
    EXPECT_FALSE(gen->Play());
    AudioOutput::Instance().RenderOffline(std::vector<float>(200).data(), 100);
    EXPECT_FALSE(gen->Play()); // played, but its notification is not processed yet
    EXPECT_EQ(gen->EventBuffer(), first);

    QCoreApplication::processEvents();
    gen->SetNote(mgE);
    ASSERT_TRUE(gen->Play());
    EXPECT_TRUE(gen->IsPlaying());
    Run(2000);
    ASSERT_EQ(NoteOns().size(), 2u);
    EXPECT_EQ(NoteOns()[1].msg, Msg(0x90, 52, 127));
    // The first note was stopped, not played to its note-off.
    for (const Sent& s : sent)
        EXPECT_NE(s.msg, Msg(0x90, 48, 0));
}

TEST_F(MidiGenTest, LoopsPlayTheBufferThatManyTimes) {
    gen->SetDuration(10);
    gen->SetLoops(3);
    ASSERT_TRUE(gen->Play());
    EXPECT_TRUE(RunToEnd());
    EXPECT_EQ(NoteOns().size(), 3u);

    sent.clear();
    gen->SetLoops(0);
    ASSERT_TRUE(gen->Play());
    Run(5 * 44100);
    EXPECT_TRUE(gen->IsPlaying());
    const std::size_t passes = NoteOns().size();
    EXPECT_GE(passes, 10u);
    gen->Stop();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(gen->IsPlaying());
    Run(44100);
    EXPECT_EQ(NoteOns().size(), passes);
}

TEST_F(MidiGenTest, StopBeforeTheFirstReportEndsOnlyAfterTheCurrentPass) {
    gen->SetDuration(100);
    gen->SetLoops(0);
    ASSERT_TRUE(gen->Play());
    gen->Stop();
    Run(2000);
    EXPECT_TRUE(gen->IsPlaying());
    EXPECT_TRUE(RunToEnd(3 * 44100));
    EXPECT_EQ(NoteOns().size(), 1u);
    EXPECT_EQ(sent.back().msg, Msg(0x90, 48, 0));
}

TEST_F(MidiGenTest, DestroyingTheGeneratorEndsItsNote) {
    gen->SetDuration(1000);
    ASSERT_TRUE(gen->Play());
    gen.reset(); // before the stream has even reported its first record
    std::vector<float> mix(2 * 1000);
    double tail = 0;
    for (int piece = 0; piece < 3 * 44; ++piece) {
        AudioOutput::Instance().RenderOffline(mix.data(), 1000);
        QCoreApplication::processEvents();
        for (float sample : mix)
            tail = piece >= 2 * 44 ? std::max(tail, double(std::fabs(sample))) : 0.0;
    }
    EXPECT_LT(tail, 1e-3);
    EXPECT_TRUE(NoteOns().empty());
}

TEST_F(MidiGenTest, DeviceSelection) {
    EXPECT_TRUE(gen->SetDevice(int(MIDI_MAPPER)));
    EXPECT_TRUE(gen->SetDevice(0));
    EXPECT_FALSE(gen->SetDevice(int(midiOutGetNumDevs())));
    EXPECT_FALSE(gen->MidiAvailable());
    EXPECT_FALSE(gen->Play());
    EXPECT_TRUE(gen->SetDevice(0));
    EXPECT_TRUE(gen->Play());
}

TEST_F(MidiGenTest, WithoutSoundFontPlayReturnsFalseAndChangesNothing) {
    setenv("TP_SOUNDFONT", "/nonexistent/missing.sf2", 1);
    EXPECT_FALSE(gen->MidiAvailable());
    EXPECT_FALSE(gen->Play());
    EXPECT_FALSE(gen->PlayString("C4"));
    EXPECT_FALSE(gen->IsPlaying());
    EXPECT_TRUE(gen->EventBuffer().isEmpty());
    unsetenv("TP_SOUNDFONT");
    EXPECT_TRUE(gen->Play());
}

TEST_F(MidiGenTest, OnlyOneGeneratorSoundsUntilItIsGone) {
    ASSERT_TRUE(gen->Play());
    Run(1000);
    auto other = std::make_unique<TMidiGen>(nullptr);
    EXPECT_TRUE(other->MidiAvailable());
    EXPECT_FALSE(other->Play());
    EXPECT_FALSE(other->PlayString("C4"));
    EXPECT_TRUE(gen->IsPlaying());
    gen.reset();
    EXPECT_TRUE(other->Play());
    gen = std::move(other);
}

TEST_F(MidiGenTest, PitchBendRampRisesInOneTickStepsBeforeTheNoteOff) {
    struct Case {
        int pitchBend, delay, duration;
        quint32 length;
        std::size_t steps;
        std::uint32_t firstDelta;
        int stepSize;
        unsigned last;
    };
    const Case cases[] = {{120, 0, 100, 50, 50, 1, 163, 16342},
                          {-60, 50, 50, 100, 25, 51, -163, 4117},
                          {120, 0, 100, 20000, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pitchBend);
        gen->SetPitchBend(c.pitchBend);
        gen->SetPBDelay(c.delay);
        gen->SetPBDuration(c.duration);
        gen->SetDuration(c.length);
        ASSERT_TRUE(gen->Play());
        const std::vector<Rec> notes = Notes();
        ASSERT_EQ(notes.size(), 3 + c.steps);
        for (std::size_t i = 1; i <= c.steps; ++i) {
            const unsigned value = unsigned(8192 + int(i) * c.stepSize);
            EXPECT_EQ(notes[1 + i], (Rec{i == 1 ? c.firstDelta : 1, Msg(0xE0, value & 0x7F, value >> 7)}));
        }
        if (c.steps > 0) {
            EXPECT_EQ(notes[1 + c.steps].event, Msg(0xE0, c.last & 0x7F, c.last >> 7));
        }
        EXPECT_EQ(notes.back(), (Rec{c.length, Msg(0x90, 48, 0)}));
        Run(1000);
        gen->Stop();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
}

TEST_F(MidiGenTest, PlayStringBuildsItsRecordsAndBendsOnlyChords) {
    gen->SetPitchBend(120);
    ASSERT_TRUE(gen->PlayString("C4,E4,G4"));
    std::vector<Rec> notes = Notes();
    ASSERT_EQ(notes.size(), 1u + 3 + 50 + 3);
    EXPECT_EQ(notes[0], (Rec{0, Msg(0xC0, 0)}));
    EXPECT_EQ(notes[3], (Rec{0, Msg(0x90, 55, 127)}));
    EXPECT_EQ(notes[4], (Rec{1, Msg(0xE0, (8192 + 163) & 0x7F, (8192 + 163) >> 7)}));
    EXPECT_EQ(notes[54], (Rec{50, Msg(0x90, 48, 0)}));
    EXPECT_EQ(notes[56], (Rec{0, Msg(0x90, 55, 0)}));
    EXPECT_TRUE(RunToEnd());

    ASSERT_TRUE(gen->PlayString("C4;50,50;D4"));
    notes = Notes();
    EXPECT_EQ(notes, (std::vector<Rec>{{0, Msg(0xC0, 0)},
                                       {0, Msg(0x90, 48, 127)},
                                       {50, Msg(0x90, 48, 0)},
                                       {0, Msg(0x90, 50, 127)},
                                       {50, Msg(0x90, 50, 0)}}));
    EXPECT_TRUE(RunToEnd());

    gen->SetPitchBend(0);
    ASSERT_TRUE(gen->PlayString("I128,C4"));
    EXPECT_EQ(Notes(),
              (std::vector<Rec>{{0, Msg(0xC9, 127)}, {0, Msg(0x99, 35, 127)}, {50, Msg(0x99, 35, 0)}}));
}

TEST_F(MidiGenTest, PlayStringThatGivesNoNoteFailsAndLeavesTheGeneratorReady) {
    EXPECT_FALSE(gen->PlayString(""));
    EXPECT_FALSE(gen->PlayString("X9,;;"));
    EXPECT_FALSE(gen->IsPlaying());
    EXPECT_TRUE(gen->PlayString("c4"));
}

TEST_F(MidiGenTest, RecordsBeyondTheBlockLimitAreDropped) {
    QStringList items;
    for (int i = 0; i < 3000; ++i)
        items << "1;N60;1";
    ASSERT_TRUE(gen->PlayString(items.join(',')));
    const QByteArray bytes = gen->EventBuffer();
    EXPECT_EQ(bytes.size(), 5461 * 12);
    EXPECT_EQ(Decode(bytes).back(), (Rec{0, Msg(0x90, 60, 127)})); // a note-on at the same tick as an off
    Run(44100);
    EXPECT_GT(NoteOns().size(), 50u);
}

// The reader on its own: item grammar, timing and percussion.
TEST(PlayString, Examples) {
    using K = TMGEventKind;
    constexpr K P = K::ProgramChange, On = K::NoteOn, Off = K::NoteOff;
    struct Case {
        const char* text;
        TMGPlaySettings settings;
        std::vector<TMGEvent> events;
        bool bend;
    };
    const TMGPlaySettings start;
    const TMGPlaySettings drums{mgCh10, mgAcousticGrandPiano, 4, 50};
    const TMGPlaySettings cowbell{mgCh01, mgCowbell, 4, 30};
    const std::vector<Case> cases = {
        {"C4,E4,G4",
         start,
         {{0, On, 48, 0},
          {0, On, 52, 0},
          {0, On, 55, 0},
          {50, Off, 48, 0},
          {50, Off, 52, 0},
          {50, Off, 55, 0}},
         true},
        {"C4;50,50;D4,E4",
         start,
         {{0, On, 48, 0},
          {50, Off, 48, 0},
          {50, On, 50, 0},
          {100, Off, 50, 0},
          {100, On, 52, 0},
          {150, Off, 52, 0}},
         false},
        {"C4,,E4", start, {{0, On, 48, 0}, {0, On, 52, 0}, {50, Off, 48, 0}, {50, Off, 52, 0}}, true},
        {" c#4 , D-4 ,F+,g#,A+3,B- ",
         start,
         {{0, On, 49, 0},
          {0, On, 49, 0},
          {0, On, 54, 0},
          {0, On, 56, 0},
          {0, On, 46, 0},
          {0, On, 46, 0},
          {50, Off, 49, 0},
          {50, Off, 49, 0},
          {50, Off, 54, 0},
          {50, Off, 56, 0},
          {50, Off, 46, 0},
          {50, Off, 46, 0}},
         true},
        {"C4;100,E4", start, {{0, On, 48, 0}, {0, On, 52, 0}, {100, Off, 48, 0}, {100, Off, 52, 0}}, false},
        {"E4,C4;100", start, {{0, On, 52, 0}, {0, On, 48, 0}, {50, Off, 52, 0}, {100, Off, 48, 0}}, false},
        {"N0;7,N127", start, {{0, On, 0, 0}, {0, On, 127, 0}, {7, Off, 0, 0}, {7, Off, 127, 0}}, false},
        {"C,C10",
         {mgCh01, 0, 2, 50},
         {{0, On, 24, 0}, {0, On, 120, 0}, {50, Off, 24, 0}, {50, Off, 120, 0}},
         true},
        {"20;I40;5,C5,10;I0",
         start,
         {{20, P, 40, 0}, {40, On, 60, 0}, {45, Off, 60, 0}, {50, P, 0, 0}},
         false},
        {"C4,I128,E4,I0,G4",
         start,
         {{0, P, 128, 9},
          {0, P, 0, 0},
          {0, On, 48, 0},
          {0, On, 128, 9},
          {0, On, 55, 0},
          {50, Off, 48, 0},
          {50, Off, 128, 9},
          {50, Off, 55, 0}},
         true},
        {"C4,D4", cowbell, {{0, On, 149, 9}, {0, On, 149, 9}, {30, Off, 149, 9}, {30, Off, 149, 9}}, true},
        {"I40,C4,I128,E4", drums, {{0, On, 48, 9}, {0, On, 52, 9}, {50, Off, 48, 9}, {50, Off, 52, 9}}, true},
        {"0;C4;0", start, {{0, Off, 48, 0}, {0, On, 48, 0}}, true},
        {"10;C4;0,E4;0", start, {{9, Off, 48, 0}, {10, On, 48, 0}, {19, Off, 52, 0}, {20, On, 52, 0}}, false},
        {"C4;30,E4;0", start, {{0, On, 48, 0}, {0, On, 52, 0}, {30, Off, 48, 0}, {30, Off, 52, 0}}, false},
        {"C4;0", {mgCh01, 0, 4, 0}, {{0, Off, 48, 0}, {0, On, 48, 0}}, true},
        {"E4", {mgCh01, 0, 4, 0}, {{0, On, 52, 0}, {0, Off, 52, 0}}, true},
        {"C4,\t,E4", start, {{0, On, 48, 0}, {50, Off, 48, 0}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TMGPlayList list = ParsePlayString(QString::fromLatin1(c.text), c.settings);
        EXPECT_EQ(list.Events.size(), c.events.size());
        for (std::size_t i = 0; i < std::min(list.Events.size(), c.events.size()); ++i) {
            const TMGEvent& e = list.Events[i];
            const TMGEvent& x = c.events[i];
            EXPECT_TRUE(e == x) << i << ": got " << e.Time << "/" << int(e.Kind) << "/" << e.Value << "/"
                                << e.Channel << " expected " << x.Time << "/" << int(x.Kind) << "/" << x.Value
                                << "/" << x.Channel;
        }
        EXPECT_EQ(list.PitchBendAllowed, c.bend);
    }
}

TEST(PlayString, MalformedItemsAreSkipped) {
    // Each string holds one good item, "E4", among malformed ones.
    const char* cases[] = {
        "X4,E4",
        "C11,E4",
        "B10,E4",
        "N128,E4",
        "I175,E4",
        "I,E4",
        "N,E4",
        "-5;C4,E4",
        "5;C4;-1,E4",
        "1;C4;2;3,E4",
        "H4,E4",
        "C#X,E4",
        "50,E4",
        "C4;X,E4",
        "99999999999;C4,E4",
        "0;C4;4294967296,E4",
        "E#4,E4",
        "B#,E4",
        "1C4,E4",
        "+4,E4",
        "CB4,E4",
        "C-4,E4",
        ";;,E4",
        "C4;;;,E4",
        "C\xE9"
        "4,E4",
        "\xB9"
        "4,E4",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        const TMGPlayList list = ParsePlayString(QString::fromLatin1(text), {});
        ASSERT_EQ(list.Events.size(), 2u);
        EXPECT_EQ(list.Events[0].Value, 52);
    }
    EXPECT_TRUE(ParsePlayString("", {}).Events.empty());
    EXPECT_TRUE(ParsePlayString(" \t\r\n", {}).Events.empty());
    EXPECT_EQ(ParsePlayString("E4,\x01\x02,C4", {}).Events.size(), 2u);
    // A skipped item changes nothing: not the octave, the delta time nor the duration in force.
    const TMGPlayList list = ParsePlayString("70;C6;-1,E", {});
    ASSERT_EQ(list.Events.size(), 2u);
    EXPECT_EQ(list.Events[0].Time, 0u);
    EXPECT_EQ(list.Events[0].Value, 52);
    EXPECT_EQ(list.Events[1].Time, 50u);
    // A note past the 32-bit tick range is skipped.
    EXPECT_TRUE(ParsePlayString("4294967295;C4", {}).Events.empty());
    EXPECT_EQ(ParsePlayString("4294967245;C4", {}).Events.size(), 2u);
}

} // namespace
