// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI output service the note generator calls: one General MIDI device (a FluidSynth
// synthesizer on the shared audio output) with timed event streams. Streams are sequenced on the
// audio sample clock and report through MidiNotifyEvents on the UI thread. Call from the UI thread.
#pragma once

#include <QEvent>

#include <cstdint>
#include <functional>
#include <string>

class QObject;

using MMRESULT = unsigned;
constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MIDIERR_UNPREPARED = 64;
constexpr MMRESULT MIDIERR_STILLPLAYING = 65;

constexpr unsigned MIDI_MAPPER = 0xFFFFFFFF;

constexpr unsigned CALLBACK_NULL = 0x00000;
constexpr unsigned CALLBACK_WINDOW = 0x10000;

constexpr unsigned MM_MOM_OPEN = 0x3C7;
constexpr unsigned MM_MOM_CLOSE = 0x3C8;
constexpr unsigned MM_MOM_DONE = 0x3C9;
constexpr unsigned MM_MOM_POSITIONCB = 0x3CA;

// Describes one buffer of stream records; the caller owns it and the data it points to until the
// buffer comes back with MHDR_DONE.
struct MIDIHDR {
    char* lpData;
    unsigned dwBufferLength;
    unsigned dwBytesRecorded;
    std::uintptr_t dwUser;
    unsigned dwFlags;
    MIDIHDR* lpNext;
    std::uintptr_t reserved;
    unsigned dwOffset; // set when a callback record plays: its byte offset in the buffer
    std::uintptr_t dwReserved[8];
};

constexpr unsigned MHDR_DONE = 0x1;
constexpr unsigned MHDR_PREPARED = 0x2;
constexpr unsigned MHDR_INQUEUE = 0x4;
constexpr unsigned MHDR_ISSTRM = 0x8;

// A stream record is three little-endian 32-bit words: delta ticks, stream id, event. Long events
// (MEVT_F_LONG) are followed by parameter bytes, their count in the low 24 bits, padded to 4.
constexpr unsigned MEVT_F_SHORT = 0x00000000;
constexpr unsigned MEVT_F_LONG = 0x80000000;
constexpr unsigned MEVT_F_CALLBACK = 0x40000000;
constexpr unsigned char MEVT_SHORTMSG = 0x00;
constexpr unsigned char MEVT_TEMPO = 0x01;
constexpr unsigned char MEVT_NOP = 0x02;
constexpr unsigned char MEVT_EVENTTYPE(unsigned event) {
    return static_cast<unsigned char>(event >> 24);
}
constexpr unsigned MEVT_EVENTPARM(unsigned event) {
    return event & 0xFFFFFF;
}

constexpr unsigned MIDIPROP_SET = 0x80000000;
constexpr unsigned MIDIPROP_GET = 0x40000000;
constexpr unsigned MIDIPROP_TIMEDIV = 0x1;
constexpr unsigned MIDIPROP_TEMPO = 0x2;

struct MIDIPROPTIMEDIV {
    unsigned cbStruct;
    unsigned dwTimeDiv; // ticks per quarter note
};
struct MIDIPROPTEMPO {
    unsigned cbStruct;
    unsigned dwTempo; // microseconds per quarter note
};

struct MidiOutHandle;
struct MidiStreamHandle;
using HMIDIOUT = MidiOutHandle*;
using HMIDISTRM = MidiStreamHandle*;

// A stream notification, delivered to the stream's notification object on the UI thread, in the
// order the stream produced them, only while Qt events are processed.
class MidiNotifyEvent : public QEvent {
public:
    MidiNotifyEvent(unsigned msg, HMIDISTRM handle, MIDIHDR* header)
        : QEvent(EventType()), Msg(msg), Handle(handle), Header(header) {}
    static QEvent::Type EventType();

    unsigned Msg;     // MM_MOM_...
    HMIDISTRM Handle; // the stream that reports
    MIDIHDR* Header;  // the buffer (MM_MOM_DONE, MM_MOM_POSITIONCB), else null
};

// The SoundFont the device loads: TP_SOUNDFONT when set, else the first sounds/sf2/TimGM6mb.sf2
// of the desktop's data folders (XDG_DATA_HOME, XDG_DATA_DIRS), else the packaged one's path.
std::string SoundFontPath();

// 1 while the SoundFont (see SoundFontPath) can be loaded, else 0.
// Device 0 and MIDI_MAPPER name the synthesizer.
unsigned midiOutGetNumDevs();
// A handle for probing and resetting the device; no messages are played through it.
MMRESULT midiOutOpen(HMIDIOUT* handle, unsigned deviceId);
MMRESULT midiOutClose(HMIDIOUT handle);
// All notes off and controllers reset on the device; a stream's queued buffers come back as done.
MMRESULT midiOutReset(HMIDIOUT handle);
MMRESULT midiOutReset(HMIDISTRM handle);
MMRESULT midiOutPrepareHeader(HMIDISTRM handle, MIDIHDR* header, unsigned headerSize);
MMRESULT midiOutUnprepareHeader(HMIDISTRM handle, MIDIHDR* header, unsigned headerSize);

// Opens the device's one stream, stopped, with 96 ticks per quarter note at 500,000 microseconds
// per quarter note. With CALLBACK_WINDOW, `notifyTarget` receives the MidiNotifyEvents. Waits
// (bounded) for the SoundFont if it is still loading.
MMRESULT midiStreamOpen(HMIDISTRM* handle, unsigned* deviceId, unsigned cMidi, QObject* notifyTarget,
                        std::uintptr_t instance, unsigned flags);
MMRESULT midiStreamClose(HMIDISTRM handle);
MMRESULT midiStreamProperty(HMIDISTRM handle, unsigned char* data, unsigned flags);
// Queues a prepared buffer; a running stream plays it after the buffers before it, or at once.
MMRESULT midiStreamOut(HMIDISTRM handle, MIDIHDR* header, unsigned headerSize);
// Starts a stopped stream at tick 0; does nothing to a running one.
MMRESULT midiStreamRestart(HMIDISTRM handle);
// Stops, releases all notes and returns every queued buffer as done.
MMRESULT midiStreamStop(HMIDISTRM handle);

// Starts loading the synthesizer's library and the SoundFont in the background, so that the first
// note need not wait for them, and returns at once. Cancels a release still to come.
void PreloadMidi();

// Frees the synthesizer and its instruments, at once or when the open stream closes; the next
// stream (or PreloadMidi) loads them again.
void ReleaseMidi();

// Tests: called on the render path with each short message the sequencer sends and the output
// frame (AudioOutput::FramesRendered clock) at which it takes effect. Empty to remove.
void SetMidiMessageHook(std::function<void(std::uint32_t msg, std::int64_t frame)> hook);
