// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rewards/word_voice.h"

#include "board/puzzle_state.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "platform/speech.h"
#include "wordlist/word_list.h"

#include <string>

namespace rewards {

namespace {

// The reading last asked for and what became of it. A new reading starts a new generation, so
// the voice of a word the child has left is never played.
struct Voice {
    std::string reading;
    unsigned generation = 0;
    bool requested = false, pending = false, playWhenReady = false;
    std::string wave;
};
Voice voice;

const std::string& currentReading() {
    return wordlist::theWordList[board::thePuzzle.currentEntry].reading;
}

void voiceReady(unsigned generation, std::string wave) {
    if (generation != voice.generation)
        return;
    voice.pending = false;
    voice.wave = std::move(wave);
    if (voice.playWhenReady)
        platform::playWaveImageAsync(voice.wave);
    voice.playWhenReady = false;
}

} // namespace

void PrepareWordVoice() {
    if (voice.requested && voice.reading == currentReading())
        return;
    voice = Voice{currentReading(), voice.generation + 1, true, false, false, {}};
    const std::string text = platform::sjisToUtf8Lossy(voice.reading);
    if (text.empty())
        return;
    voice.pending = true;
    platform::speakInBackground(text, [generation = voice.generation](std::string wave) {
        voiceReady(generation, std::move(wave));
    });
}

bool WordVoiceExpected() {
    PrepareWordVoice();
    return voice.pending || !voice.wave.empty();
}

void PlayWordVoice() {
    if (!WordVoiceExpected())
        return;
    if (voice.pending)
        voice.playWhenReady = true;
    else
        platform::playWaveImageAsync(voice.wave);
}

} // namespace rewards
