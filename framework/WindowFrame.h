// SPDX-License-Identifier: GPL-3.0-or-later
// What the window manager does to a maximized window, asked before any window is mapped, so
// that a form can open at the very place and size it ends up at.
#pragma once

#include <QMargins>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

// The widest frame edge believed, in device pixels; a larger one counts as this wide.
constexpr std::uint32_t kMostFrame = 256;

// The frame of a window from its _NET_FRAME_EXTENTS values (left, right, top, bottom), each
// edge held to 0 ... kMostFrame.
QMargins FrameExtentsFromProperty(const std::array<std::uint32_t, 4>& values);

// The frame a window manager draws around a maximized window (logical pixels), as it says
// when asked about a window it has not yet mapped; nothing when no window manager answers.
std::optional<QMargins> MaximizedFrameExtents();

// The client area of a maximized window: the screen's work area less that frame, or less
// `nominal` when the window manager does not say.
QRect MaximizedClientArea(const QMargins& nominal);
