// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one audio output: an SDL device opened once, whose callback mixes every
// attached source. Tests render the same mix offline and count samples instead of time.
#pragma once

#include <QPointer>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Called on the audio thread (or directly by tests): ADD `frames` stereo float frames
    // (interleaved L,R, range -1..1) into `mix`. Must not block or allocate.
    virtual void Render(float* mix, int frames) = 0;
    // Called like Render, after it: true while the source sounds or has sound to come. The device
    // is suspended only after every source has been idle for a while.
    virtual bool IsBusy() const { return false; }
};

class QTimer;

class AudioOutput {
public:
    static AudioOutput& Instance();
    static constexpr int SampleRate = 44100; // stereo
    static constexpr int Channels = 2;
    // Small enough that a sound starts within about 12 ms of being queued.
    static constexpr int BufferFrames = 512;

    // Opens the device the first time, or resumes a suspended one. Falls back to SDL's "dummy"
    // driver when no real device opens, so timing behaves the same and the program is silent. Call
    // it before every sound: with an application object, the device is suspended again once it
    // has been idle for SuspendAfterMs after the last call and the last busy source (not on SDL's
    // disk driver, whose file is the output's timeline). Never throws. The first call loads SDL
    // and may come from any thread, so that the application's thread need not wait for that.
    void Open();
    // Closes the device, so that no audio thread runs while nothing sounds; Open resumes it.
    void Suspend();
    static constexpr int SuspendAfterMs = 3000;
    // Tests: never open a device; the mix is produced only by RenderOffline.
    void UseOffline();
    bool IsOffline() const;
    // True when sound can be produced: offline, or a device (real or dummy) is open or suspended
    // and not refused at its last reopening.
    bool IsAvailable() const;
    bool IsSuspended() const;

    void Attach(AudioSource* source); // thread-safe against the callback
    void Detach(AudioSource* source); // after it returns, the callback no longer touches source

    // Mixes all sources into `out` (cleared first), then limits; the SDL callback calls the same
    // function. A mix that stays within Threshold passes unchanged; a louder one is limited and
    // never goes beyond Ceiling in magnitude.
    void RenderOffline(float* out, int frames);
    static constexpr float Threshold = 0.89f; // -1 dBFS: the recordings alone pass untouched
    static constexpr float Ceiling = 0.98f;
    // The device format: 16-bit samples of a limited mix.
    static void ToPcm16(const float* mix, std::int16_t* out, int samples);
    // Frames mixed so far: the sample clock of the output.
    std::int64_t FramesRendered() const { return framesRendered_.load(std::memory_order_relaxed); }

    // Runs `f` while the callback is locked out, for short state changes.
    template <class F> void Locked(F&& f) {
        std::lock_guard guard(mutex_);
        f();
    }

private:
    // Keeps the sum of the sources from clipping: a gain that follows the mix's peak (fast down,
    // slowly back up) holds loud passages at Threshold, and a soft clip above Threshold rounds
    // off what the gain lets through, towards Ceiling.
    class Limiter {
    public:
        void Process(float* frames, int count);

    private:
        float envelope_ = 0.0f;
    };

    AudioOutput() = default;
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    bool InitAudio();
    void QuitAudio();
    std::uint32_t OpenDevice();
    void Resume();
    void ScheduleSuspend();
    void SuspendWhenIdle();
    void Close();
    void Mix(float* out, int frames);
    static void Callback(void* self, std::uint8_t* stream, int bytes);

    // One lock for the callback and every state change. The callback takes it itself rather than
    // relying on SDL's device lock, so offline rendering and the device share the same rules.
    std::recursive_mutex mutex_;
    std::vector<AudioSource*> sources_;
    std::vector<float> callbackMix_;
    Limiter limiter_;
    std::atomic<std::int64_t> framesRendered_{0};
    std::atomic<std::int64_t> lastBusyFrame_{0}; // the output clock when a source last was busy
    // Guards the device's state below; never taken by the callback, and taken before mutex_.
    mutable std::mutex deviceMutex_;
    std::uint32_t device_ = 0;
    QPointer<QTimer> suspendTimer_; // used on the application's thread only
    bool suspended_ = false;
    bool reopenFailed_ = false;
    bool tried_ = false;
    bool audioInitialised_ = false;
    bool offline_ = false;
};
