#include "platform/archive.h"

#include <istream>
#include <ostream>

namespace platform {

bool Archive::ReadString(std::string& line) {
    LineEnd end;
    return ReadString(line, end);
}

bool Archive::ReadString(std::string& line, LineEnd& end) {
    line.clear();
    std::streambuf* buf = in_->rdbuf();
    for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in_->setstate(std::ios::eofbit);
            end = line.empty() ? LineEnd::Missing : LineEnd::None;
            return !line.empty();
        }
        if (c == '\n') {
            end = LineEnd::Lf;
            return true;
        }
        if (c == '\r') {
            end = buf->sgetc() == '\n' ? LineEnd::CrLf : LineEnd::Cr;
            if (end == LineEnd::CrLf)
                buf->sbumpc();
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
}

void Archive::WriteString(std::string_view text) {
    out_->write(text.data(), static_cast<std::streamsize>(text.size()));
}

} // namespace platform
