// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI note generator: a non-visual component that sounds one note, or a short sequence written
// as a play string, on the platform's MIDI output. A play builds a buffer of timed MIDI messages,
// starts a stream with it and returns; the stream's notifications drive looping and closing.
#pragma once

#include "framework/Component.h"
#include "platform/MidiStream.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace mg {
Q_NAMESPACE

// Semitones above C.
enum TMGNote : int { mgC, mgCsharp, mgD, mgDsharp, mgE, mgF, mgFsharp, mgG, mgGsharp, mgA, mgAsharp, mgB };
Q_ENUM_NS(TMGNote)

// The MIDI channel number minus one; mgCh10 is the percussion channel.
enum TMGChannel : int {
    mgCh01,
    mgCh02,
    mgCh03,
    mgCh04,
    mgCh05,
    mgCh06,
    mgCh07,
    mgCh08,
    mgCh09,
    mgCh10,
    mgCh11,
    mgCh12,
    mgCh13,
    mgCh14,
    mgCh15,
    mgCh16
};
Q_ENUM_NS(TMGChannel)

// 0 ... 127: the General MIDI programs; 128 ... 174: the percussion sounds of keys 35 ... 81.
enum TMGInstrument : int {
    mgAcousticGrandPiano,
    mgBrightAcousticPiano,
    mgElectricGrandPiano,
    mgHonkyTonkPiano,
    mgElectricPiano1,
    mgElectricPiano2,
    mgHarpsichord,
    mgClavinet,
    mgCelesta,
    mgGlockenspiel,
    mgMusicBox,
    mgVibraphone,
    mgMarimba,
    mgXylophone,
    mgTubularBells,
    mgDulcimer,
    mgDrawbarOrgan,
    mgPercussiveOrgan,
    mgRockOrgan,
    mgChurchOrgan,
    mgReedOrgan,
    mgAccordion,
    mgHarmonica,
    mgTangoAccordion,
    mgAcousticNylonGuitar,
    mgAcousticSteelGuitar,
    mgJazzElectricGuitar,
    mgCleanElectricGuitar,
    mgMutedElectricGuitar,
    mgOverdrivenGuitar,
    mgDistortionGuitar,
    mgGuitarHarmonics,
    mgAcousticBass,
    mgFingeredElectricBass,
    mgPickedElectricBass,
    mgFretlessBass,
    mgSlapBass1,
    mgSlapBass2,
    mgSynthBass1,
    mgSynthBass2,
    mgViolin,
    mgViola,
    mgCello,
    mgContrabass,
    mgTremoloStrings,
    mgPizzicatoStrings,
    mgOrchestralHarp,
    mgTimpani,
    mgStringEnsemble1,
    mgStringEnsemble2,
    mgSynthStrings1,
    mgSynthStrings2,
    mgChoirAahs,
    mgVoiceOohs,
    mgSynthVoice,
    mgOrchestraHit,
    mgTrumpet,
    mgTrombone,
    mgTuba,
    mgMutedTrumpet,
    mgFrenchHorn,
    mgBrassSection,
    mgSynthBrass1,
    mgSynthBrass2,
    mgSopranoSax,
    mgAltoSax,
    mgTenorSax,
    mgBaritoneSax,
    mgOboe,
    mgEnglishHorn,
    mgBassoon,
    mgClarinet,
    mgPiccolo,
    mgFlute,
    mgRecorder,
    mgPanFlute,
    mgBlownBottle,
    mgShakuhachi,
    mgWhistle,
    mgOcarina,
    mgSquareLead,
    mgSawtoothLead,
    mgCalliopeLead,
    mgChiffLead,
    mgCharangLead,
    mgVoiceLead,
    mgFifthsLead,
    mgBassandLead,
    mgNewAgePad,
    mgWarmPad,
    mgPolySynthPad,
    mgChoirPad,
    mgBowedPad,
    mgMetallicPad,
    mgHaloPad,
    mgSweepPad,
    mgSynthFXRain,
    mgSynthFXSoundtrack,
    mgSynthFXCrystal,
    mgSynthFXAtmosphere,
    mgSynthFXBrightness,
    mgSynthFXGoblins,
    mgSynthFXEchoes,
    mgSynthFXSciFi,
    mgSitar,
    mgBanjo,
    mgShamisen,
    mgKoto,
    mgKalimba,
    mgBagpipe,
    mgFiddle,
    mgShanai,
    mgTinkleBell,
    mgAgogo,
    mgSteelDrums,
    mgWoodblock,
    mgTaikoDrum,
    mgMelodicTom,
    mgSynthDrum,
    mgReverseCymbal,
    mgGuitarFretNoise,
    mgBreathNoise,
    mgSeashore,
    mgBirdTweet,
    mgTelephoneRing,
    mgHelicopter,
    mgApplause,
    mgGunshot,
    mgAcousticBassDrum,
    mgBassDrum1,
    mgSideStick,
    mgAcousticSnare,
    mgHandClap,
    mgElectricSnare,
    mgLowFloorTom,
    mgClosedHiHat,
    mgHighFloorTom,
    mgPedalHiHat,
    mgLowTom,
    mgOpenHiHat,
    mgLowMidTom,
    mgHiMidTom,
    mgCrashCymbal1,
    mgHighTom,
    mgRideCymbal1,
    mgChineseCymbal,
    mgRideBell,
    mgTambourine,
    mgSplashCymbal,
    mgCowbell,
    mgCrashCymbal2,
    mgVibraslap,
    mgRideCymbal2,
    mgHiBongo,
    mgLowBongo,
    mgMuteHiConga,
    mgOpenHiConga,
    mgLowConga,
    mgHighTimbale,
    mgLowTimbale,
    mgHighAgogo,
    mgLowAgogo,
    mgCabasa,
    mgMaracas,
    mgShortWhistle,
    mgLongWhistle,
    mgShortGuiro,
    mgLongGuiro,
    mgClaves,
    mgHiWoodBlock,
    mgLowWoodBlock,
    mgMuteCuica,
    mgOpenCuica,
    mgMuteTriangle,
    mgOpenTriangle
};
Q_ENUM_NS(TMGInstrument)

