// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the application object, its title and the eleven windows in their fixed order.
#pragma once

#include <QStringList>

class TApplication;

// What the command line asks for: --settings opens the parents' settings, --full-screen plays
// this run in full screen. Anything else is left to the toolkit or ignored.
struct TStartOptions {
    bool Settings = false;
    bool FullScreen = false;

    static TStartOptions From(const QStringList& arguments);
    // The same options as words for a game that runs already.
    QStringList Requests() const;
};

// Loads the program's resources (layouts, icon, music font) and registers its classes.
void PrepareProgram(TApplication& application);
// Reads the parents' settings from the user's configuration folder and takes their language (or
// the desktop's), so that the windows are made in it.
void ReadSettings();
// Creates every window, the main menu first.
void CreateWindows(TApplication& application);
// Once the main menu is up: gives the memory that building the windows used and freed back to the
// system, rather than keep it for the whole run.
void ReleaseStartUpMemory();
// Puts the parents' settings to use, now and whenever they change: hints, category page,
// volumes, full screen, language; then does what `options` ask.
void UseSettings(const TStartOptions& options);
// A later start's request, handled by the running game.
void AnswerRequest(const QString& request);
