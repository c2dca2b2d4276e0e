// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MidiStream.h"
#include "platform/Volume.h"

#include "platform/AudioOutput.h"
#include "platform/SoundFontSubset.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <dlfcn.h>
#include <fluidsynth.h>
#include <malloc.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const char* PackagedSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// FluidSynth's default gain (0.2) leaves a full-velocity note some 15 dB below the recordings
// (-20 LUFS each); at this gain the game's notes E4 to D5, measured over their first second,
// average about -20 LUFS too, F4 near -21 and C5, the loudest, near -18.
constexpr double SynthGain = 1.6;
// A play that comes before the background load has finished waits this long at most.
constexpr auto LoadLimit = std::chrono::seconds(5);
// Buffers queued or done but not yet reported, over all streams. Bounds every queue below.
constexpr int MaxOutstanding = 256;
constexpr std::size_t RingSize = 1024;
// After this long without a sounding voice even the reverb tail is over: stop rendering the synth.
constexpr std::int64_t QuietFrames = 2 * AudioOutput::SampleRate;
constexpr int DefaultTimeDivision = 96;
constexpr unsigned DefaultTempo = 500000;
constexpr int Channels = 16;
constexpr int PercussionChannel = 9;
constexpr int Polyphony = 64;

// FluidSynth is opened when the synthesizer is first needed instead of being linked: the
// libraries it brings took about a third of the dynamic loader's time at every start of the
// program. Its calls keep their names, as pointers that OpenFluidSynth binds; being variables,
// they hide the library's declarations in this file.
// clang-format off
#define TP_FLUID_CALLS(F)                                                                            \
    F(new_fluid_settings) F(delete_fluid_settings) F(fluid_settings_setnum) F(fluid_settings_setint) \
    F(new_fluid_synth) F(delete_fluid_synth) F(fluid_synth_sfload) F(fluid_set_log_function)         \
    F(fluid_synth_noteon) F(fluid_synth_noteoff) F(fluid_synth_cc) F(fluid_synth_key_pressure)       \
    F(fluid_synth_channel_pressure) F(fluid_synth_program_change) F(fluid_synth_pitch_bend)          \
    F(fluid_synth_all_notes_off) F(fluid_synth_get_active_voice_count) F(fluid_synth_write_float)
// clang-format on
#define TP_FLUID_POINTER(name) decltype(&::name) name = nullptr;
TP_FLUID_CALLS(TP_FLUID_POINTER)
#undef TP_FLUID_POINTER

void* fluidLibrary = nullptr; // the library's handle once every call is bound

