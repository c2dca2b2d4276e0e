// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlaySound.h"
#include "platform/Volume.h"

#include "platform/AudioOutput.h"
#include "platform/DataFolders.h"
#include "platform/SdlLibrary.h"
#include "platform/Voices.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <mutex>
#include <numbers>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int Rate = AudioOutput::SampleRate;
// A RIFF header claiming more than this is taken as broken rather than read.
constexpr std::uint32_t MaxImageBytes = 64u << 20;
// Ten minutes: far more than any recording of the game, and a bound on memory for hostile headers.
constexpr std::int64_t MaxClipFrames = std::int64_t(Rate) * 600;
constexpr std::size_t RiffHeaderBytes = 12;
// Outside this range a recording is broken or no recording at all; a rate of a few hertz would
// have the converter blow a few hundred bytes up into minutes of samples.
constexpr std::uint32_t MinRate = 4000, MaxRate = 192000;
// SDL decodes no format denser than 4-bit ADPCM.
constexpr std::uint32_t MinCodedBits = 4;
constexpr std::uint32_t MaxChannels = 8;

// A decoded sound at the output rate, kept as 16-bit samples at its own channel count (mono or
// stereo): a quarter or an eighth of the memory of float stereo. Mixing converts it.
struct Clip {
    QString name;
    int channels = 1;
    std::vector<std::int16_t> samples; // interleaved
    std::int64_t Frames() const { return std::int64_t(samples.size()) / channels; }
};
using ClipPtr = std::shared_ptr<const Clip>;

// What decoding gave: a clip, or why there is none.
struct Decoded {
    ClipPtr clip;
    QString problem;
};

// The scale of a stored sample: the same as SDL's own 16-bit to float conversion, so a 16-bit
// recording at the output rate mixes exactly as it was recorded.
constexpr float SampleScale = 1.0f / 32768.0f;

std::int16_t ToSample(float value) {
    return std::int16_t(std::lrint(std::clamp(value * 32768.0f, -32768.0f, 32767.0f)));
}

// Adds `frames` frames of `clip`, from frame `from`, to the stereo `mix`, times `gain`; a mono
// clip sounds on both sides.
void MixClip(const Clip& clip, std::int64_t from, std::int64_t frames, float* mix, float gain) {
    const float scale = gain * SampleScale;
    const std::int16_t* in = clip.samples.data() + from * clip.channels;
    if (clip.channels == 1) {
        for (std::int64_t i = 0; i < frames; ++i) {
            const float value = scale * float(in[i]);
            mix[2 * i] += value;
            mix[2 * i + 1] += value;
        }
    } else {
        for (std::int64_t i = 0; i < 2 * frames; ++i)
            mix[i] += scale * float(in[i]);
    }
}

std::uint32_t ReadLE32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void WriteLE32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// SDL allocates the length a chunk claims before it reads the chunk, so a broken header could
// ask for gigabytes. Claims are cut to the bytes present, which also lets a cut-off file play.
void ClampChunkLengths(QByteArray& image) {
    auto* bytes = reinterpret_cast<unsigned char*>(image.data());
    const std::size_t size = std::size_t(image.size());
    if (size < RiffHeaderBytes)
        return;
    WriteLE32(bytes + 4, std::uint32_t(std::min<std::size_t>(ReadLE32(bytes + 4), size - 8)));
    std::size_t at = RiffHeaderBytes;
    while (at + 8 <= size) {
        const std::size_t present = size - at - 8;
        const std::size_t length = ReadLE32(bytes + at + 4);
        if (length > present) {
            WriteLE32(bytes + at + 4, std::uint32_t(present));
            return;
        }
        at += 8 + length + (length & 1);
    }
}

