#include "wordlist/word_list.h"

#include "board/puzzle_state.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

WordList theWordList;

namespace {

// Marks the list as freshly read: no word solved, play from word 1 at the next paint.
void restartPlay() {
    for (int k = 1; k <= kWordCount; ++k)
        thePuzzle.solvedFlags[k] = 0;
    thePuzzle.currentEntry = 1;
    thePuzzle.listReloaded = 1;
}

} // namespace

void LoadWordList(platform::Archive& archive) {
    static const std::string anomaly = platform::sjis("異常Data");
    bool anomalyFound = false;
    for (int k = 1; k <= kWordCount; ++k) {
        WordEntry& entry = theWordList[k];
        archive.ReadString(entry.kanji);
        archive.ReadString(entry.reading);
        archive.ReadString(entry.english);
        if (entry.kanji.size() > kMaxKanjiBytes) {
            entry.kanji = anomaly;
            anomalyFound = true;
        }
    }
    if (anomalyFound)
        platform::messageBox("読込みデータに異常があるょ～んｗ。");
    restartPlay();
}

void StoreWordList(platform::Archive& archive) {
    for (int k = 1; k <= kWordCount; ++k) {
        const WordEntry& entry = theWordList[k];
        archive.WriteString(entry.kanji);
        archive.WriteString("\n");
        archive.WriteString(entry.reading);
        archive.WriteString("\n");
        archive.WriteString(entry.english);
        archive.WriteString("\r\n");
    }
}
