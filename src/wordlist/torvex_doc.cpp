#include "wordlist/torvex_doc.h"

#include "wordlist/word_list.h"

void CTorvexDoc::Serialize(platform::Archive& archive) {
    if (archive.isLoading())
        LoadWordList(archive);
    else
        StoreWordList(archive);
}