std::uint16_t ReadLE16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// Checks what the header of a RIFF WAVE image promises before anything is decoded: a sample rate
// of a real recording, a sane channel count, and at most MaxClipFrames once converted to the output
// rate. Expects the chunk lengths already cut to the bytes present. Empty when it may be decoded,
// else what is wrong.
QString HeaderProblem(const QByteArray& image) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(image.constData());
    const std::size_t size = std::size_t(image.size());
    if (size == 0)
        return QStringLiteral("empty file");
    if (size < RiffHeaderBytes || std::memcmp(bytes, "RIFF", 4) != 0 ||
        std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return QStringLiteral("not a RIFF WAVE file");
    const unsigned char* format = nullptr;
    std::uint64_t dataBytes = 0;
    bool hasData = false;
    for (std::size_t at = RiffHeaderBytes; at + 8 <= size;) {
        const std::size_t length = ReadLE32(bytes + at + 4);
        if (std::memcmp(bytes + at, "fmt ", 4) == 0 && length >= 16 && !format)
            format = bytes + at + 8;
        else if (std::memcmp(bytes + at, "data", 4) == 0 && !hasData) {
            dataBytes = length;
            hasData = true;
        }
        at += 8 + length + (length & 1);
    }
    if (!format || !hasData)
        return QStringLiteral("no format or no data chunk");
    const std::uint32_t channels = ReadLE16(format + 2);
    const std::uint32_t rate = ReadLE32(format + 4);
    const std::uint32_t bits = std::max<std::uint32_t>(ReadLE16(format + 14), MinCodedBits);
    if (channels == 0 || channels > MaxChannels)
        return QStringLiteral("%1 channels").arg(channels);
    if (rate < MinRate || rate > MaxRate)
        return QStringLiteral("a sample rate of %1 Hz").arg(rate);
    // The most frames the data can hold, and what they become at the output rate.
    std::uint64_t frames = 0, converted = 0;
    const QString tooLong = QStringLiteral("longer than ten minutes");
    if (__builtin_mul_overflow(dataBytes, 8u, &frames))
        return tooLong;
    frames /= std::uint64_t(bits) * channels;
    if (__builtin_mul_overflow(frames, std::uint64_t(Rate), &converted))
        return tooLong;
    return converted / rate <= std::uint64_t(MaxClipFrames) ? QString() : tooLong;
}

QString SdlProblem() {
    return QStringLiteral("undecodable (%1)").arg(QString::fromUtf8(sdl::SDL_GetError()));
}

