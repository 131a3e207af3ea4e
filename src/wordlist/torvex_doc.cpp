// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/torvex_doc.h"

#include "wordlist/word_list.h"

namespace wordlist {

void CTorvexDoc::Serialize(platform::Archive& archive) {
    if (archive.isLoading())
        LoadWordList(archive);
    else
        StoreWordList(archive);
}

std::string CTorvexDoc::failureText(const platform::FileFailure& failure) const {
    using enum platform::FileProblem;
    std::string reason;
    switch (failure.problem) {
    case Missing:
        reason = "ファイルが見つかりません。";
        break;
    case NoPermission:
        reason = failure.saving ? "書きこむ許可がありません。" : "読む許可がありません。";
        break;
    case Folder:
        reason = "フォルダーはデータとして開けません。";
        break;
    case NotAFile:
        reason = "ふつうのファイルではないので開けません。";
        break;
    case NoMemory:
        reason = "大きすぎて、メモリーが足りません。";
        break;
    case Other:
        reason = failure.detail;
        break;
    }
    return failure.path +
           (failure.saving ? " に保存できませんでした。\n" : " を開けませんでした。\n") + reason;
}

} // namespace wordlist
