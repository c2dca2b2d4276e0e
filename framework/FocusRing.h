// SPDX-License-Identifier: GPL-3.0-or-later
// Focus rings for play with the keyboard: a thick ring in the game's focus colour round what the
// keyboard would press. Rings show from the first key that moves or uses the focus until the
// next mouse press, so the windows look to a player with a mouse as they always did.
#pragma once

#include "framework/Types.h"

#include <QRect>

class QCoreApplication;
class QPainter;

// The focus colour of the game's buttons.
inline constexpr TColor clFocusRing = 0x4080FF;
// A button's ring, in logical pixels: seen across the room, and inside the button's face.
inline constexpr int FocusRingWidth = 5;

// Starts following the keyboard and the mouse of the whole application.
void WatchFocusKeys(QCoreApplication& application);
bool FocusRingsShown();
// Shows or hides the rings from here on, as a key or a mouse press would.
void SetFocusRingsShown(bool shown);
// A ring `width` thick just inside `rect`, edged in black so that it stands out on any colour.
void DrawFocusRing(QPainter& painter, const QRect& rect, int width);
