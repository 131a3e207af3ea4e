// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl_library.h"

#include <dlfcn.h>

#include <optional>

namespace platform {

const SdlLibrary* sdl() {
    static const std::optional<SdlLibrary> library = []() -> std::optional<SdlLibrary> {
        void* handle = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr)
            return std::nullopt;
        SdlLibrary loaded;
        bool complete = true;
#define TORVEX_SDL_RESOLVE(name)                                                                   \
    loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                       \
    complete = complete && loaded.name != nullptr;
        TORVEX_SDL_FUNCTIONS(TORVEX_SDL_RESOLVE)
#undef TORVEX_SDL_RESOLVE
        return complete ? std::optional(loaded) : std::nullopt;
    }();
    return library ? &*library : nullptr;
}

bool initAudioSubsystem() {
    if (sdl() == nullptr)
        return false;
    // SDL would otherwise turn SIGTERM and SIGINT into a quit event nobody reads, and the game
    // could no longer be ended by a signal.
    sdl()->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return sdl()->SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

} // namespace platform
