// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes, Shift-JIS, UTF-8 or neither, load as a word list: at most one message, no kanji over
// 8 bytes, no line break kept. A store gives back every byte of the 150 lines read, loads back
// to the same list and stores to the same bytes.
#include "fuzz_support.h"
#include "platform/archive.h"
#include "platform/message_box.h"
#include "wordlist/word_list.h"

#include <sstream>
#include <string_view>

namespace {

int messagesShown = 0;

void load(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    platform::Archive archive = platform::Archive::loading(in);
    wordlist::LoadWordList(archive);
}

std::string store() {
    std::ostringstream out;
    platform::Archive archive = platform::Archive::storing(out);
    wordlist::StoreWordList(archive);
    return out.str();
}

bool sameWords(const wordlist::WordList& a, const wordlist::WordList& b) {
    for (int k = 1; k <= wordlist::kWordCount; ++k)
        if (a.entries[k].kanji != b.entries[k].kanji ||
            a.entries[k].reading != b.entries[k].reading ||
            a.entries[k].english != b.entries[k].english)
            return false;
    return true;
}

bool wellFormed(const wordlist::WordList& list) {
    for (int k = 1; k <= wordlist::kWordCount; ++k) {
        const wordlist::WordEntry& e = list.entries[k];
        if (e.kanji.size() > wordlist::kMaxKanjiBytes)
            return false;
        for (const std::string* text : {&e.kanji, &e.reading, &e.english})
            if (text->find_first_of("\r\n") != std::string::npos)
                return false;
    }
    return true;
}

// The input up to the end of its 150th line: what a store must give back.
std::string_view linesRead(std::string_view bytes) {
    std::size_t at = 0;
    for (int line = 0; line < 3 * wordlist::kWordCount && at < bytes.size(); ++line) {
        at = bytes.find_first_of("\r\n", at);
        if (at == std::string_view::npos)
            return bytes;
        at += bytes.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    }
    return bytes.substr(0, at);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::setMessageBoxHook([](const std::string&, const std::string&) { ++messagesShown; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzing::require;
    messagesShown = 0;
    load({reinterpret_cast<const char*>(data), size});
    require(messagesShown <= 1, "one message at most per load");
    require(wellFormed(wordlist::theWordList), "no kanji over 8 bytes and no line break in a text");
    const wordlist::WordList loaded = wordlist::theWordList;
    const int messagesOfTheInput = messagesShown;
    const std::string stored = store();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    require(stored.starts_with(linesRead(input)), "the store gives back the lines read");
    messagesShown = 0;
    load(stored);
    require(messagesShown == messagesOfTheInput, "a stored list is told about as the input was");
    require(sameWords(wordlist::theWordList, loaded), "the stored list loads back unchanged");
    require(store() == stored, "storing again gives the same bytes");
    return 0;
}
