// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's own data files (recordings, music font) lie when it is not started from
// its source folder.
#pragma once

#include <QString>
#include <QStringList>

// The folder of the executable (a build folder holds its data beside the program), then the
// installed data folder share/tovimar-plumkin beside the executable's bin/. Empty when the
// executable's path cannot be read.
QStringList ProgramDataFolders();

// The first of ProgramDataFolders() that holds the file `relative`; empty when none does.
QString FindProgramDataFile(const QString& relative);

// The user's folder for what the program leaves behind for a fault report: $XDG_STATE_HOME/
// tovimar-plumkin, or ~/.local/state/tovimar-plumkin when that is not set or not absolute.
QString StateFolder();

// StateFolder(), made where missing, with each folder it makes private to the user (0700); empty
// when it cannot be made.
QString MakeStateFolder();

// The size at which the log is moved aside to tovimar-plumkin.log.1 (replacing the one there) and
// begun afresh: two logs at most.
constexpr qint64 kLogCap = 256 * 1024;

// Appends one time-stamped line to the log in StateFolder(), creating both when needed. Quietly
// does nothing when the folder cannot be written. Safe to call from any thread.
void WriteLogLine(const QString& line);
