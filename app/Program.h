// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the application object, its title and the eleven windows in their fixed order.
#pragma once

class TApplication;

// Loads the program's resources (layouts, icon, music font) and registers its classes.
void PrepareProgram(TApplication& application);
// Creates every window, the main menu first.
void CreateWindows(TApplication& application);
// Once the main menu is up: opens the sound output and readies the recordings in the
// background, so that the first question sounds without delay.
void WarmUpSound();
