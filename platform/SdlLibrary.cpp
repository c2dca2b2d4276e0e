// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SdlLibrary.h"

#include <dlfcn.h>

namespace sdl {

#define TP_SDL_POINTER(name) decltype(&::name) name = nullptr;
TP_SDL_CALLS(TP_SDL_POINTER)
#undef TP_SDL_POINTER

} // namespace sdl

bool OpenSdl() {
    static const bool opened = [] {
        void* library = dlopen(TP_SDL_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        bool bound = true;
#define TP_SDL_BIND(name)                                                                                    \
    sdl::name = reinterpret_cast<decltype(sdl::name)>(dlsym(library, #name));                                \
    bound = bound && sdl::name;
        TP_SDL_CALLS(TP_SDL_BIND)
#undef TP_SDL_BIND
        return bound;
    }();
    return opened;
}
