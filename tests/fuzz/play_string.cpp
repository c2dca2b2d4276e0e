// SPDX-License-Identifier: GPL-3.0-or-later
// Play strings come from outside (layouts, callers): any text must read into a sane event list.
#include "sound/MidiGen.h"

#include <cstdlib>

using namespace mg;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    TMGPlaySettings settings;
    settings.Channel = data[0] % 16;
    settings.Instrument = data[1] % 175;
    settings.Octave = data[2] % 11;
    settings.Duration = data[3] % 2 ? data[3] * 1000u : data[3];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
    const TMGPlayList list = ParsePlayString(text, settings);

    int notesOn = 0;
    int notesOff = 0;
    const TMGEvent* previous = nullptr;
    for (const TMGEvent& event : list.Events) {
        Check(event.Channel == settings.Channel || event.Channel == PercussionChannel);
        Check(event.Value >= 0 && event.Value <= mgOpenTriangle);
        if (event.Kind != TMGEventKind::ProgramChange)
            Check(event.Value <= 127 || event.Channel == PercussionChannel);
        if (previous) {
            Check(previous->Time <= event.Time);
            Check(previous->Time < event.Time || previous->Kind == TMGEventKind::ProgramChange ||
                  event.Kind != TMGEventKind::ProgramChange);
        }
        notesOn += event.Kind == TMGEventKind::NoteOn;
        notesOff += event.Kind == TMGEventKind::NoteOff;
        previous = &event;
    }
    Check(notesOn == notesOff);
    return 0;
}
