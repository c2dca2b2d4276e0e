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
