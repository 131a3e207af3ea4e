// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/archive.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace platform {

bool Archive::ReadString(std::string& line) {
    LineEnd end;
    return ReadString(line, end);
}

bool Archive::readAhead() {
    constexpr std::size_t kBlock = 64 * 1024;
    ahead_.resize(kBlock);
    // The stream buffer itself, not the stream: the stream would turn a read error into an
    // end of file, and a list cut short would replace the one in memory.
    ahead_.resize(static_cast<std::size_t>(
        in_->rdbuf()->sgetn(ahead_.data(), static_cast<std::streamsize>(kBlock))));
    aheadPos_ = 0;
    if (ahead_.empty())
        in_->setstate(std::ios::eofbit);
    return !ahead_.empty();
}

bool Archive::ReadString(std::string& line, LineEnd& end) {
    line.clear();
    for (;;) {
        if (aheadPos_ == ahead_.size() && !readAhead()) {
            end = line.empty() ? LineEnd::Missing : LineEnd::None;
            return !line.empty();
        }
        const auto from = ahead_.begin() + static_cast<std::ptrdiff_t>(aheadPos_);
        const auto stop =
            std::find_if(from, ahead_.end(), [](char c) { return c == '\n' || c == '\r'; });
        line.append(from, stop);
        aheadPos_ = static_cast<std::size_t>(stop - ahead_.begin());
        if (stop == ahead_.end())
            continue;
        ++aheadPos_;
        end = *stop == '\n' ? LineEnd::Lf : LineEnd::Cr;
        if (end == LineEnd::Cr && (aheadPos_ < ahead_.size() || readAhead()) &&
            ahead_[aheadPos_] == '\n') {
            ++aheadPos_;
            end = LineEnd::CrLf;
        }
        return true;
    }
}

void Archive::WriteString(std::string_view text) {
    out_->write(text.data(), static_cast<std::streamsize>(text.size()));
}

} // namespace platform
