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
#include <iostream>
#include <optional>
#include <string>
#include <utility>

namespace rewards {

using board::thePuzzle;

namespace {

// Looked for below the working directory captured at start-up, by its whole name: a name cut
// short would never be found for a word of four characters. A file that is there but does not
// decode counts as none, so the word still has its spoken reading or the chime; the first such
// file is named on standard error, once, for whoever looks into a silent word.
platform::DecodedSound ownSound(const std::optional<std::string>& path) {
    if (!path)
        return {};
    const std::string file = thePuzzle.workingDirectory + "/" + *path;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {};
    platform::DecodedSound sound = platform::decodeWaveFile(file);
    static bool failureNoted = false;
    if (sound.empty() && !std::exchange(failureNoted, true))
        std::cerr << "torvex: " << file << " cannot be played; the word's reading is used\n";
    return sound;
}

} // namespace

void PlayWordSound(std::string_view fallbackWave) {
    if (fallbackWave.empty()) {
        platform::messageBoxCaption("FindResource Error", "Error");
        return;
    }
    // A parent's own file wins over the spoken reading.
    const platform::DecodedSound own = ownSound(
        wordlist::wordFilePath("wav", wordlist::theWordList[thePuzzle.currentEntry].kanji, ".wav"));
    const bool ownFile = !own.empty();
    const bool spoken = !ownFile && WordVoiceExpected();
    if (!(ownFile || spoken) || thePuzzle.firstSolve)
        platform::playWaveSync(fallbackWave);
    if (ownFile || spoken)
        thePuzzle.firstSolve = 0;
    if (spoken)
        PlayWordVoice();
    else if (ownFile)
        platform::playDecodedAsync(own);
}

} // namespace rewards