// Opens the library the build was made with, once; false when it or one of its calls is missing.
bool OpenFluidSynth() {
    static const bool opened = [] {
        void* library = dlopen(TP_FLUIDSYNTH_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        bool bound = true;
#define TP_FLUID_BIND(name)                                                                                  \
    name = reinterpret_cast<decltype(name)>(dlsym(library, #name));                                          \
    bound = bound && name;
        TP_FLUID_CALLS(TP_FLUID_BIND)
#undef TP_FLUID_BIND
        if (!bound)
            return false;
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        fluidLibrary = library;
        return true;
    }();
    return opened;
}

} // namespace

struct MidiOutHandle {};

struct MidiStreamHandle {
    explicit MidiStreamHandle(QObject* notifyTarget) : target(notifyTarget) {}

    // The output frame of `at` ticks after restart, at the current tempo and division.
    std::int64_t FrameOf(std::int64_t at) const {
        const auto ticks = static_cast<unsigned __int128>(at - anchorTick);
        const auto frames = ticks * tempo * AudioOutput::SampleRate / (unsigned(division) * 1000000ull);
        // Far beyond any stream's end, and safe from overflow.
        constexpr std::int64_t Never = std::int64_t(1) << 62;
        return anchorFrame + static_cast<std::int64_t>(std::min<unsigned __int128>(frames, Never));
    }
    // Times later records from the last one played, so a change applies from there on.
    void Reanchor() {
        anchorFrame = FrameOf(tick);
        anchorTick = tick;
    }

    QPointer<QObject> target;

    // Sequencer state, shared with the render path under the output lock.
    bool running = false;
    std::array<MIDIHDR*, MaxOutstanding> queue{};
    std::size_t head = 0;
    std::size_t count = 0;
    unsigned offset = 0; // bytes of the front buffer already played
    int division = DefaultTimeDivision;
    unsigned tempo = DefaultTempo;
    std::int64_t tick = 0; // ticks from restart to the last record played
    std::int64_t anchorTick = 0;
    std::int64_t anchorFrame = 0;
};

namespace {

// One stream record as read from a buffer.
struct Record {
    unsigned delta = 0;
    unsigned event = 0;
    unsigned size = 0;
};

bool ReadRecord(const MIDIHDR& header, unsigned offset, Record& record) {
    const unsigned bytes = header.dwBytesRecorded;
    if (offset > bytes || bytes - offset < 12)
        return false;
    const char* at = header.lpData + offset;
    std::memcpy(&record.delta, at, 4);
    std::memcpy(&record.event, at + 8, 4);
    record.size = 12;
    if (record.event & MEVT_F_LONG)
        record.size += (MEVT_EVENTPARM(record.event) + 3) & ~3u;
    return record.size <= bytes - offset;
}

bool WellFormed(const MIDIHDR& header) {
    Record record;
    unsigned offset = 0;
    while (offset < header.dwBytesRecorded && ReadRecord(header, offset, record))
        offset += record.size;
    return offset == header.dwBytesRecorded;
}

void SendShortMessage(fluid_synth_t* synth, std::uint32_t msg) {
    const int status = msg & 0xFF;
    const int channel = status & 0x0F;
    const int data1 = (msg >> 8) & 0x7F;
    const int data2 = (msg >> 16) & 0x7F;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case 0x90:
        if (data2 == 0)
            fluid_synth_noteoff(synth, channel, data1);
        else
            fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, data1 | data2 << 7);
        break;
    default: // running status and system messages have no meaning here
        break;
    }
}

bool Loadable(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && info.isReadable();
}

// True when a buffer plays more than the piano of bank 0, program 0 on a melodic channel: another
// program, another bank, or the drum kit.
bool NeedsOtherPresets(const MIDIHDR& header) {
    if (header.dwBytesRecorded > header.dwBufferLength || !header.lpData)
        return false;
    Record record;
    for (unsigned offset = 0; ReadRecord(header, offset, record); offset += record.size) {
        const unsigned kind = MEVT_EVENTTYPE(record.event) & ~(MEVT_F_CALLBACK >> 24);
        const std::uint32_t msg = MEVT_EVENTPARM(record.event);
        const int status = msg & 0xFF, data1 = (msg >> 8) & 0x7F, data2 = (msg >> 16) & 0x7F;
        const bool drums = (status & 0x0F) == PercussionChannel;
        if (kind != MEVT_SHORTMSG)
            continue;
        if (((status & 0xF0) == 0xC0 && (drums || data1 != 0)) ||
            ((status & 0xF0) == 0x90 && drums && data2 > 0) ||
            ((status & 0xF0) == 0xB0 && (data1 == 0 || data1 == 32) && data2 != 0))
            return true;
    }
    return false;
}

// The piano out of the SoundFont at `path`, as a SoundFont of its own; empty when it cannot be cut.
std::string PianoSubset(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto read = [&file](std::uint64_t offset, std::size_t size, char* out) {
        return file.seek(qint64(offset)) && file.read(out, qint64(size)) == qint64(size);
    };
    return SoundFontSubset(read, std::uint64_t(file.size()), 0, 0);
}

} // namespace

std::string SoundFontPath() {
    if (const char* path = std::getenv("TP_SOUNDFONT"); path && *path)
        return path;
    // The desktop's data folders: XDG_DATA_HOME, then each of XDG_DATA_DIRS.
    const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                 QStringLiteral("sounds/sf2/TimGM6mb.sf2"));
    return found.isEmpty() ? PackagedSoundFont : found.toStdString();
}

namespace {

// The threads that load SoundFonts. Each is joined once its load is done, at the next load or
// release, so that going in and out of the Music levels keeps no thread per visit. The program
// may end while one still reads its file: the process waits for it, so that no loader runs while
// the libraries it uses are torn down.
class LoaderThreads {
public:
    ~LoaderThreads() {
        std::lock_guard lock(mutex_);
        for (Loader& loader : loaders_)
            loader.thread.join();
    }
    // Runs `job` on a thread of its own; `done` tells, from any thread, that the job's work is
    // over, so that joining its thread waits at most for the thread's own end.
    void Start(std::function<void()> job, std::function<bool()> done) {
        std::lock_guard lock(mutex_);
        JoinFinished();
        loaders_.push_back({std::thread(std::move(job)), std::move(done)});
    }
    void Reap() {
        std::lock_guard lock(mutex_);
        JoinFinished();
    }

private:
    struct Loader {
        std::thread thread;
        std::function<bool()> done;
    };

