// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VoiceRecorder.h"
#include "platform/SdlLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <numbers>
#include <string_view>

namespace {

// A second-order filter section, run in double precision.
struct TBiquad {
    double b0, b1, b2, a1, a2;
    double z1 = 0, z2 = 0;
    double Step(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// The loudness weighting at any rate: a high shelf of about +4 dB above 1.7 kHz and a high-pass
// near 38 Hz.
std::vector<double> KWeighted(const std::vector<float>& x, int rate) {
    const double shelfK = std::tan(std::numbers::pi * 1681.974450955533 / rate);
    const double shelfQ = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1 + shelfK / shelfQ + shelfK * shelfK;
    TBiquad shelf{(vh + vb * shelfK / shelfQ + shelfK * shelfK) / a0, 2 * (shelfK * shelfK - vh) / a0,
                  (vh - vb * shelfK / shelfQ + shelfK * shelfK) / a0, 2 * (shelfK * shelfK - 1) / a0,
                  (1 - shelfK / shelfQ + shelfK * shelfK) / a0};
    const double highK = std::tan(std::numbers::pi * 38.13547087602444 / rate), highQ = 0.5003270373238773;
    const double h0 = 1 + highK / highQ + highK * highK;
    TBiquad high{1, -2, 1, 2 * (highK * highK - 1) / h0, (1 - highK / highQ + highK * highK) / h0};
    std::vector<double> out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        out[i] = high.Step(shelf.Step(x[i]));
    return out;
}

double ToLufs(double power) {
    return -0.691 + 10 * std::log10(power);
}

// Mean square of each 10 ms frame.
std::vector<double> FramePowers(const std::vector<float>& x, int rate, int& frame) {
    frame = std::max(1, rate / 100);
    std::vector<double> powers(x.size() / std::size_t(frame));
    for (std::size_t f = 0; f < powers.size(); ++f) {
        double sum = 0;
        for (int i = 0; i < frame; ++i)
            sum += double(x[f * std::size_t(frame) + std::size_t(i)]) *
                   x[f * std::size_t(frame) + std::size_t(i)];
        powers[f] = sum / frame;
    }
    return powers;
}

double Decibels(double power) {
    return 10 * std::log10(std::max(power, 1e-20));
}

// Quieter than this everywhere (a 10 ms frame's level, dBFS) is no voice at all.
constexpr double SilentBelow = -55.0;
// Trimmed where quieter than this below the loudest frame, or than the floor, whichever is higher.
constexpr double TrimBelowLoudest = -40.0, TrimFloor = -62.0;
constexpr double LeadIn = 0.008, Tail = 0.12, FadeOut = 0.06;
constexpr float PeakCeiling = 0.84f; // -1.5 dBFS

} // namespace

double IntegratedLoudness(const std::vector<float>& samples, int rate) {
    constexpr double none = -std::numeric_limits<double>::infinity();
    if (samples.empty() || rate <= 0)
        return none;
    const std::vector<double> weighted = KWeighted(samples, rate);
    const std::size_t block = std::min(weighted.size(), std::size_t(rate) * 4 / 10);
    const std::size_t step = std::max<std::size_t>(1, block / 4);
    std::vector<double> powers;
    for (std::size_t at = 0; at + block <= weighted.size(); at += step) {
        double sum = 0;
        for (std::size_t i = at; i < at + block; ++i)
            sum += weighted[i] * weighted[i];
        if (const double power = sum / double(block); power > 0 && ToLufs(power) > -70)
            powers.push_back(power);
    }
    if (powers.empty())
        return none;
    double mean = 0;
    for (double p : powers)
        mean += p;
    const double relative = ToLufs(mean / double(powers.size())) - 10;
    double gated = 0;
    int count = 0;
    for (double p : powers)
        if (ToLufs(p) > relative) {
            gated += p;
            ++count;
        }
    return count ? ToLufs(gated / count) : none;
}

TPreparedVoice PrepareVoice(const std::vector<float>& captured, int rate) {
    // What a device hands over is taken as it comes: anything not a sample counts as quiet.
    std::vector<float> samples(captured.size());
    std::transform(captured.begin(), captured.end(), samples.begin(),
                   [](float v) { return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f; });
    int frame = 1;
    const std::vector<double> powers = FramePowers(samples, rate, frame);
    const auto loudest = std::max_element(powers.begin(), powers.end());
    if (loudest == powers.end() || Decibels(*loudest) < SilentBelow)
        return {{},
                QCoreApplication::translate("TVoiceRecorder",
                                            "Nothing was heard. Check that the microphone is on and "
                                            "not muted, then speak close to it.")};
    const double threshold = std::max(Decibels(*loudest) + TrimBelowLoudest, TrimFloor);
    std::size_t first = 0, last = powers.size() - 1;
    while (first < last && Decibels(powers[first]) < threshold)
        ++first;
    while (last > first && Decibels(powers[last]) < threshold)
        --last;
    const std::size_t start =
        first * std::size_t(frame) - std::min(first * std::size_t(frame), std::size_t(LeadIn * rate));
    const std::size_t end =
        std::min({samples.size(), (last + 1) * std::size_t(frame) + std::size_t(Tail * rate),
                  start + std::size_t(MaxVoiceSeconds * rate)});
    std::vector<float> voice(samples.begin() + std::ptrdiff_t(start), samples.begin() + std::ptrdiff_t(end));
    const std::size_t fade = std::min(voice.size(), std::size_t(FadeOut * rate));
    for (std::size_t i = 0; i < fade; ++i) {
        const double c = std::cos(std::numbers::pi / 2 * double(i + 1) / double(fade));
        voice[voice.size() - fade + i] *= float(c * c);
    }
    const double loudness = IntegratedLoudness(voice, rate);
    float gain = std::isfinite(loudness) ? float(std::pow(10.0, (VoiceLoudness - loudness) / 20)) : 1.0f;
    float peak = 0;
    for (float v : voice)
        peak = std::max(peak, std::abs(v));
    // A voice with one loud burst keeps its peak below clipping rather than its loudness exact.
    if (peak * gain > PeakCeiling)
        gain = PeakCeiling / peak;
    TPreparedVoice prepared;
    prepared.samples.reserve(voice.size());
    for (float v : voice)
        prepared.samples.push_back(std::int16_t(std::lrint(std::clamp(v * gain, -1.0f, 1.0f) * 32767.0f)));
    return prepared;
}

QString SaveVoice(const QString& path, const std::vector<std::int16_t>& samples, int rate) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("TVoiceRecorder", "The folder %1 cannot be made.")
            .arg(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray header;
    auto put = [&header](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header.append(char(value >> (8 * i) & 0xFF));
    };
    header += "RIFF";
    put(36 + dataBytes, 4);
    header += "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(std::uint32_t(rate), 4);
    put(std::uint32_t(rate) * 2, 4);
    put(2, 2);
    put(16, 2);
    header += "data";
    put(dataBytes, 4);
    QByteArray data(reinterpret_cast<const char*>(samples.data()), qsizetype(dataBytes));
    if (file.write(header) != header.size() || file.write(data) != data.size() || !file.commit())
        return file.errorString();
    return {};
}

// The capture device and what it heard; SDL's thread appends, the caller takes.
class TVoiceCapture {
public:
    ~TVoiceCapture() {
        if (device_ != 0)
            sdl::SDL_CloseAudioDevice(device_);
        if (initialised_)
            sdl::SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    QString Open() {
        const QString noMicrophone = QCoreApplication::translate(
            "TVoiceRecorder", "No microphone was found. Plug one in, or allow the game to use "
                              "it in the computer's sound settings, then try again.");
        if (!OpenSdl())
            return noMicrophone;
        initialised_ = sdl::SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        // The stand-in driver of a computer without sound hears nothing.
        const char* driver = initialised_ ? sdl::SDL_GetCurrentAudioDriver() : nullptr;
        if (!driver || std::string_view(driver) == "dummy")
            return noMicrophone;
        SDL_AudioSpec want{};
        want.freq = TVoiceRecorder::Rate;
        want.format = AUDIO_F32SYS;
        want.channels = 1;
        want.samples = 1024;
        want.callback = &TVoiceCapture::Callback;
        want.userdata = this;
        SDL_AudioSpec have{};
        device_ = sdl::SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
        if (device_ == 0)
            return QCoreApplication::translate("TVoiceRecorder",
                                               "The microphone could not be used (%1). Allow the game to "
                                               "use it in the computer's sound settings, then try again.")
                .arg(QString::fromUtf8(sdl::SDL_GetError()));
        sdl::SDL_PauseAudioDevice(device_, 0);
        return {};
    }

    std::vector<float> Take() {
        if (device_ != 0) {
            sdl::SDL_CloseAudioDevice(device_);
            device_ = 0;
        }
        const std::lock_guard guard(mutex_);
        return std::move(heard_);
    }

private:
    static void Callback(void* self, std::uint8_t* stream, int bytes) {
        auto* capture = static_cast<TVoiceCapture*>(self);
        const auto* samples = reinterpret_cast<const float*>(stream);
        const std::size_t count = std::size_t(bytes) / sizeof(float);
        const std::lock_guard guard(capture->mutex_);
        // A little more than the longest recording is kept: the quiet before the voice is trimmed.
        if (capture->heard_.size() < std::size_t(3 * MaxVoiceSeconds * TVoiceRecorder::Rate))
            capture->heard_.insert(capture->heard_.end(), samples, samples + count);
    }

    std::mutex mutex_;
    std::vector<float> heard_;
    SDL_AudioDeviceID device_ = 0;
    bool initialised_ = false;
};

TVoiceRecorder::TVoiceRecorder() = default;
TVoiceRecorder::~TVoiceRecorder() = default;

QString TVoiceRecorder::Start() {
    capture_ = std::make_unique<TVoiceCapture>();
    QString problem = capture_->Open();
    if (!problem.isEmpty())
        capture_.reset();
    return problem;
}

bool TVoiceRecorder::IsRecording() const {
    return capture_ != nullptr;
}

std::vector<float> TVoiceRecorder::Stop() {
    if (!capture_)
        return {};
    std::vector<float> heard = capture_->Take();
    capture_.reset();
    return heard;
}
