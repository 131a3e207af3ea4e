// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// SDL is loaded at the first sound or recording, not linked: its dynamic linking would sit on the
// path to the first painted board. The header gives the types; these pointers are all the game
// calls. Shared by playback and recording, which open their devices on one audio subsystem.
#include <SDL.h>

namespace platform {

// clang-format off
#define TORVEX_SDL_FUNCTIONS(X)                                                            \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_SetHint) X(SDL_SetHintWithPriority)    \
    X(SDL_ResetHint) X(SDL_OpenAudioDevice) X(SDL_CloseAudioDevice)                        \
    X(SDL_PauseAudioDevice) X(SDL_QueueAudio) X(SDL_ClearQueuedAudio)                      \
    X(SDL_GetQueuedAudioSize) X(SDL_LoadWAV_RW) X(SDL_FreeWAV) X(SDL_RWFromConstMem)       \
    X(SDL_RWFromFile) X(SDL_NewAudioStream) X(SDL_AudioStreamPut) X(SDL_AudioStreamFlush)  \
    X(SDL_AudioStreamAvailable) X(SDL_AudioStreamGet) X(SDL_FreeAudioStream)               \
    X(SDL_GetNumAudioDevices) X(SDL_GetCurrentAudioDriver)
// clang-format on

struct SdlLibrary {
#define TORVEX_SDL_POINTER(name) decltype(&::name) name = nullptr;
    TORVEX_SDL_FUNCTIONS(TORVEX_SDL_POINTER)
#undef TORVEX_SDL_POINTER
};

// Null when the library or one of its functions is missing: then the game is silent.
const SdlLibrary* sdl();

// Starts (one more user of) SDL's audio subsystem; false when it cannot start. Each success is
// ended by one SDL_QuitSubSystem(SDL_INIT_AUDIO).
bool initAudioSubsystem();

} // namespace platform