    void JoinFinished() {
        std::erase_if(loaders_, [](Loader& loader) {
            if (!loader.done())
                return false;
            loader.thread.join();
            return true;
        });
    }

    std::mutex mutex_;
    std::vector<Loader> loaders_;
};

// Made after the audio output, so that it goes before the output at exit.
LoaderThreads& Loaders() {
    AudioOutput::Instance();
    static LoaderThreads threads;
    return threads;
}

// A synthesizer with one SoundFont, built on a background thread: with only its piano, which is
// all the levels play, or `whole`.
class SoundFontLoad {
public:
    SoundFontLoad(std::string fontPath, bool wholeFont) : path(std::move(fontPath)), whole(wholeFont) {}
    ~SoundFontLoad() {
        if (synth_)
            delete_fluid_synth(synth_);
        if (settings_)
            delete_fluid_settings(settings_);
        if (pianoFile_ >= 0)
            ::close(pianoFile_);
    }

    static std::shared_ptr<SoundFontLoad> Start(const std::string& path, bool whole) {
        auto load = std::make_shared<SoundFontLoad>(path, whole);
        Loaders().Start([load] { load->Run(); },
                        [weak = std::weak_ptr(load)] {
                            const auto alive = weak.lock();
                            return !alive || alive->Done();
                        });
        return load;
    }

    // The synthesizer once loaded; null while loading, after `limit` or when the load failed.
    fluid_synth_t* Wait(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        done_changed_.wait_for(lock, limit, [this] { return done_; });
        return synth_;
    }
    bool Done() {
        std::lock_guard lock(mutex_);
        return done_;
    }
    bool Failed() {
        std::lock_guard lock(mutex_);
        return done_ && !synth_;
    }

    const std::string path;
    const bool whole;

private:
    void Run() {
        fluid_settings_t* settings = nullptr;
        fluid_synth_t* synth = OpenFluidSynth() ? NewSynth(settings) : nullptr;
        std::lock_guard lock(mutex_);
        settings_ = settings;
        synth_ = synth;
        done_ = true;
        done_changed_.notify_all();
    }

    fluid_synth_t* NewSynth(fluid_settings_t*& settings) {
        LoadOnThisThreadOnly();
        const std::string piano = whole ? std::string() : PianoSubset(path);
        settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.sample-rate", AudioOutput::SampleRate);
        fluid_settings_setnum(settings, "synth.gain", SynthGain);
        // Every call is serialised by the output lock already.
        fluid_settings_setint(settings, "synth.threadsafe-api", 0);
        // Of the whole font, only the samples of the instruments selected on a channel are read into
        // memory: the piano and the drum kit of the program reset. The piano's own font is all piano.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", piano.empty() ? 1 : 0);
        // Far more voices than one note and its release need; the default 256 cost 2 MB.
        fluid_settings_setint(settings, "synth.polyphony", Polyphony);
        fluid_synth_t* synth = new_fluid_synth(settings);
        if (synth && (piano.empty() ? fluid_synth_sfload(synth, path.c_str(), 1) : LoadPiano(synth, piano)) ==
                         FLUID_FAILED) {
            delete_fluid_synth(synth);
            synth = nullptr;
        }
        // Reading the font leaves megabytes of freed scratch memory behind.
        malloc_trim(0);
        return synth;
    }

    // FluidSynth reads a file by its name: the piano's font is handed over as an anonymous file,
    // emptied once read. The file stays open as long as the synthesizer, so that its name, which
    // FluidSynth's sample cache goes by, cannot stand for another font meanwhile.
    int LoadPiano(fluid_synth_t* synth, const std::string& font) {
        pianoFile_ = memfd_create("piano.sf2", MFD_CLOEXEC);
        if (pianoFile_ < 0 || ::write(pianoFile_, font.data(), font.size()) != ssize_t(font.size()))
            return FLUID_FAILED;
        const std::string name = "/proc/self/fd/" + std::to_string(pianoFile_);
        const int result = fluid_synth_sfload(synth, name.c_str(), 1);
        [[maybe_unused]] const int emptied = ftruncate(pianoFile_, 0);
        return result;
    }

