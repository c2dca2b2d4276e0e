// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/MidiGen.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLatin1StringView>

#include <algorithm>
#include <chrono>
#include <new>
#include <optional>
#include <thread>

using namespace mg;

namespace {

constexpr std::size_t RecordSize = 12;
// The stream takes one block of at most 64 KB - 1: 5,461 records.
constexpr std::size_t MaxBufferSize = 65535;
// 50 ticks per quarter note at the stream's 500,000 microseconds per quarter note: 10 ms a tick.
constexpr unsigned TicksPerQuarterNote = 50;
// The stream always answers; if it ever did not, the UI must not hang on it.
constexpr int WaitLimitMs = 3000;

constexpr int ControlChange = 0xB0;
constexpr int ProgramChange = 0xC0;
constexpr int NoteOn = 0x90;
constexpr int PitchBendChange = 0xE0;
constexpr int PercussionKeyOffset = 93; // instrument value - 93 = percussion key

// The generator that last opened a stream; the others stay silent.
int OwnerNumber = 0;
int InstanceCount = 0;

// Each note name is preceded by its semitone above C, two decimal digits.
constexpr QLatin1StringView
    NoteNames("00C01C+01C#02D01D-03D+03D#04E03E-05F06F+06F#07G06G-08G+08G#09A08A-10A+10A#11B10B-");

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsControl(QChar c) {
    return c.unicode() < 0x20;
}

// A decimal count 0 ... 4294967295; anything else (a sign, other characters, too many digits) is none.
std::optional<std::uint32_t> Count(QStringView text) {
    if (text.isEmpty() || text.size() > 10 || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    const qulonglong value = text.toULongLong();
    if (value > 0xFFFFFFFFull)
        return std::nullopt;
    return std::uint32_t(value);
}

std::optional<int> Bounded(QStringView text, int high) {
    const std::optional<std::uint32_t> value = Count(text);
    if (!value || *value > std::uint32_t(high))
        return std::nullopt;
    return int(*value);
}

struct NoteField {
    bool program = false;
    int value = 0;               // instrument or key
    std::optional<int> octave{}; // set by a note name
};

std::optional<NoteField> ParseNoteField(QStringView text, int currentOctave) {
    if (text.isEmpty())
        return std::nullopt;
    if (text[0] == u'I' || text[0] == u'N') {
        const bool program = text[0] == u'I';
        const std::optional<int> value = Bounded(text.mid(1), program ? mgOpenTriangle : 127);
        if (!value)
            return std::nullopt;
        return NoteField{program, *value};
    }
    // Only real names: the digits and signs between the names in NoteNames are no notes.
    if (text[0] < u'A' || text[0] > u'G')
        return std::nullopt;
    const qsizetype nameLength =
        text.size() >= 2 && IsDigit(text[1]) ? 1 : std::min<qsizetype>(2, text.size());
    const qsizetype at = NoteNames.indexOf(text.left(nameLength));
    if (at < 2)
        return std::nullopt;
    const int semitone = (NoteNames[at - 2].unicode() - '0') * 10 + (NoteNames[at - 1].unicode() - '0');
    const QStringView octaveText = text.mid(nameLength);
    const std::optional<int> octave = octaveText.isEmpty() ? currentOctave : Bounded(octaveText, 10);
    if (!octave || semitone + 12 * *octave > 127)
        return std::nullopt;
    return NoteField{false, semitone + 12 * *octave, octave};
}

// Trims spaces and control characters, upper-cases (ASCII only, so no other letter turns into
// a note name) and removes the spaces left inside.
QString Normalise(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 0x20)
        ++first;
    while (last > first && text[last - 1].unicode() <= 0x20)
        --last;
    QString result;
    result.reserve(last - first);
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = text[i];
        if (c == u' ')
            continue;
        result.append(c >= u'a' && c <= u'z' ? QChar(c.unicode() - 'a' + 'A') : c);
    }
    return result;
}

// The state of reading a play string from one item to the next.
class PlayStringReader {
public:
    explicit PlayStringReader(const TMGPlaySettings& settings)
        : settings_(settings), drumChannel_(settings.Channel == PercussionChannel),
          percussion_(settings.Instrument > 127), instrument_(settings.Instrument),
          noteChannel_(percussion_ || drumChannel_ ? PercussionChannel : settings.Channel),
          octave_(settings.Octave) {}

