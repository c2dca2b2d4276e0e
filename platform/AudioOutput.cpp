// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AudioOutput.h"
#include "platform/SdlLibrary.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

AudioOutput& AudioOutput::Instance() {
    static AudioOutput output;
    return output;
}

AudioOutput::~AudioOutput() {
    const std::lock_guard lock(deviceMutex_);
    Close();
}

void AudioOutput::Open() {
    const std::lock_guard lock(deviceMutex_);
    if (offline_)
        return;
    if (tried_) {
        Resume();
        return;
    }
    tried_ = true;
    // Without the library there is no sound, as without a device.
    if (!OpenSdl())
        return;
    sdl::SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Tovimar Plumkin");
    // SDL would turn SIGINT and SIGTERM into events nobody reads, and the program could not be ended.
    sdl::SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL_AUDIODRIVER, when set, picks the driver here.
    if (InitAudio())
        device_ = OpenDevice();
    if (device_ == 0) {
        // No sound card or sound server: keep the timing of a real device, without sound.
        QuitAudio();
        sdl::SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (InitAudio())
            device_ = OpenDevice();
    }
    if (device_ != 0)
        sdl::SDL_PauseAudioDevice(device_, 0);
    ScheduleSuspend();
}

bool AudioOutput::IsOffline() const {
    const std::lock_guard lock(deviceMutex_);
    return offline_;
}

bool AudioOutput::IsAvailable() const {
    const std::lock_guard lock(deviceMutex_);
    return offline_ || device_ != 0 || (suspended_ && !reopenFailed_);
}

bool AudioOutput::IsSuspended() const {
    const std::lock_guard lock(deviceMutex_);
    return suspended_;
}

// A device that cannot be had again just now (a sound server restarting, a card taken by another
// program) stays suspended: this sound is silent, and the next one asks for the device again.
void AudioOutput::Resume() {
    if (suspended_) {
        device_ = OpenDevice();
        suspended_ = device_ == 0;
        reopenFailed_ = suspended_;
        if (device_ != 0)
            sdl::SDL_PauseAudioDevice(device_, 0);
    }
    ScheduleSuspend();
}

void AudioOutput::Suspend() {
    const std::lock_guard lock(deviceMutex_);
    if (device_ == 0)
        return;
    // Waits for a running callback; must not be called with mutex_ held.
    sdl::SDL_CloseAudioDevice(device_);
    device_ = 0;
    suspended_ = true;
}

// The check runs on the application's thread, only while the device is open: once it is
// suspended, nothing of the output runs at all. An Open on another thread asks that thread for
// an Open of its own, which schedules the check.
// SDL's disk driver stands for a recording of the output (the end-to-end tests read its file as
// the sound's timeline); it is never suspended, as each reopening would start the file anew.
void AudioOutput::ScheduleSuspend() {
    lastBusyFrame_ = FramesRendered();
    QCoreApplication* app = QCoreApplication::instance();
    if (device_ == 0 || !app)
        return;
    if (QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(
            app, [this] { Open(); }, Qt::QueuedConnection);
        return;
    }
    if (const char* driver = sdl::SDL_GetCurrentAudioDriver(); driver && std::strcmp(driver, "disk") == 0)
        return;
    if (!suspendTimer_) {
        suspendTimer_ = new QTimer(app);
        suspendTimer_->setSingleShot(true);
        QObject::connect(suspendTimer_, &QTimer::timeout, suspendTimer_, [this] { SuspendWhenIdle(); });
    }
    suspendTimer_->start(SuspendAfterMs);
}

void AudioOutput::SuspendWhenIdle() {
    const std::int64_t idleFrames = FramesRendered() - lastBusyFrame_;
    const std::int64_t wanted = std::int64_t(SuspendAfterMs) * SampleRate / 1000;
    if (idleFrames >= wanted)
        Suspend();
    else if (suspendTimer_)
        suspendTimer_->start(int((wanted - idleFrames) * 1000 / SampleRate) + 1);
}

std::uint32_t AudioOutput::OpenDevice() {
    SDL_AudioSpec want{};
    want.freq = SampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = Channels;
    want.samples = BufferFrames;
    want.callback = &AudioOutput::Callback;
    want.userdata = this;
    callbackMix_.assign(std::size_t(BufferFrames) * Channels, 0.0f);
    // No allowed changes: SDL converts to the hardware format itself, so the callback always
    // sees exactly this format.
    return sdl::SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
}