    // FluidSynth reads the samples in an OpenMP parallel region. One thread loads as fast here and
    // leaves no pool of idle threads behind for the rest of the game.
    static void LoadOnThisThreadOnly() {
        using SetThreads = void (*)(int);
        if (const auto setThreads = reinterpret_cast<SetThreads>(dlsym(fluidLibrary, "omp_set_num_threads")))
            setThreads(1);
    }

    std::mutex mutex_;
    std::condition_variable done_changed_;
    bool done_ = false;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int pianoFile_ = -1;
};

template <class T, std::size_t N> class SpscRing {
public:
    bool Push(const T& item) {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        const std::size_t next = (tail + 1) % N;
        if (next == head_.load(std::memory_order_acquire))
            return false;
        items_[tail] = item;
        tail_.store(next, std::memory_order_release);
        return true;
    }
    const T* Front() const {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        return head == tail_.load(std::memory_order_acquire) ? nullptr : &items_[head];
    }
    void Pop() { head_.store((head_.load(std::memory_order_relaxed) + 1) % N, std::memory_order_release); }
    std::size_t Free() const {
        const std::size_t used =
            (tail_.load(std::memory_order_relaxed) + N - head_.load(std::memory_order_acquire)) % N;
        return N - 1 - used;
    }

private:
    std::array<T, N> items_{};
    std::atomic<std::size_t> head_{0};
    std::atomic<std::size_t> tail_{0};
};

struct Notification {
    std::uint64_t seq = 0;
    unsigned msg = 0;
    MidiStreamHandle* stream = nullptr;
    MIDIHDR* header = nullptr;
};

// Carries notifications to the UI thread in the order they happened. The render path pushes into
// a lock-free ring and the UI thread into a deque (both under the output lock, which orders the
// sequence numbers); an eventfd wakes the UI thread's event loop, which merges the two.
class NotificationQueue {
public:
    NotificationQueue() : wake_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

    // Render path. An `optional` notification is dropped rather than crowd out the done ones.
    void PushFromRender(unsigned msg, MidiStreamHandle* stream, MIDIHDR* header, bool optional) {
        if (optional && ring_.Free() <= std::size_t(MaxOutstanding))
            return;
        if (ring_.Push({next_.fetch_add(1), msg, stream, header}))
            Wake();
    }
    void PushFromUi(unsigned msg, MidiStreamHandle* stream, MIDIHDR* header) {
        fromUi_.push_back({next_.fetch_add(1), msg, stream, header});
        Wake();
    }

    // UI thread: delivers what was pushed before the event loop noticed, each through `deliver`.
    template <class F> void WatchOnUiThread(F deliver) {
        QCoreApplication* app = QCoreApplication::instance();
        if (watcher_ || !app || QThread::currentThread() != app->thread() || wake_ < 0)
            return;
        watcher_ = new QSocketNotifier(wake_, QSocketNotifier::Read, app);
        QObject::connect(watcher_, &QSocketNotifier::activated, watcher_,
                         [this, deliver] { Drain(deliver); });
    }

private:
    void Wake() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
    }

    template <class F> void Drain(F deliver) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(wake_, &count, sizeof count);
        // Later ones wait for the next round of the event loop, as posted messages would.
        const std::uint64_t limit = next_.load();
        for (;;) {
            const Notification* rendered = ring_.Front();
            const bool takeUi = !fromUi_.empty() && (!rendered || fromUi_.front().seq < rendered->seq);
            const Notification* first = takeUi ? &fromUi_.front() : rendered;
            if (!first || first->seq >= limit)
                return;
            const Notification notification = *first;
            if (takeUi)
                fromUi_.pop_front();
            else
                ring_.Pop();
            deliver(notification);
        }
    }

    int wake_;
    std::atomic<std::uint64_t> next_{0};
    SpscRing<Notification, RingSize> ring_;
    std::deque<Notification> fromUi_;
    QPointer<QSocketNotifier> watcher_;
};

// The one MIDI device: a FluidSynth synthesizer rendered into the shared output, with a sequencer
// that plays the open stream's records at their exact output frames.
class MidiDevice final : public AudioSource {
public:
    bool Available() {
        if (!OpenFluidSynth())
            return false;
        AudioOutput& output = AudioOutput::Instance();
        output.Open();
        if (!output.IsAvailable())
            return false;
        const std::string path = SoundFontPath();
        if (load_ && load_->path == path && load_->Failed())
            return false;
        return (active_ && active_->path == path) || Loadable(path);
    }
    bool ValidId(unsigned id) { return (id == 0 || id == MIDI_MAPPER) && Available(); }

