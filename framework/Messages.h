// SPDX-License-Identifier: GPL-3.0-or-later
// Window messages that forms pass through their chain of message filters. Qt events are
// translated into these, so that components hooking a form see the messages they name.
#pragma once

#include <cstdint>
#include <functional>

struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;

constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_GETMINMAXINFO = 0x0024;
constexpr unsigned WM_WINDOWPOSCHANGING = 0x0046;
constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
constexpr unsigned WM_DISPLAYCHANGE = 0x007E;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_SIZING = 0x0214;
constexpr unsigned WM_ENTERSIZEMOVE = 0x0231;
constexpr unsigned WM_EXITSIZEMOVE = 0x0232;

// WM_SIZE's WParam.
constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;
// WM_ACTIVATE's WParam.
constexpr unsigned WA_INACTIVE = 0;
constexpr unsigned WA_ACTIVE = 1;
// WM_SYSCOMMAND's WParam.
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_RESTORE = 0xF120;

// Size and size-message parameters pack width and height into one value.
constexpr std::intptr_t MakeSizeParam(int width, int height) {
    return std::intptr_t((unsigned(width) & 0xFFFF) | ((unsigned(height) & 0xFFFF) << 16));
}
constexpr int SizeParamWidth(std::intptr_t param) {
    return int(param & 0xFFFF);
}
constexpr int SizeParamHeight(std::intptr_t param) {
    return int((param >> 16) & 0xFFFF);
}

// WM_GETMINMAXINFO's LParam points at this; outer sizes and positions in pixels.
struct TMinMaxInfo {
    int MaxSizeX = 0, MaxSizeY = 0;
    int MaxPositionX = 0, MaxPositionY = 0;
    int MinTrackSizeX = 0, MinTrackSizeY = 0;
    int MaxTrackSizeX = 0, MaxTrackSizeY = 0;
};

constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_SHOWINGCHANGED = CM_BASE + 34;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 35;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 9;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 8;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 7;
