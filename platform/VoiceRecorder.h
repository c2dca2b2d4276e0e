// SPDX-License-Identifier: GPL-3.0-or-later
// A parent's own voice for a prompt: taken from the microphone through SDL's capture device,
// trimmed of the quiet at both ends, brought to the game's loudness, limited to a few seconds
// and kept as a WAV file.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The loudness of the game's recordings (integrated, K-weighted, gated, in LUFS) and the
// longest a parent's recording may be.
constexpr double VoiceLoudness = -20.0;
constexpr double MaxVoiceSeconds = 5.0;

// Integrated loudness of mono samples (range -1..1) at `rate`; below -70 (or empty) is -inf.
double IntegratedLoudness(const std::vector<float>& samples, int rate);

// What a capture becomes: 16-bit samples, or why there are none (said for a parent).
struct TPreparedVoice {
    std::vector<std::int16_t> samples;
    QString problem;
};
TPreparedVoice PrepareVoice(const std::vector<float>& samples, int rate);

// Writes a mono 16-bit WAV file in one step: the old file stays whole until the new one is
// complete. Empty on success, else why not.
QString SaveVoice(const QString& path, const std::vector<std::int16_t>& samples, int rate);

class TVoiceCapture;

// The microphone, open while recording.
class TVoiceRecorder {
public:
    TVoiceRecorder();
    ~TVoiceRecorder();
    static constexpr int Rate = 44100;

    // Starts listening; empty on success, else why not (said for a parent).
    QString Start();
    bool IsRecording() const;
    // Stops listening and gives what was heard, mono at Rate.
    std::vector<float> Stop();

private:
    std::unique_ptr<TVoiceCapture> capture_;
};
