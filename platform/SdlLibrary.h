// SPDX-License-Identifier: GPL-3.0-or-later
// SDL 2, opened when sound is first needed instead of being linked: the library and the thirty or
// so it brings (sound servers, codecs, Wayland, DRM) would otherwise load at every start, for a
// main menu that never makes a sound. Its headers give the types, macros and constants; its calls
// are the pointers below, named like the calls and bound by OpenSdl.
#pragma once

#include <SDL.h>

// clang-format off
#define TP_SDL_CALLS(F)                                                                              \
    F(SDL_GetError) F(SDL_SetHint) F(SDL_SetHintWithPriority) F(SDL_InitSubSystem)                   \
    F(SDL_QuitSubSystem) F(SDL_GetCurrentAudioDriver) F(SDL_OpenAudioDevice) F(SDL_PauseAudioDevice) \
    F(SDL_CloseAudioDevice) F(SDL_RWFromConstMem) F(SDL_LoadWAV_RW) F(SDL_FreeWAV)                   \
    F(SDL_BuildAudioCVT) F(SDL_ConvertAudio) F(SDL_TLSCleanup)
// clang-format on

namespace sdl {

#define TP_SDL_POINTER(name) extern decltype(&::name) name;
TP_SDL_CALLS(TP_SDL_POINTER)
#undef TP_SDL_POINTER

} // namespace sdl

// Opens the library the build was made with, the first time, from any thread; true once every call
// above is bound. False when the library or one of its calls is missing: then there is no sound.
bool OpenSdl();
