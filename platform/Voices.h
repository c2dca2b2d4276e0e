// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a spoken prompt plays: the parent's own recording in the child's language, the
// game's recording in that language, or the English one. The levels name their recordings in
// English ("sounds\black.wav"); only this lookup knows about languages.
#pragma once

#include <QString>
#include <QStringList>

// The languages the game speaks, English first, by their two-letter codes.
QStringList VoiceLanguages();

// How the game's own recordings of a language were made: with a natural voice that reads like a
// person, or with a plainly synthetic one.
enum class TVoiceKind { Recorded, Computer };
TVoiceKind VoiceKind(const QString& language);

// The language the prompts are spoken in: the one set with SetVoiceLanguage, else the first of
// the desktop's languages the game speaks, else English.
QString VoiceLanguage();
// An empty or unknown code follows the desktop again.
void SetVoiceLanguage(const QString& language);

// Where a parent's own recordings of `language` are kept: $XDG_DATA_HOME/tovimar-plumkin/voices/
// <language> (~/.local/share when that is not set or not absolute).
QString ParentVoiceFolder(const QString& language);

// Every place the recording `name` ("sounds/black.wav", relative) may be, best first: the parent's
// recording, then the game's recording in the language, in the program's data folders and then
// the current folder, then the same for English. A name outside "sounds/" is looked for as it is,
// in the program's data folders and then the current folder.
QStringList SoundPlaces(const QString& name);