    // False when the item ends the string.
    bool Read(QStringView item) {
        if (item.isEmpty())
            return true;
        if (std::all_of(item.begin(), item.end(), IsControl))
            return false;
        const QList<QStringView> fields = item.split(u';');
        if (fields.size() > 3)
            return true;
        QStringView deltaText;
        QStringView noteText = fields[0];
        QStringView durationText;
        if (fields.size() == 3) {
            deltaText = fields[0];
            noteText = fields[1];
            durationText = fields[2];
        } else if (fields.size() == 2 && IsDigit(item[0])) {
            deltaText = fields[0];
            noteText = fields[1];
        } else if (fields.size() == 2) {
            durationText = fields[1];
        }
        Take(deltaText, noteText, durationText);
        return true;
    }

    TMGPlayList Result() {
        std::stable_sort(list_.Events.begin(), list_.Events.end(), [](const TMGEvent& a, const TMGEvent& b) {
            const bool aFirst = a.Kind == TMGEventKind::ProgramChange;
            const bool bFirst = b.Kind == TMGEventKind::ProgramChange;
            return a.Time != b.Time ? a.Time < b.Time : aFirst && !bFirst;
        });
        return std::move(list_);
    }

private:
    // Adds the item's entries when all its fields are valid; a skipped item changes nothing.
    void Take(QStringView deltaText, QStringView noteText, QStringView durationText) {
        const std::optional<std::uint32_t> delta = deltaText.isEmpty() ? delta_ : Count(deltaText);
        const bool explicitDuration = !durationText.isEmpty();
        const std::optional<std::uint32_t> duration =
            explicitDuration ? Count(durationText) : std::optional<std::uint32_t>(0);
        const std::optional<NoteField> note = ParseNoteField(noteText, octave_);
        if (!delta || !duration || !note)
            return;
        const std::int64_t inForce = duration_ >= 0 ? duration_ : settings_.Duration;
        // An explicit 0 takes the duration in force, or none (-1) before any is.
        const std::int64_t length = *duration > 0 ? *duration : explicitDuration ? duration_ : inForce;
        const std::int64_t start = start_ + *delta;
        if (start + std::max<std::int64_t>(length, 0) > 0xFFFFFFFFll)
            return;

        if (*delta != 0 || (*duration > 0 && *duration != inForce))
            list_.PitchBendAllowed = false;
        delta_ = *delta;
        duration_ = *duration > 0 ? *duration : explicitDuration ? duration_ : inForce;
        start_ = start;
        if (note->program)
            AddProgram(note->value);
        else
            AddNote(*note, length);
    }

    void AddProgram(int value) {
        if (drumChannel_)
            return;
        instrument_ = value;
        percussion_ = value > 127;
        noteChannel_ = percussion_ ? PercussionChannel : settings_.Channel;
        Add(std::uint32_t(start_), TMGEventKind::ProgramChange, value);
    }

    void AddNote(const NoteField& note, std::int64_t length) {
        octave_ = note.octave.value_or(octave_);
        const int value = percussion_ && !drumChannel_ ? instrument_ : note.value;
        const auto start = std::uint32_t(start_);
        if (length >= 0) {
            Add(start, TMGEventKind::NoteOn, value);
            Add(start + std::uint32_t(length), TMGEventKind::NoteOff, value);
        } else {
            // No duration yet: the note-off comes first, so the note sounds until the stream ends.
            Add(start > 0 ? start - 1 : 0, TMGEventKind::NoteOff, value);
            Add(start, TMGEventKind::NoteOn, value);
        }
    }

    void Add(std::uint32_t time, TMGEventKind kind, int value) {
        list_.Events.push_back({time, kind, value, noteChannel_});
    }

    const TMGPlaySettings settings_;
    const bool drumChannel_;
    bool percussion_;
    int instrument_;
    int noteChannel_;
    int octave_;
    std::uint32_t delta_ = 0;
    std::int64_t duration_ = -1; // none in force yet
    std::int64_t start_ = 0;
    TMGPlayList list_;
};

} // namespace

