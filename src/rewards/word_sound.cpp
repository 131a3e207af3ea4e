// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/word_sound.h"

#include "board/puzzle_state.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "rewards/word_voice.h"
#include "wordlist/word_files.h"
#include "wordlist/word_list.h"

#include <filesystem>
#include <optional>
#include <string>

namespace {

// Looked for below the working directory captured at start-up, by its whole name: a name cut
// short would never be found for a word of four characters.
bool soundFileExists(const std::optional<std::string>& path) {
    std::error_code error;
    return path && std::filesystem::exists(thePuzzle.workingDirectory + "/" + *path, error);
}

} // namespace

void PlayWordSound(std::string_view fallbackWave) {
    if (fallbackWave.empty()) {
        platform::messageBoxCaption("FindResource Error", "Error");
        return;
    }
    const std::optional<std::string> path =
        wordFilePath("wav", theWordList[thePuzzle.currentEntry].kanji, ".wav");
    // A parent's own file wins over the spoken reading.
    const bool ownFile = soundFileExists(path);
    const bool spoken = !ownFile && WordVoiceExpected();
    if (!(ownFile || spoken) || thePuzzle.firstSolve)
        platform::playWaveSync(fallbackWave);
    if (ownFile || spoken)
        thePuzzle.firstSolve = 0;
    if (spoken)
        PlayWordVoice();
    else if (path)
        platform::playWaveFileAsync(*path);
}
