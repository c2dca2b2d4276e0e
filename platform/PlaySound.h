// SPDX-License-Identifier: GPL-3.0-or-later
// The waveform sound service the WAV player calls: one process-wide voice on the shared audio
// output, playing WAV files, WAV images in memory or the default sound.
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <cstdint>

constexpr unsigned SND_SYNC = 0x0000, SND_ASYNC = 0x0001, SND_NODEFAULT = 0x0002, SND_MEMORY = 0x0004,
                   SND_LOOP = 0x0008, SND_NOSTOP = 0x0010, SND_NOWAIT = 0x2000, SND_ALIAS = 0x10000,
                   SND_FILENAME = 0x20000, SND_RESOURCE = 0x40004;

// Plays `sound` on the process's one voice, cutting off what it plays, and returns true when the
// requested sound started. A null `sound` stops the voice.
// - SND_FILENAME: `sound` is a file name; backslashes count as '/', a relative name is looked up in
//   the places SoundPlaces (Voices.h) gives: the parent's and the language's recordings first, the
//   program's data folders before the current directory. When one that exists cannot be played,
//   the next plays; a name found nowhere is written to the log once, with the places looked in.
// - SND_MEMORY: `sound` is a complete RIFF WAVE image; its length comes from the RIFF header.
// - SND_RESOURCE: the program has no wave resources. SND_ALIAS: only ".Default" names a sound.
// - SND_NOSTOP: return false, leaving the voice alone, while it plays something.
// - SND_LOOP: repeat until stopped; a looped sound never blocks the caller.
// - Without SND_ASYNC the call returns when the device has played the sound; offline (tests) it
//   returns at once after queuing, as nothing plays until the test renders.
// - A sound that cannot be played gives the default sound unless SND_NODEFAULT is set. A file
//   that is there but cannot be played is named, with the reason, in the log (WriteLogLine), once.
// - SND_NOWAIT has nothing to do: the one output is never busy.
// `module` is not used: there are no resources to look it up in.
bool PlaySoundA(const void* sound, void* module, unsigned flags);

// The module handle of the program itself, for callers that name its resources.
void* ProgramInstance();

// Decodes a sound file into the cache ahead of time, so its first play starts at once.
// Safe to call from any thread.
void PreloadSound(const QString& fileName);

// Decodes the sound files into the cache on a background thread and returns at once. A later
// call replaces the earlier list. The thread is stopped and joined when the application object
// is destroyed, or at exit, so the program may end at any moment.
void PreloadSounds(const QStringList& fileNames);

// Everything the first sound needs, none of it on the caller's thread: after `delay`, opens the
// output (loading the sound library) on the background thread, then decodes the files there as
// PreloadSounds does. Returns at once.
void WarmUpSound(const QStringList& fileNames, std::chrono::milliseconds delay);

// True when PlaySoundA(image, nullptr, SND_MEMORY) reads no byte past `size`: the image is either
// no RIFF WAVE at all (rejected after its 12-byte header) or holds everything its header claims.
bool IsSafeSoundImage(const void* image, std::size_t size);

// For tests: what the voice holds now.
struct PlaySoundState {
    QString name; // the resolved file, "<memory>" or "<default>"; empty when nothing was played
    bool playing = false;
    bool looped = false;
    std::int64_t position = 0; // frames played of the current sound
    std::int64_t frames = 0;   // its length in output frames
    int channels = 0;          // the channels its samples are kept in
};
PlaySoundState CurrentVoice();
