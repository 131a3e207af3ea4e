// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Line-oriented reading and writing of a word list file's bytes, kept exactly as they are.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How a line ended: Missing when the data ended before the line began, None when it ended in
// the middle of the line.
enum class LineEnd : unsigned char { Missing, None, Lf, CrLf, Cr };

class Archive {
  public:
    // A loading archive reads from `in`; a storing one writes to `out`.
    static Archive loading(std::istream& in) { return Archive(&in, nullptr); }
    static Archive storing(std::ostream& out) { return Archive(nullptr, &out); }

    bool isLoading() const { return in_ != nullptr; }

    // Reads the next line without its terminator. LF, CR LF and a lone CR each end a line.
    // At the end of the data the line is empty and the result false. A failed read throws
    // (std::ios_base::failure) and the archive reads ahead of the lines it gives out, so
    // nothing else may read from the same stream.
    bool ReadString(std::string& line);
    bool ReadString(std::string& line, LineEnd& end);
    // Writes the bytes exactly, adding nothing.
    void WriteString(std::string_view text);

  private:
    Archive(std::istream* in, std::ostream* out) : in_(in), out_(out) {}
    // Takes the next block of the file into `ahead_`; false at its end.
    bool readAhead();

    std::istream* in_;
    std::ostream* out_;
    // Bytes read from the file but not yet given out: lines are found a block at a time.
    std::vector<char> ahead_;
    std::size_t aheadPos_ = 0;
};

} // namespace platform