    // The piano alone, unless a stream has asked for more (`whole`) since the last release.
    void StartLoad(bool whole = false) {
        releaseWanted_ = false;
        const std::string path = SoundFontPath();
        const auto serves = [&](const std::shared_ptr<SoundFontLoad>& load) {
            return load && load->path == path && (load->whole || !whole);
        };
        if (serves(load_))
            return;
        load_ = serves(active_) ? active_ : SoundFontLoad::Start(path, whole);
    }

    MMRESULT OpenOut(HMIDIOUT* handle, unsigned id) {
        if (!handle)
            return MMSYSERR_INVALPARAM;
        *handle = nullptr;
        if (!ValidId(id))
            return MMSYSERR_BADDEVICEID;
        StartLoad();
        outs_.push_back(std::make_unique<MidiOutHandle>());
        *handle = outs_.back().get();
        return MMSYSERR_NOERROR;
    }
    MMRESULT CloseOut(HMIDIOUT handle) {
        const auto found =
            std::find_if(outs_.begin(), outs_.end(), [&](const auto& out) { return out.get() == handle; });
        if (!handle || found == outs_.end())
            return MMSYSERR_INVALHANDLE;
        outs_.erase(found);
        return MMSYSERR_NOERROR;
    }
    bool IsOut(HMIDIOUT handle) const {
        return handle &&
               std::any_of(outs_.begin(), outs_.end(), [&](const auto& out) { return out.get() == handle; });
    }
    bool IsStream(HMIDISTRM handle) const { return handle && handle == open_; }

    MMRESULT OpenStream(HMIDISTRM* handle, QObject* target) {
        *handle = nullptr;
        if (open_)
            return MMSYSERR_ALLOCATED;
        if (const MMRESULT result = UseSynth(); result != MMSYSERR_NOERROR)
            return result;
        notifications_.WatchOnUiThread([this](const Notification& n) { Deliver(n); });
        auto* stream = new MidiStreamHandle(target);
        Locked([&] {
            playing_ = stream;
            notifications_.PushFromUi(MM_MOM_OPEN, stream, nullptr);
        });
        open_ = stream;
        *handle = stream;
        return MMSYSERR_NOERROR;
    }

    MMRESULT CloseStream(HMIDISTRM stream) {
        MMRESULT result = MMSYSERR_NOERROR;
        Locked([&] {
            if (stream->count > 0) {
                result = MIDIERR_STILLPLAYING;
                return;
            }
            playing_ = nullptr;
            notifications_.PushFromUi(MM_MOM_CLOSE, stream, nullptr);
        });
        if (result != MMSYSERR_NOERROR)
            return result;
        open_ = nullptr; // freed once its close notification has gone out
        if (releaseWanted_)
            ReleaseNow();
        else
            // A note has been asked for and played: the window's roll and the SoundFont's load
            // before it left megabytes of freed pages, which the process would otherwise keep.
            malloc_trim(0);
        return result;
    }

    // Frees the synthesizer now, or when the open stream closes.
    void Release() {
        releaseWanted_ = true;
        if (!open_)
            ReleaseNow();
    }

    MMRESULT Property(MidiStreamHandle& stream, unsigned char* data, unsigned flags) {
        const unsigned action = flags & (MIDIPROP_SET | MIDIPROP_GET);
        const unsigned property = flags & ~(MIDIPROP_SET | MIDIPROP_GET);
        if ((action != MIDIPROP_SET && action != MIDIPROP_GET) ||
            (property != MIDIPROP_TIMEDIV && property != MIDIPROP_TEMPO))
            return MMSYSERR_INVALFLAG;
        unsigned record[2];
        if (!data)
            return MMSYSERR_INVALPARAM;
        std::memcpy(&record[0], data, 4);
        if (record[0] != sizeof record)
            return MMSYSERR_INVALPARAM;
        std::memcpy(&record[1], data + 4, 4);
        if (action == MIDIPROP_GET) {
            Locked(
                [&] { record[1] = property == MIDIPROP_TEMPO ? stream.tempo : unsigned(stream.division); });
            std::memcpy(data + 4, &record[1], 4);
            return MMSYSERR_NOERROR;
        }
        // Only metrical divisions: ticks per quarter note, 1 ... 32767.
        const bool valid = property == MIDIPROP_TEMPO ? record[1] > 0 : record[1] > 0 && record[1] < 0x8000;
        if (!valid)
            return MMSYSERR_INVALPARAM;
        Locked([&] {
            stream.Reanchor();
            if (property == MIDIPROP_TEMPO)
                stream.tempo = record[1];
            else
                stream.division = int(record[1]);
        });
        return MMSYSERR_NOERROR;
    }

