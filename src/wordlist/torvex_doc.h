// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The document: the word list file's way in and out. It holds no data of its own.
#include "platform/document.h"

namespace wordlist {

class CTorvexDoc : public platform::DocumentContent {
  public:
    void Serialize(platform::Archive& archive) override;
    std::string failureText(const platform::FileFailure& failure) const override;
};

} // namespace wordlist
