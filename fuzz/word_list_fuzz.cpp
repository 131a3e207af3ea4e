// Any bytes load as a word list: at most one message, no kanji over 8 bytes, no line break kept.
// What is then stored loads back to the same list and stores to the same bytes, 150 lines in the
// pattern LF, LF, CR LF.
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
    LoadWordList(archive);
}

std::string store() {
    std::ostringstream out;
    platform::Archive archive = platform::Archive::storing(out);
    StoreWordList(archive);
    return out.str();
}

bool sameWords(const WordList& a, const WordList& b) {
    for (int k = 1; k <= kWordCount; ++k)
        if (a.entries[k].kanji != b.entries[k].kanji ||
            a.entries[k].reading != b.entries[k].reading ||
            a.entries[k].english != b.entries[k].english)
            return false;
    return true;
}

bool wellFormed(const WordList& list) {
    for (int k = 1; k <= kWordCount; ++k) {
        const WordEntry& e = list.entries[k];
        if (e.kanji.size() > kMaxKanjiBytes)
            return false;
        for (const std::string* text : {&e.kanji, &e.reading, &e.english})
            if (text->find_first_of("\r\n") != std::string::npos)
                return false;
    }
    return true;
}

// Every entry ends in LF, LF, CR LF, and no other line break occurs.
bool hasTheFilesLineEnds(std::string_view bytes) {
    std::size_t lineFeeds = 0, returns = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r')
            ++returns;
        if (bytes[i] != '\n')
            continue;
        ++lineFeeds;
        const bool third = lineFeeds % 3 == 0;
        if (third != (i > 0 && bytes[i - 1] == '\r'))
            return false;
    }
    return lineFeeds == 3 * kWordCount && returns == kWordCount && bytes.ends_with("\r\n");
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
    require(wellFormed(theWordList), "no kanji over 8 bytes and no line break in a text");
    const WordList loaded = theWordList;
    const int messagesOfTheInput = messagesShown;
    const std::string stored = store();
    require(hasTheFilesLineEnds(stored), "150 lines ending LF, LF, CR LF");
    load(stored);
    require(messagesShown == messagesOfTheInput, "a stored list loads without a message");
    require(sameWords(theWordList, loaded), "the stored list loads back unchanged");
    require(store() == stored, "storing again gives the same bytes");
    return 0;
}
