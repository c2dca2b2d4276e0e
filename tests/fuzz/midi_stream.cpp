// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the buffers a MIDI stream plays: the input after its first two bytes (the time
// division) is queued as one buffer of stream records, played for a quarter of a second of
// offline output, then stopped and handed back. Malformed buffers are refused at midiStreamOut;
// whatever is taken must play, stop and close cleanly.
#include "platform/AudioOutput.h"
#include "platform/MidiStream.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class Listener : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() != MidiNotifyEvent::EventType())
            return QObject::event(e);
        const auto* notification = static_cast<MidiNotifyEvent*>(e);
        if (notification->Msg == MM_MOM_DONE)
            done = true;
        else if (notification->Msg == MM_MOM_CLOSE)
            closed = true;
        return true;
    }
    bool done = false;
    bool closed = false;
};

void Render(int frames) {
    static std::vector<float> mix(2 * 1000);
    for (int done = 0; done < frames; done += 1000)
        AudioOutput::Instance().RenderOffline(mix.data(), 1000);
}

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    AudioOutput::Instance().UseOffline();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 2 + 65535 || midiOutGetNumDevs() == 0)
        return 0;
    Listener listener;
    HMIDISTRM stream = nullptr;
    unsigned device = 0;
    Check(midiStreamOpen(&stream, &device, 1, &listener, 0, CALLBACK_WINDOW) == MMSYSERR_NOERROR);

    MIDIPROPTIMEDIV division{sizeof division, unsigned(data[0] | data[1] << 8)};
    midiStreamProperty(stream, reinterpret_cast<unsigned char*>(&division), MIDIPROP_SET | MIDIPROP_TIMEDIV);
    // A block of its own, so that a read past the records shows as an overflow.
    std::vector<char> records(data + 2, data + size);
    MIDIHDR header{};
    header.lpData = records.data();
    header.dwBufferLength = header.dwBytesRecorded = unsigned(records.size());
    Check(midiOutPrepareHeader(stream, &header, sizeof header) == MMSYSERR_NOERROR);
    if (midiStreamOut(stream, &header, sizeof header) == MMSYSERR_NOERROR) {
        midiStreamRestart(stream);
        for (int piece = 0; piece < 11; ++piece) {
            Render(1000);
            QCoreApplication::processEvents();
        }
        Check(midiStreamStop(stream) == MMSYSERR_NOERROR);
        Render(1000);
        QCoreApplication::processEvents();
        Check(listener.done);
    }
    Check(midiOutUnprepareHeader(stream, &header, sizeof header) == MMSYSERR_NOERROR);
    Check(midiStreamClose(stream) == MMSYSERR_NOERROR);
    QCoreApplication::processEvents();
    Check(listener.closed);
    return 0;
}
