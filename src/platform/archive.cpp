#include "platform/archive.h"

#include <istream>
#include <ostream>

namespace platform {

bool Archive::ReadString(std::string& line) {
    line.clear();
    std::streambuf* buf = in_->rdbuf();
    bool any = false;
    for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in_->setstate(std::ios::eofbit);
            return any;
        }
        any = true;
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (buf->sgetc() == '\n')
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