    MMRESULT Prepare(MIDIHDR* header, bool prepare) {
        MMRESULT result = MMSYSERR_NOERROR;
        Locked([&] {
            if (header->dwFlags & MHDR_INQUEUE)
                result = MIDIERR_STILLPLAYING;
            else if (prepare)
                header->dwFlags |= MHDR_PREPARED;
            else
                header->dwFlags &= ~MHDR_PREPARED;
        });
        return result;
    }

    MMRESULT Out(MidiStreamHandle& stream, MIDIHDR* header) {
        // The piano plays on when the whole set cannot be had.
        if (active_ && !active_->whole && NeedsOtherPresets(*header))
            UseSynth(true);
        MMRESULT result = MMSYSERR_NOERROR;
        Locked([&] {
            if (!(header->dwFlags & MHDR_PREPARED))
                result = MIDIERR_UNPREPARED;
            else if (header->dwFlags & MHDR_INQUEUE)
                result = MIDIERR_STILLPLAYING;
            else if (header->dwBytesRecorded > header->dwBufferLength ||
                     (!header->lpData && header->dwBytesRecorded > 0) || !WellFormed(*header))
                result = MMSYSERR_INVALPARAM;
            else if (outstanding_ >= MaxOutstanding)
                result = MMSYSERR_NOMEM;
            if (result != MMSYSERR_NOERROR)
                return;
            header->dwFlags = (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE | MHDR_ISSTRM;
            // A running stream with nothing left to play starts the new buffer now.
            if (stream.running && stream.count == 0) {
                stream.anchorFrame = std::max(stream.FrameOf(stream.tick), clock_);
                stream.anchorTick = stream.tick;
            }
            stream.queue[(stream.head + stream.count) % stream.queue.size()] = header;
            ++stream.count;
            ++outstanding_;
        });
        return result;
    }

    void Restart(MidiStreamHandle& stream) {
        Locked([&] {
            if (stream.running)
                return;
            stream.running = true;
            stream.tick = stream.anchorTick = 0;
            stream.anchorFrame = clock_;
        });
    }

    void Stop(MidiStreamHandle& stream) {
        Locked([&] {
            stream.running = false;
            ReturnBuffers(stream);
            stream.tick = stream.anchorTick = 0;
            if (synth_)
                fluid_synth_all_notes_off(synth_, -1);
        });
    }

    void Reset(MidiStreamHandle* stream) {
        Locked([&] {
            if (stream)
                ReturnBuffers(*stream);
            if (!synth_)
                return;
            for (int channel = 0; channel < Channels; ++channel)
                fluid_synth_cc(synth_, channel, 64, 0); // release sustained notes too
            fluid_synth_all_notes_off(synth_, -1);
            for (int channel = 0; channel < Channels; ++channel)
                fluid_synth_cc(synth_, channel, 121, 0);
        });
    }

    void SetHook(std::function<void(std::uint32_t, std::int64_t)> hook) {
        Locked([&] { hook_ = std::move(hook); });
    }

    // Records to come, or a voice or its reverb tail still sounding.
    bool IsBusy() const override {
        return (playing_ && playing_->count > 0) || (synth_ && quiet_ <= QuietFrames);
    }

    void Render(float* mix, int frames) override {
        const std::int64_t end = clock_ + frames;
        std::int64_t at = clock_;
        MidiStreamHandle* stream = playing_;
        while (synth_ && stream && stream->running && stream->count > 0) {
            MIDIHDR& header = *stream->queue[stream->head];
            Record record;
            if (!ReadRecord(header, stream->offset, record)) {
                FinishFront(*stream, true);
                continue;
            }
            const std::int64_t due = std::max(at, stream->FrameOf(stream->tick + record.delta));
            if (due >= end)
                break;
            RenderSynth(mix, at, due);
            at = due;
            stream->tick += record.delta;
            Play(*stream, header, record, due);
            stream->offset += record.size;
        }
        RenderSynth(mix, at, end);
        clock_ = end;
    }

private:
    template <class F> void Locked(F&& f) { AudioOutput::Instance().Locked(std::forward<F>(f)); }

    void ReleaseNow() {
        releaseWanted_ = false;
        Locked([&] { synth_ = nullptr; });
        // Off the render path now: the synthesizer is freed with the last reference to its load.
        active_.reset();
        load_.reset();
        Loaders().Reap();
        malloc_trim(0);
    }

    // Waits for the SoundFont of the current path and puts its synthesizer on the output.
    MMRESULT UseSynth(bool whole = false) {
        StartLoad(whole);
        fluid_synth_t* synth = load_->Wait(std::chrono::duration_cast<std::chrono::milliseconds>(LoadLimit));
        if (!synth)
            return load_->Failed() ? MMSYSERR_BADDEVICEID : MMSYSERR_ERROR;
        if (active_ == load_)
            return MMSYSERR_NOERROR;
        AudioOutput& output = AudioOutput::Instance();
        output.Locked([&] {
            if (!attached_) {
                clock_ = output.FramesRendered();
                output.Attach(this);
                attached_ = true;
            }
            synth_ = synth;
            quiet_ = 0;
        });
        active_ = load_; // the previous synthesizer, if any, is freed here, off the render path
        return MMSYSERR_NOERROR;
    }

    void Play(MidiStreamHandle& stream, MIDIHDR& header, const Record& record, std::int64_t frame) {
        const unsigned kind = MEVT_EVENTTYPE(record.event) & ~(MEVT_F_CALLBACK >> 24);
        if (kind == MEVT_SHORTMSG) {
            const std::uint32_t msg = MEVT_EVENTPARM(record.event);
            SendShortMessage(synth_, msg);
            quiet_ = 0;
            if (hook_)
                hook_(msg, frame);
        } else if (kind == MEVT_TEMPO && MEVT_EVENTPARM(record.event) > 0) {
            stream.Reanchor();
            stream.tempo = MEVT_EVENTPARM(record.event);
        }
        if (record.event & MEVT_F_CALLBACK) {
            header.dwOffset = stream.offset;
            notifications_.PushFromRender(MM_MOM_POSITIONCB, &stream, &header, true);
        }
    }

    void FinishFront(MidiStreamHandle& stream, bool rendering) {
        MIDIHDR* header = stream.queue[stream.head];
        stream.head = (stream.head + 1) % stream.queue.size();
        --stream.count;
        stream.offset = 0;
        header->dwFlags = (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
        if (rendering)
            notifications_.PushFromRender(MM_MOM_DONE, &stream, header, false);
        else
            notifications_.PushFromUi(MM_MOM_DONE, &stream, header);
    }

    void ReturnBuffers(MidiStreamHandle& stream) {
        while (stream.count > 0)
            FinishFront(stream, false);
    }

    void RenderSynth(float* mix, std::int64_t from, std::int64_t to) {
        if (!synth_ || to <= from)
            return;
        int frames = int(to - from);
        if (fluid_synth_get_active_voice_count(synth_) == 0) {
            quiet_ += frames;
            if (quiet_ > QuietFrames)
                return;
        } else {
            quiet_ = 0;
        }
        float* out = mix + 2 * (from - clock_);
        const float gain = SoundGain(TSoundKind::Piano);
        while (frames > 0) {
            const int n = std::min(frames, int(left_.size()));
            fluid_synth_write_float(synth_, n, left_.data(), 0, 1, right_.data(), 0, 1);
            for (int i = 0; i < n; ++i) {
                out[2 * i] += left_[i] * gain;
                out[2 * i + 1] += right_[i] * gain;
            }
            out += 2 * n;
            frames -= n;
        }
    }

    void Deliver(const Notification& n) {
        if (n.msg == MM_MOM_DONE)
            --outstanding_;
        if (n.stream->target) {
            MidiNotifyEvent event(n.msg, n.stream, n.header);
            QCoreApplication::sendEvent(n.stream->target, &event);
        }
        if (n.msg == MM_MOM_CLOSE)
            delete n.stream;
    }

    // UI thread.
    std::shared_ptr<SoundFontLoad> load_;   // the latest load asked for
    std::shared_ptr<SoundFontLoad> active_; // the one whose synthesizer is on the output
    std::vector<std::unique_ptr<MidiOutHandle>> outs_;
    MidiStreamHandle* open_ = nullptr;
    int outstanding_ = 0;
    bool attached_ = false;
    bool releaseWanted_ = false;
    NotificationQueue notifications_;

    // Shared with the render path under the output lock.
    fluid_synth_t* synth_ = nullptr;
    MidiStreamHandle* playing_ = nullptr;
    std::int64_t clock_ = 0; // output frame of the next sample rendered
    std::int64_t quiet_ = 0;
    std::function<void(std::uint32_t, std::int64_t)> hook_;
    std::array<float, 512> left_{};
    std::array<float, 512> right_{};
};

// Never destroyed: the output's callback and late notifications may still reach it at exit.
MidiDevice& Device() {
    static MidiDevice* device = new MidiDevice;
    return *device;
}

bool ValidHeader(const MIDIHDR* header, unsigned size) {
    return header && size == sizeof(MIDIHDR);
}

} // namespace

QEvent::Type MidiNotifyEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

unsigned midiOutGetNumDevs() {
    return Device().Available() ? 1 : 0;
}

MMRESULT midiOutOpen(HMIDIOUT* handle, unsigned deviceId) {
    return Device().OpenOut(handle, deviceId);
}

MMRESULT midiOutClose(HMIDIOUT handle) {
    return Device().CloseOut(handle);
}

MMRESULT midiOutReset(HMIDIOUT handle) {
    if (!Device().IsOut(handle))
        return MMSYSERR_INVALHANDLE;
    Device().Reset(nullptr);
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutReset(HMIDISTRM handle) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    Device().Reset(handle);
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutPrepareHeader(HMIDISTRM handle, MIDIHDR* header, unsigned headerSize) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(header, headerSize) || (!header->lpData && header->dwBufferLength > 0))
        return MMSYSERR_INVALPARAM;
    return Device().Prepare(header, true);
}