TMGPlayList mg::ParsePlayString(const QString& text, const TMGPlaySettings& settings) {
    PlayStringReader reader(settings);
    const QString normalised = Normalise(text);
    if (!normalised.isEmpty()) {
        for (QStringView item : QStringView(normalised).split(u','))
            if (!reader.Read(item))
                break;
    }
    return reader.Result();
}

// Receives the stream's notifications for its generator; handles nothing else.
class TMidiGen::NotifyWindow : public QObject {
public:
    explicit NotifyWindow(TMidiGen& generator) : generator_(generator) {}

    bool event(QEvent* e) override {
        if (e->type() != MidiNotifyEvent::EventType())
            return QObject::event(e);
        generator_.Notify(*static_cast<MidiNotifyEvent*>(e));
        return true;
    }

private:
    TMidiGen& generator_;
};

TMidiGen::TMidiGen(QObject* owner)
    : TComponent(owner), FInstance(++InstanceCount), FNotifyWindow(std::make_unique<NotifyWindow>(*this)) {}

// Ends the stream at once instead of processing window messages until it has closed: the owner
// may be half destroyed by now, and none of its handlers may run.
TMidiGen::~TMidiGen() {
    CloseStreamNow();
    // A generator that is gone no longer keeps the others silent.
    if (OwnerNumber == FInstance)
        OwnerNumber = 0;
}

bool TMidiGen::Play() {
    return PlayNote(12 * FOctave + FNote);
}

bool TMidiGen::PlayNote(int key) {
    if (!StartCheck())
        return false;
    FLoopsLeft = FLoops;
    FCurrentChannel = FChannel;
    std::vector<TMGEvent> events;
    int noteChannel = PercussionChannel;
    if (FCurrentChannel != PercussionChannel) {
        noteChannel = FInstrument > 127 ? PercussionChannel : FCurrentChannel;
        events.push_back({0, TMGEventKind::ProgramChange, FInstrument, noteChannel});
    }
    key = RangeCheck(key, 0, 127);
    const bool percussionOnMelodic = FCurrentChannel != PercussionChannel && noteChannel == PercussionChannel;
    const int value = percussionOnMelodic ? int(FInstrument) : key;
    events.push_back({0, TMGEventKind::NoteOn, value, noteChannel});
    events.push_back({FDuration, TMGEventKind::NoteOff, value, noteChannel});
    return BuildAndStart(events, true);
}

bool TMidiGen::PlayString(const QString& playString) {
    if (!StartCheck())
        return false;
    FLoopsLeft = FLoops;
    FCurrentChannel = FChannel;
    const TMGPlayList list = ParsePlayString(playString, {FCurrentChannel, FInstrument, FOctave, FDuration});
    if (list.Events.empty())
        return Failed();
    return BuildAndStart(list.Events, list.PitchBendAllowed);
}

void TMidiGen::Stop() {
    FContinue = false;
    if (FStream && FReady)
        midiStreamStop(FStream);
}

bool TMidiGen::MidiAvailable() {
    if (FStream)
        return true;
    HMIDIOUT probe = nullptr;
    if (midiOutOpen(&probe, FDeviceId) != MMSYSERR_NOERROR)
        return false;
    midiOutClose(probe);
    return true;
}

bool TMidiGen::SetDevice(int deviceId) {
    FDeviceId = unsigned(deviceId);
    const unsigned devices = midiOutGetNumDevs();
    return devices >= 1 && deviceId < int(devices);
}

QByteArray TMidiGen::EventBuffer() const {
    return QByteArray(reinterpret_cast<const char*>(FEventBuffer.data()), qsizetype(FEventBuffer.size()));
}

bool TMidiGen::StartCheck() {
    if (!FReady || !MidiAvailable())
        return false;
    FReady = false;
    FContinue = false;
    if (FStream) {
        midiStreamStop(FStream);
        if (!ProcessMessagesUntil([this] { return !FStream; }))
            CloseStreamNow();
    }
    return true;
}

// Ends a play that passed the start check but started no stream: no notification would make the
// generator ready again.
bool TMidiGen::Failed() {
    CloseStreamNow();
    FReady = true;
    return false;
}