constexpr int PercussionChannel = mgCh10;

enum class TMGEventKind { ProgramChange, NoteOn, NoteOff };

// One entry of the event list a play is built from.
struct TMGEvent {
    std::uint32_t Time; // ticks from the start
    TMGEventKind Kind;
    int Value; // program, key, or instrument value of a percussion sound on a melodic channel
    int Channel;
    friend bool operator==(const TMGEvent&, const TMGEvent&) = default;
};

// What a play string is read against: the generator's properties at the time of the play.
struct TMGPlaySettings {
    int Channel = mgCh01;
    int Instrument = mgAcousticGrandPiano;
    int Octave = 4;
    std::uint32_t Duration = 50;
};

struct TMGPlayList {
    std::vector<TMGEvent> Events; // sorted by time, program changes first among equal times
    bool PitchBendAllowed = true; // one chord of equally long notes
};

// Reads a play string: items separated by ",", each "[delta;]note[;duration]" where the note is a
// name with optional octave ("C#4", "E-"), "N" + MIDI key or "I" + instrument value. Malformed
// items are skipped.
TMGPlayList ParsePlayString(const QString& text, const TMGPlaySettings& settings);

} // namespace mg

// The generator's vocabulary, unqualified as its callers use it.
using mg::TMGNote;
using enum mg::TMGNote;
using mg::TMGChannel;
using enum mg::TMGChannel;
using mg::TMGInstrument;
using enum mg::TMGInstrument;

class TMidiGen : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(int Pan READ Pan WRITE SetPan)
    Q_PROPERTY(int Reverb READ Reverb WRITE SetReverb)
    Q_PROPERTY(int Chorus READ Chorus WRITE SetChorus)
    Q_PROPERTY(bool Sustain READ Sustain WRITE SetSustain)
    Q_PROPERTY(int Modulation READ Modulation WRITE SetModulation)
    Q_PROPERTY(int PitchBend READ PitchBend WRITE SetPitchBend)
    Q_PROPERTY(int PBDelay READ PBDelay WRITE SetPBDelay)
    Q_PROPERTY(int PBDuration READ PBDuration WRITE SetPBDuration)
    Q_PROPERTY(quint32 Duration READ Duration WRITE SetDuration)
    Q_PROPERTY(mg::TMGNote Note READ Note WRITE SetNote)
    Q_PROPERTY(int Octave READ Octave WRITE SetOctave)
    Q_PROPERTY(mg::TMGInstrument Instrument READ Instrument WRITE SetInstrument)
    Q_PROPERTY(mg::TMGChannel Channel READ Channel WRITE SetChannel)
    Q_PROPERTY(quint32 Loops READ Loops WRITE SetLoops)
    Q_PROPERTY(bool IsPlaying READ IsPlaying)

