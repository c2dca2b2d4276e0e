// SPDX-License-Identifier: GPL-3.0-or-later
// What the window manager does to a maximized window, asked before any window is mapped, so
// that a form can open at the very place and size it ends up at.
#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

// The frame a window manager draws around a maximized window (logical pixels), as it says
// when asked about a window it has not yet mapped; nothing when no window manager answers.
std::optional<QMargins> MaximizedFrameExtents();

// The client area of a maximized window: the screen's work area less that frame, or less
// `nominal` when the window manager does not say.
QRect MaximizedClientArea(const QMargins& nominal);