MMRESULT midiOutUnprepareHeader(HMIDISTRM handle, MIDIHDR* header, unsigned headerSize) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(header, headerSize))
        return MMSYSERR_INVALPARAM;
    return Device().Prepare(header, false);
}

// Only function callbacks would receive `instance`; notifications here go to an object.
MMRESULT midiStreamOpen(HMIDISTRM* handle, unsigned* deviceId, unsigned cMidi, QObject* notifyTarget,
                        [[maybe_unused]] std::uintptr_t instance, unsigned flags) {
    if (!handle || !deviceId || cMidi != 1)
        return MMSYSERR_INVALPARAM;
    *handle = nullptr;
    if (flags != CALLBACK_NULL && flags != CALLBACK_WINDOW)
        return MMSYSERR_INVALFLAG;
    if (flags == CALLBACK_WINDOW && !notifyTarget)
        return MMSYSERR_INVALPARAM;
    if (!Device().ValidId(*deviceId))
        return MMSYSERR_BADDEVICEID;
    return Device().OpenStream(handle, flags == CALLBACK_WINDOW ? notifyTarget : nullptr);
}

MMRESULT midiStreamClose(HMIDISTRM handle) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    return Device().CloseStream(handle);
}

MMRESULT midiStreamProperty(HMIDISTRM handle, unsigned char* data, unsigned flags) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    return Device().Property(*handle, data, flags);
}

MMRESULT midiStreamOut(HMIDISTRM handle, MIDIHDR* header, unsigned headerSize) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(header, headerSize))
        return MMSYSERR_INVALPARAM;
    return Device().Out(*handle, header);
}

MMRESULT midiStreamRestart(HMIDISTRM handle) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    Device().Restart(*handle);
    return MMSYSERR_NOERROR;
}

MMRESULT midiStreamStop(HMIDISTRM handle) {
    if (!Device().IsStream(handle))
        return MMSYSERR_INVALHANDLE;
    Device().Stop(*handle);
    return MMSYSERR_NOERROR;
}

void PreloadMidi() {
    // The library too loads on the loader's thread: the caller is about to show a window.
    Device().StartLoad();
}

void ReleaseMidi() {
    Device().Release();
}

void SetMidiMessageHook(std::function<void(std::uint32_t msg, std::int64_t frame)> hook) {
    Device().SetHook(std::move(hook));
}