public:
    explicit TMidiGen(QObject* owner);
    // Stops the note and closes its stream.
    ~TMidiGen() override;

    // The note 12 x Octave + Note with the current properties; true when it started.
    bool Play();
    bool PlayNote(int key);
    bool PlayString(const QString& playString);
    // Ends the sounding stream early, once it has reported its first record; does not wait.
    void Stop();
    bool MidiAvailable();
    // Selects the output device for later plays; true when `deviceId` names an existing device.
    bool SetDevice(int deviceId);

    // The records of the current play as handed to the stream; empty once the stream has
    // returned them.
    QByteArray EventBuffer() const;

    int Volume() const { return FVolume; }
    void SetVolume(int value) { FVolume = RangeCheck(value, 0, 100); }
    int Pan() const { return FPan; }
    void SetPan(int value) { FPan = RangeCheck(value, -100, 100); }
    int Reverb() const { return FReverb; }
    void SetReverb(int value) { FReverb = RangeCheck(value, 0, 100); }
    int Chorus() const { return FChorus; }
    void SetChorus(int value) { FChorus = RangeCheck(value, 0, 100); }
    bool Sustain() const { return FSustain; }
    void SetSustain(bool value) { FSustain = value; }
    int Modulation() const { return FModulation; }
    void SetModulation(int value) { FModulation = RangeCheck(value, 0, 100); }
    int PitchBend() const { return FPitchBend; }
    void SetPitchBend(int value) { FPitchBend = RangeCheck(value, -120, 120); }
    int PBDelay() const { return FPBDelay; }
    void SetPBDelay(int value) { FPBDelay = RangeCheck(value, 0, 100); }
    int PBDuration() const { return FPBDuration; }
    void SetPBDuration(int value) { FPBDuration = RangeCheck(value, 0, 100); }
    quint32 Duration() const { return FDuration; }
    void SetDuration(quint32 value) { FDuration = value; }
    TMGNote Note() const { return FNote; }
    void SetNote(TMGNote value) { FNote = TMGNote(RangeCheck(value, mgC, mgB)); }
    int Octave() const { return FOctave; }
    void SetOctave(int value) { FOctave = RangeCheck(value, 0, 10); }
    TMGInstrument Instrument() const { return FInstrument; }
    void SetInstrument(TMGInstrument value) {
        FInstrument = TMGInstrument(RangeCheck(value, mgAcousticGrandPiano, mgOpenTriangle));
    }
    TMGChannel Channel() const { return FChannel; }
    void SetChannel(TMGChannel value) { FChannel = TMGChannel(RangeCheck(value, mgCh01, mgCh16)); }
    quint32 Loops() const { return FLoops; }
    void SetLoops(quint32 value) { FLoops = value; }
    bool IsPlaying() const { return FIsPlaying; }

private:
    class NotifyWindow;

    // Out-of-range values are clamped silently: the component is never designed here, so the
    // designer's message box has no place.
    static int RangeCheck(int value, int low, int high) {
        return value > high ? high : value < low ? low : value;
    }

    bool StartCheck();
    bool BuildAndStart(const std::vector<mg::TMGEvent>& events, bool pitchBendAllowed);
    bool OpenAndStart();
    bool Failed();
    void CloseStreamNow();
    void AppendSetup();
    void AppendEvents(const std::vector<mg::TMGEvent>& events, bool bending);
    void AppendPitchBendRamp(int channel, std::uint32_t delta);
    void AppendMessage(std::uint32_t delta, int status, int data1, int data2, bool callback = false);
    void AppendRecord(std::uint32_t delta, std::uint32_t event);
    int NoteKey(const mg::TMGEvent& event) const;
    void FreeBuffer();
    template <class Done> bool ProcessMessagesUntil(Done done);
    void Notify(const MidiNotifyEvent& event);
    void StreamDone();

    HMIDISTRM FStream = nullptr;
    unsigned FDeviceId = MIDI_MAPPER;
    std::vector<std::uint8_t> FEventBuffer;
    MIDIHDR FHeader{};
    int FInstance;
    int FVolume = 100;
    int FModulation = 0;
    int FChorus = 0;
    int FReverb = 0;
    int FPitchBend = 0;
    int FPBDelay = 0;
    int FPBDuration = 100;
    bool FSustain = false;
    int FPan = 0;
    TMGNote FNote = mgC;
    int FOctave = 4;
    quint32 FDuration = 50;
    TMGInstrument FInstrument = mgAcousticGrandPiano;
    TMGChannel FChannel = mgCh01;
    int FCurrentChannel = 0;
    quint32 FLoops = 1;
    bool FIsPlaying = false;
    bool FOpened = false;
    bool FContinue = false;
    quint32 FLoopsLeft = 0;
    bool FReady = true;
    std::unique_ptr<NotifyWindow> FNotifyWindow;
};
