// SPDX-License-Identifier: GPL-3.0-or-later
// The volume of each kind of sound, applied where that sound is mixed into the output: a linear
// amplitude factor, so half the factor is 6 dB quieter. Full volume unless set otherwise.
#pragma once

enum class TSoundKind { Voice, Piano }; // Voice: the recordings, spoken prompts and applause

// `gain` from 0 (silent) to 1 (as recorded); values outside are brought into that range.
void SetSoundVolume(TSoundKind kind, float gain);
void SetSoundMuted(bool muted);
// The factor the mixer applies now: 0 while muted. Safe on the audio thread.
float SoundGain(TSoundKind kind);
