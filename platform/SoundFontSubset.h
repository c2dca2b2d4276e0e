// SPDX-License-Identifier: GPL-3.0-or-later
// Cuts one preset out of a SoundFont 2 file: the levels play a single piano, and the zone tables
// of a whole General MIDI set, with its drum kit's samples, cost the synthesizer megabytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Reads `size` bytes at `offset` of the SoundFont into `out`; false when they are not there.
using SoundFontReader = std::function<bool(std::uint64_t offset, std::size_t size, char* out)>;

// A SoundFont 2 file holding only the preset of `bank` and `program` with its instruments and their
// samples, each byte as in the original, so that it sounds exactly the same. `fileSize` bounds
// every read. Empty when the file is no SoundFont this reader understands or lacks that preset.
std::string SoundFontSubset(const SoundFontReader& read, std::uint64_t fileSize, int bank, int program);