void TMidiGen::CloseStreamNow() {
    if (FStream) {
        midiStreamStop(FStream);
        midiOutUnprepareHeader(FStream, &FHeader, sizeof FHeader);
        midiOutReset(FStream);
        midiStreamClose(FStream);
    }
    FStream = nullptr; // its late notifications no longer match and are ignored
    FOpened = false;
    FIsPlaying = false;
    FContinue = false;
    FreeBuffer();
}

bool TMidiGen::BuildAndStart(const std::vector<TMGEvent>& events, bool pitchBendAllowed) {
    if (OwnerNumber != 0 && OwnerNumber != FInstance)
        return Failed();
    FCurrentChannel = FChannel;
    FreeBuffer();
    AppendSetup();
    AppendEvents(events, FPitchBend != 0 && pitchBendAllowed);
    if (!ProcessMessagesUntil([this] { return !FStream; }) || !OpenAndStart())
        return Failed();
    return true;
}

bool TMidiGen::OpenAndStart() {
    if (midiStreamOpen(&FStream, &FDeviceId, 1, FNotifyWindow.get(), reinterpret_cast<std::uintptr_t>(this),
                       CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        FStream = nullptr;
        return false;
    }
    if (!ProcessMessagesUntil([this] { return FOpened; }))
        return false;
    OwnerNumber = FInstance;
    midiOutReset(FStream);
    MIDIPROPTIMEDIV timeDivision{sizeof timeDivision, TicksPerQuarterNote};
    if (midiStreamProperty(FStream, reinterpret_cast<unsigned char*>(&timeDivision),
                           MIDIPROP_SET | MIDIPROP_TIMEDIV) != MMSYSERR_NOERROR)
        return false;
    FHeader = MIDIHDR{};
    FHeader.lpData = reinterpret_cast<char*>(FEventBuffer.data());
    FHeader.dwBufferLength = FHeader.dwBytesRecorded = unsigned(FEventBuffer.size());
    return midiOutPrepareHeader(FStream, &FHeader, sizeof FHeader) == MMSYSERR_NOERROR &&
           midiStreamOut(FStream, &FHeader, sizeof FHeader) == MMSYSERR_NOERROR &&
           midiStreamRestart(FStream) == MMSYSERR_NOERROR;
}

void TMidiGen::AppendSetup() {
    const int current = FCurrentChannel;
    const int drums = PercussionChannel;
    const int pan = FPan * 63 / 100 + 64;
    const int volume = FVolume * 127 / 100;
    // The first record reports that the stream has started playing.
    AppendMessage(0, ControlChange | current, 121, 0, true); // reset all controllers
    AppendMessage(0, ControlChange | drums, 121, 0);
    AppendMessage(0, ControlChange | current, 100, 0); // pitch-bend range: 12 semitones
    AppendMessage(0, ControlChange | current, 101, 0);
    AppendMessage(0, ControlChange | current, 6, 12);
    AppendMessage(0, ControlChange | current, 100, 127); // no registered parameter selected
    AppendMessage(0, ControlChange | current, 101, 127);
    AppendMessage(0, ControlChange | current, 10, pan);
    AppendMessage(0, ControlChange | drums, 10, pan);
    AppendMessage(0, ControlChange | current, 1, FModulation * 127 / 100);
    AppendMessage(0, ControlChange | current, 7, volume);
    AppendMessage(0, ControlChange | drums, 7, volume);
    AppendMessage(0, ControlChange | current, 64, FSustain ? 127 : 0);
    AppendMessage(0, ControlChange | current, 91, FReverb * 127 / 100);
    AppendMessage(0, ControlChange | current, 93, FChorus * 127 / 100);
}

void TMidiGen::AppendEvents(const std::vector<TMGEvent>& events, bool bending) {
    if (!events.empty() && events.front().Kind != TMGEventKind::ProgramChange)
        AppendMessage(0, ProgramChange | FCurrentChannel, std::min<int>(FInstrument, 127), 0);
    std::uint32_t previous = 0;
    bool firstNoteOff = true;
    for (const TMGEvent& event : events) {
        const std::uint32_t delta = event.Time - previous;
        previous = event.Time;
        switch (event.Kind) {
        case TMGEventKind::ProgramChange:
            AppendMessage(delta, ProgramChange | event.Channel, std::min(event.Value, 127), 0);
            break;
        case TMGEventKind::NoteOn:
            AppendMessage(delta, NoteOn | event.Channel, NoteKey(event), 127);
            break;
        case TMGEventKind::NoteOff:
            if (firstNoteOff && bending)
                AppendPitchBendRamp(event.Channel, delta);
            firstNoteOff = false;
            AppendMessage(delta, NoteOn | event.Channel, NoteKey(event), 0);
            break;
        }
    }
}

int TMidiGen::NoteKey(const TMGEvent& event) const {
    if (event.Channel == PercussionChannel && FCurrentChannel != PercussionChannel)
        return std::clamp(event.Value - PercussionKeyOffset, 35, 81);
    return std::clamp(event.Value, 0, 127);
}

// Bends from the centre towards PitchBend over the part of the note that PBDelay and PBDuration
// select, one step per tick.
void TMidiGen::AppendPitchBendRamp(int channel, std::uint32_t delta) {
    if (delta == 0 || FPBDuration == 0 || FPBDelay == 100 || FPitchBend == 0)
        return;
    const std::int64_t delay = std::int64_t(delta) * FPBDelay / 100;
    const std::int64_t steps = (std::int64_t(delta) - delay) * FPBDuration / 100;
    if (steps == 0 || steps > 8191)
        return;
    const std::int64_t stepSize = (FPitchBend * 8191 / 120) / steps;
    for (std::int64_t i = 1; i <= steps; ++i) {
        const std::int64_t value = 8192 + i * stepSize;
        AppendMessage(i == 1 ? std::uint32_t(delay + 1) : 1, PitchBendChange | channel, int(value & 0x7F),
                      int(value >> 7 & 0x7F));
    }
}

void TMidiGen::AppendMessage(std::uint32_t delta, int status, int data1, int data2, bool callback) {
    const std::uint32_t event = std::uint32_t(status & 0xFF) | std::uint32_t(data1 & 0x7F) << 8 |
                                std::uint32_t(data2 & 0x7F) << 16 |
                                (callback ? MEVT_F_CALLBACK : MEVT_F_SHORT);
    AppendRecord(delta, event);
}

// Records that no longer fit the stream's block are dropped, as is one that finds no memory.
void TMidiGen::AppendRecord(std::uint32_t delta, std::uint32_t event) {
    if (FEventBuffer.size() + RecordSize > MaxBufferSize)
        return;
    const std::uint32_t words[3] = {delta, 0, event};
    std::uint8_t record[RecordSize];
    for (std::size_t i = 0; i < RecordSize; ++i)
        record[i] = std::uint8_t(words[i / 4] >> (8 * (i % 4)));
    try {
        FEventBuffer.insert(FEventBuffer.end(), record, record + RecordSize);
    } catch (const std::bad_alloc&) {
    }
}

void TMidiGen::FreeBuffer() {
    std::vector<std::uint8_t>().swap(FEventBuffer);
}

template <class Done> bool TMidiGen::ProcessMessagesUntil(Done done) {
    const QDeadlineTimer deadline(WaitLimitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        if (!done())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void TMidiGen::Notify(const MidiNotifyEvent& event) {
    if (!FStream || event.Handle != FStream)
        return; // from a stream this generator gave up on
    switch (event.Msg) {
    case MM_MOM_OPEN:
        FOpened = FIsPlaying = FContinue = true;
        FLoopsLeft = FLoops;
        break;
    case MM_MOM_POSITIONCB:
        FReady = true;
        break;
    case MM_MOM_DONE:
        StreamDone();
        break;
    case MM_MOM_CLOSE:
        FOpened = FIsPlaying = FContinue = false;
        FStream = nullptr;
        break;
    }
}

// Plays the buffer again while passes are left, else ends the stream.
void TMidiGen::StreamDone() {
    if (FContinue && (FLoopsLeft == 0 || FLoopsLeft > 1) &&
        midiStreamOut(FStream, &FHeader, sizeof FHeader) == MMSYSERR_NOERROR &&
        midiStreamRestart(FStream) == MMSYSERR_NOERROR) {
        if (FLoopsLeft > 1)
            --FLoopsLeft;
        return;
    }
    midiOutUnprepareHeader(FStream, &FHeader, sizeof FHeader);
    midiStreamStop(FStream);
    midiOutReset(FStream);
    FreeBuffer();
    midiStreamClose(FStream);
}