void AudioOutput::UseOffline() {
    const std::lock_guard lock(deviceMutex_);
    Close();
    offline_ = true;
}

void AudioOutput::Close() {
    if (device_ != 0) {
        // Waits for a running callback; must not be called with mutex_ held.
        sdl::SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    suspended_ = false;
    reopenFailed_ = false;
    QuitAudio();
}

bool AudioOutput::InitAudio() {
    audioInitialised_ = sdl::SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return audioInitialised_;
}

void AudioOutput::QuitAudio() {
    if (audioInitialised_)
        sdl::SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioInitialised_ = false;
}

void AudioOutput::Attach(AudioSource* source) {
    Locked([&] {
        if (std::find(sources_.begin(), sources_.end(), source) == sources_.end())
            sources_.push_back(source);
    });
}

void AudioOutput::Detach(AudioSource* source) {
    Locked([&] { sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end()); });
}

void AudioOutput::RenderOffline(float* out, int frames) {
    Locked([&] { Mix(out, frames); });
}

void AudioOutput::Mix(float* out, int frames) {
    if (frames <= 0)
        return;
    const std::size_t samples = std::size_t(frames) * Channels;
    std::fill(out, out + samples, 0.0f);
    bool busy = false;
    for (AudioSource* source : sources_) {
        source->Render(out, frames);
        busy = source->IsBusy() || busy;
    }
    limiter_.Process(out, frames);
    const std::int64_t rendered = framesRendered_.fetch_add(frames, std::memory_order_relaxed) + frames;
    if (busy)
        lastBusyFrame_.store(rendered, std::memory_order_relaxed);
}

void AudioOutput::ToPcm16(const float* mix, std::int16_t* out, int samples) {
    for (int i = 0; i < samples; ++i)
        out[i] = std::int16_t(std::lrint(std::clamp(mix[i], -1.0f, 1.0f) * 32767.0f));
}

namespace {

// About 1 ms to catch a rising peak, about 150 ms to let go of it.
const float Attack = 1.0f - std::exp(-1.0f / (0.001f * AudioOutput::SampleRate));
const float Release = 1.0f - std::exp(-1.0f / (0.150f * AudioOutput::SampleRate));

// Identity up to `knee`, then a tanh curve with slope 1 at the knee that tends to Ceiling.
float SoftClip(float x, float knee) {
    const float magnitude = std::fabs(x);
    if (magnitude <= knee)
        return x;
    const float room = AudioOutput::Ceiling - knee;
    return std::copysign(knee + room * std::tanh((magnitude - knee) / room), x);
}

} // namespace

void AudioOutput::Limiter::Process(float* frames, int count) {
    for (int i = 0; i < count; ++i) {
        float& left = frames[Channels * i];
        float& right = frames[Channels * i + 1];
        // NaN or infinity from a broken source must not poison the envelope for good.
        if (!std::isfinite(left))
            left = 0.0f;
        if (!std::isfinite(right))
            right = 0.0f;
        const float peak = std::max(std::fabs(left), std::fabs(right));
        envelope_ += (peak > envelope_ ? Attack : Release) * (peak - envelope_);
        // Silence would otherwise let it decay into denormal numbers, slow on every sample.
        if (envelope_ < 1e-6f)
            envelope_ = 0.0f;
        const float gain = envelope_ > Threshold ? Threshold / envelope_ : 1.0f;
        // Both channels get the same gain, so the stereo picture stays.
        left = SoftClip(left * gain, Threshold);
        right = SoftClip(right * gain, Threshold);
    }
}

void AudioOutput::Callback(void* self, std::uint8_t* stream, int bytes) {
    auto* output = static_cast<AudioOutput*>(self);
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const int chunkFrames = int(output->callbackMix_.size()) / Channels;
    int frames = bytes / int(sizeof(std::int16_t) * Channels);
    std::lock_guard guard(output->mutex_);
    while (frames > 0) {
        const int n = std::min(frames, chunkFrames);
        float* mix = output->callbackMix_.data();
        output->Mix(mix, n);
        ToPcm16(mix, out, n * Channels);
        out += n * Channels;
        frames -= n;
    }
}