// Converts with SDL_AudioCVT rather than SDL_AudioStream, which drops the last few milliseconds.
// The rate is converted in float, as SDL does it, and the result rounded to 16 bits; more than
// two channels are mixed down to stereo by SDL.
Decoded Decode(QByteArray image, const QString& name) {
    ClampChunkLengths(image);
    if (QString problem = HeaderProblem(image); !problem.isEmpty())
        return {nullptr, problem};
    if (!OpenSdl())
        return {nullptr, QStringLiteral("the sound library (SDL 2) cannot be opened")};
    SDL_RWops* source = sdl::SDL_RWFromConstMem(image.constData(), int(image.size()));
    if (!source)
        return {nullptr, SdlProblem()};
    SDL_AudioSpec audioFormat{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    if (!sdl::SDL_LoadWAV_RW(source, 1, &audioFormat, &raw, &length))
        return {nullptr, SdlProblem()};
    const std::unique_ptr<Uint8, decltype(sdl::SDL_FreeWAV)> wav(raw, sdl::SDL_FreeWAV);
    const int frameBytes = SDL_AUDIO_BITSIZE(audioFormat.format) / 8 * audioFormat.channels;
    if (frameBytes <= 0 || audioFormat.freq <= 0)
        return {nullptr, QStringLiteral("no sample format")};
    const std::int64_t inFrames = length / Uint32(frameBytes);
    const QString noSamples = QStringLiteral("no samples");
    if (inFrames == 0)
        return {nullptr, noSamples};
    if (inFrames * Rate / audioFormat.freq > MaxClipFrames)
        return {nullptr, QStringLiteral("longer than ten minutes")};
    const int channels = audioFormat.channels == 1 ? 1 : 2;
    SDL_AudioCVT cvt;
    if (sdl::SDL_BuildAudioCVT(&cvt, audioFormat.format, audioFormat.channels, audioFormat.freq, AUDIO_F32SYS,
                               Uint8(channels), Rate) < 0)
        return {nullptr, SdlProblem()};
    const std::int64_t inBytes = inFrames * frameBytes;
    if (inBytes * cvt.len_mult > INT_MAX)
        return {nullptr, QStringLiteral("too large to convert")};
    std::vector<Uint8> work(std::size_t(inBytes * cvt.len_mult));
    std::memcpy(work.data(), wav.get(), std::size_t(inBytes));
    cvt.buf = work.data();
    cvt.len = int(inBytes);
    if (cvt.needed && sdl::SDL_ConvertAudio(&cvt) != 0)
        return {nullptr, SdlProblem()};
    const int outBytes = cvt.needed ? cvt.len_cvt : cvt.len;
    const std::size_t outSamples =
        std::size_t(outBytes) / sizeof(float) / std::size_t(channels) * std::size_t(channels);
    if (outSamples == 0)
        return {nullptr, noSamples};
    auto clip = std::make_shared<Clip>();
    clip->name = name;
    clip->channels = channels;
    const auto* samples = reinterpret_cast<const float*>(work.data());
    clip->samples.resize(outSamples);
    std::transform(samples, samples + outSamples, clip->samples.begin(), ToSample);
    return {clip, {}};
}

// A short soft beep: the sound that stands in for one that cannot be played.
ClipPtr DefaultSound() {
    static const ClipPtr beep = [] {
        constexpr int frames = Rate * 120 / 1000;
        constexpr int fade = Rate * 15 / 1000;
        auto clip = std::make_shared<Clip>();
        clip->name = QStringLiteral("<default>");
        clip->samples.resize(std::size_t(frames));
        for (int i = 0; i < frames; ++i) {
            const float envelope = std::min({1.0f, float(i) / fade, float(frames - 1 - i) / fade});
            clip->samples[std::size_t(i)] =
                ToSample(0.25f * envelope * float(std::sin(2 * std::numbers::pi * 880 * i / Rate)));
        }
        return clip;
    }();
    return beep;
}

// The process's one waveform voice. Its fields are guarded by the output's lock. The callback only
// reads clips; the thread that replaces a clip releases it, after the lock.
class Voice final : public AudioSource {
public:
    Voice() { AudioOutput::Instance().Attach(this); }
    ~Voice() override { AudioOutput::Instance().Detach(this); }

    void Render(float* mix, int frames) override {
        if (!playing_)
            return;
        const std::int64_t total = clip_->Frames();
        const float gain = SoundGain(TSoundKind::Voice);
        int done = 0;
        while (done < frames && playing_) {
            const std::int64_t n = std::min<std::int64_t>(frames - done, total - position_);
            MixClip(*clip_, position_, n, mix + 2 * std::int64_t(done), gain);
            done += int(n);
            position_ += n;
            if (position_ == total) {
                position_ = 0;
                playing_ = loop_;
            }
        }
    }

    bool IsBusy() const override { return playing_; }

    // Starts `clip` from its first sample; returns the number of this play, to wait on it.
    std::uint64_t Start(ClipPtr clip, bool loop) {
        std::uint64_t play = 0;
        AudioOutput::Instance().Locked([&] {
            std::swap(clip_, clip);
            position_ = 0;
            loop_ = loop;
            playing_ = true;
            play = ++plays_;
        });
        return play;
    }

    void Stop() {
        ClipPtr old;
        AudioOutput::Instance().Locked([&] {
            std::swap(clip_, old);
            playing_ = false;
            position_ = 0;
        });
    }

    bool IsPlaying(std::uint64_t play = 0) {
        bool playing = false;
        AudioOutput::Instance().Locked([&] { playing = playing_ && (play == 0 || play == plays_); });
        return playing;
    }

    PlaySoundState State() {
        PlaySoundState state;
        AudioOutput::Instance().Locked([&] {
            if (clip_) {
                state = {clip_->name, playing_, loop_, position_, clip_->Frames(), clip_->channels};
            }
        });
        return state;
    }

private:
    ClipPtr clip_;
    std::int64_t position_ = 0;
    bool loop_ = false;
    bool playing_ = false;
    std::uint64_t plays_ = 0;
};

Voice& TheVoice() {
    static Voice voice;
    return voice;
}

Decoded DecodeFile(const QString& path, const QFileInfo& info) {
    if (info.size() > MaxImageBytes)
        return {nullptr, QStringLiteral("larger than %1 MB").arg(MaxImageBytes >> 20)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr, QStringLiteral("cannot be read (%1)").arg(file.errorString())};
    return Decode(file.read(MaxImageBytes), path);
}

// Decoded files by resolved name; an entry is used while the file keeps its size and time. A
// file that cannot be played is written to the log, once.
class ClipCache {
public:
    // `more`: another recording stands behind this one, should it be unplayable.
    ClipPtr Load(const QString& path, bool more = false) {
        const QFileInfo info(path);
        {
            const std::lock_guard guard(mutex_);
            const auto found = entries_.constFind(path);
            if (found != entries_.cend() && found->size == info.size() &&
                found->modified == info.lastModified())
                return found->clip;
        }
        const Decoded decoded = DecodeFile(path, info);
        const std::lock_guard guard(mutex_);
        if (decoded.clip)
            entries_.insert(path, {decoded.clip, info.size(), info.lastModified()});
        else if (!logged_.contains(path)) {
            logged_.insert(path);
            const QString outcome =
                more ? QStringLiteral("is passed over") : QStringLiteral("plays as silence");
            WriteLogLine(QStringLiteral("Recording %1 %2: %3").arg(path, outcome, decoded.problem));
        }
        return decoded.clip;
    }

private:
    struct Entry {
        ClipPtr clip;
        qint64 size = 0;
        QDateTime modified;
    };
    std::mutex mutex_;
    QHash<QString, Entry> entries_;
    QSet<QString> logged_;
};

// Decodes files into the cache on one background thread, after opening the output there when
// asked to. Stopping asks the thread to end after the file it is on and joins it.
class Preloader {
public:
    explicit Preloader(ClipCache& cache) : cache_(cache) {}
    ~Preloader() { Stop(); }

    void Start(QStringList paths, bool openOutput, std::chrono::milliseconds delay) {
        Stop();
        SetStop(false);
        thread_ = std::thread([this, paths = std::move(paths), openOutput, delay] {
            if (StoppedWithin(delay))
                return;
            // SDL keeps data for every thread that calls it; this thread is not one of its own.
            const auto releaseSdlData = qScopeGuard([] {
                if (OpenSdl())
                    sdl::SDL_TLSCleanup();
            });
            if (openOutput)
                AudioOutput::Instance().Open();
            for (const QString& path : paths) {
                if (stop_)
                    return;
                cache_.Load(path);
            }
            // Decoding leaves freed scratch behind: give it back rather than keep it for the run.
            malloc_trim(0);
        });
    }

    void Stop() {
        SetStop(true);
        if (thread_.joinable())
            thread_.join();
    }

private:
    void SetStop(bool stop) {
        {
            const std::lock_guard guard(mutex_);
            stop_ = stop;
        }
        stopChanged_.notify_all();
    }

    // Waits `delay`, or less when stopped meanwhile; true when stopped.
    bool StoppedWithin(std::chrono::milliseconds delay) {
        std::unique_lock lock(mutex_);
        return stopChanged_.wait_for(lock, delay, [this] { return stop_.load(); });
    }

    ClipCache& cache_;
    std::mutex mutex_;
    std::condition_variable stopChanged_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// The preloader is declared after the cache, so that at exit it has stopped before the cache goes;
// the output it may open comes first of all.
struct Sounds {
    AudioOutput& output = AudioOutput::Instance();
    ClipCache cache;
    Preloader preloader{cache};
};

Sounds& TheSounds() {
    static Sounds sounds;
    return sounds;
}

ClipCache& Cache() {
    return TheSounds().cache;
}

// Qt's own objects go before the program's statics: the preloader stops with the application.
void StopPreloading() {
    TheSounds().preloader.Stop();
}

// Names that were looked for everywhere and found nowhere, each written to the log once.
class MissingNames {
public:
    void Report(const QString& name, const QStringList& places) {
        const std::lock_guard guard(mutex_);
        if (!names_.contains(name)) {
            names_.insert(name);
            WriteLogLine(QStringLiteral("Recording %1 is in none of: %2")
                             .arg(name, places.join(QStringLiteral(", "))));
        }
    }

private:
    std::mutex mutex_;
    QSet<QString> names_;
};

// The game names its recordings like "sounds\clap.wav". The lookup of Voices.h gives the places
// one may be, in order; every one that exists is returned, so that an unplayable file gives way
// to the next.
QStringList ResolveSoundFiles(QString name) {
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty())
        return {};
    if (QDir::isAbsolutePath(name))
        return QFileInfo(name).isFile() ? QStringList{QDir::cleanPath(name)} : QStringList();
    const QStringList places = SoundPlaces(QDir::cleanPath(name));
    QStringList found;
    for (const QString& place : places)
        if (QFileInfo(place).isFile())
            found << place;
    if (found.isEmpty()) {
        static MissingNames missing;
        missing.Report(name, places);
    }
    return found;
}

QString ResolveSoundFile(const QString& name) {
    const QStringList found = ResolveSoundFiles(name);
    return found.isEmpty() ? QString() : found.first();
}

ClipPtr LoadFile(const QString& name) {
    const QStringList found = ResolveSoundFiles(name);
    for (qsizetype i = 0; i < found.size(); ++i)
        if (ClipPtr clip = Cache().Load(found[i], i + 1 < found.size()))
            return clip;
    return nullptr;
}

bool IsRiff(const unsigned char* image) {
    return std::memcmp(image, "RIFF", 4) == 0;
}

// Length of the RIFF WAVE image at `image` from its header, or 0 when the header is none or
// broken. Reads 4 bytes, and 12 when they say "RIFF".
std::size_t ImageLength(const unsigned char* image) {
    if (!IsRiff(image) || std::memcmp(image + 8, "WAVE", 4) != 0)
        return 0;
    const std::uint32_t size = ReadLE32(image + 4);
    if (size < 4 || size > MaxImageBytes - 8)
        return 0;
    return std::size_t(size) + 8;
}

ClipPtr LoadImage(const void* image) {
    const std::size_t length = ImageLength(static_cast<const unsigned char*>(image));
    if (length == 0)
        return nullptr;
    return Decode(QByteArray(static_cast<const char*>(image), qsizetype(length)), QStringLiteral("<memory>"))
        .clip;
}

bool IsDefaultAlias(const char* alias) {
    const QString name = QString::fromLocal8Bit(alias);
    return name.compare(QLatin1String(".Default"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("SystemDefault"), Qt::CaseInsensitive) == 0;
}

ClipPtr Load(const void* sound, unsigned flags) {
    const auto* text = static_cast<const char*>(sound);
    if ((flags & SND_RESOURCE) == SND_RESOURCE)
        return nullptr;
    if (flags & SND_ALIAS)
        return IsDefaultAlias(text) ? DefaultSound() : nullptr;
    if (flags & SND_MEMORY)
        return LoadImage(sound);
    return LoadFile(QFile::decodeName(text));
}

// Blocks until the device has played `play` to its end. Offline nothing plays until a test renders,
// so there is nothing to wait for; a device that stops taking samples ends the wait as well.
void WaitForEnd(Voice& voice, std::uint64_t play) {
    using namespace std::chrono;
    AudioOutput& output = AudioOutput::Instance();
    if (output.IsOffline())
        return;
    std::int64_t frames = output.FramesRendered();
    auto progress = steady_clock::now();
    while (voice.IsPlaying(play)) {
        std::this_thread::sleep_for(milliseconds(2));
        const auto now = steady_clock::now();
        if (output.FramesRendered() != frames) {
            frames = output.FramesRendered();
            progress = now;
        } else if (now - progress > seconds(1)) {
            return;
        }
    }
}

void StartPreloading(const QStringList& fileNames, bool openOutput, std::chrono::milliseconds delay) {
    // Names are resolved here, so the thread needs nothing but the cache.
    QStringList paths;
    for (const QString& name : fileNames)
        if (const QString path = ResolveSoundFile(name); !path.isEmpty())
            paths << path;
    if (QCoreApplication::instance()) {
        qRemovePostRoutine(&StopPreloading);
        qAddPostRoutine(&StopPreloading);
    }
    TheSounds().preloader.Start(std::move(paths), openOutput, delay);
}

} // namespace

bool PlaySoundA(const void* sound, void*, unsigned flags) {
    Voice& voice = TheVoice();
    if (!sound) {
        voice.Stop();
        return true;
    }
    if ((flags & SND_NOSTOP) && voice.IsPlaying())
        return false;
    // A new request silences the old sound even when it cannot play anything itself.
    voice.Stop();
    AudioOutput& output = AudioOutput::Instance();
    output.Open();
    if (!output.IsAvailable())
        return false;
    ClipPtr clip = Load(sound, flags);
    const bool requested = clip != nullptr;
    if (!clip && !(flags & SND_NODEFAULT))
        clip = DefaultSound();
    if (!clip)
        return false;
    const bool loop = requested && (flags & SND_LOOP);
    const std::uint64_t play = voice.Start(std::move(clip), loop);
    if (!(flags & SND_ASYNC) && !loop)
        WaitForEnd(voice, play);
    return requested;
}

void* ProgramInstance() {
    static char instance;
    return &instance;
}

void PreloadSound(const QString& fileName) {
    const QString path = ResolveSoundFile(fileName);
    if (!path.isEmpty())
        Cache().Load(path);
}

void PreloadSounds(const QStringList& fileNames) {
    StartPreloading(fileNames, false, {});
}

void WarmUpSound(const QStringList& fileNames, std::chrono::milliseconds delay) {
    StartPreloading(fileNames, true, delay);
}

bool IsSafeSoundImage(const void* image, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(image);
    if (!bytes || size < 4)
        return false;
    if (!IsRiff(bytes))
        return true;
    if (size < RiffHeaderBytes)
        return false;
    const std::size_t length = ImageLength(bytes);
    return length == 0 || length <= size;
}

PlaySoundState CurrentVoice() {
    return TheVoice().State();
}
