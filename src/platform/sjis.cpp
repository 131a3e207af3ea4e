// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sjis.h"

#include <QString>
#include <array>
#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

bool continuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// One conversion descriptor per direction, opened on first use and kept for the whole run.
class Converter {
  public:
    Converter(const char* to, const char* from, bool fromUtf8)
        : cd_(iconv_open(to, from)), fromUtf8_(fromUtf8) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can. With a replacement, a character that cannot be converted is
    // skipped and the replacement written in its place, and `replaced` is set.
    std::optional<std::string> run(std::string_view in, const char* replacement,
                                   bool* replaced = nullptr) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        // UTF-8 never shrinks to fewer CP932 bytes than it had; CP932 grows by half at most.
        out.resize(in.size() + (fromUtf8_ ? 0 : in.size() / 2) + 8);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                const size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            if (!replacement)
                return std::nullopt;
            skipCharacter(src, srcLeft);
            if (replaced)
                *replaced = true;
            const std::string_view rep(replacement);
            const size_t used = out.size() - dstLeft;
            out.resize(std::max(out.size(), used + rep.size() + srcLeft + 8));
            out.replace(used, rep.size(), rep);
            dst = out.data() + used + rep.size();
            dstLeft = out.size() - used - rep.size();
        }
        out.resize(out.size() - dstLeft);
        return out;
    }

    // Converts into a small buffer over and over, keeping nothing: only validity is wanted.
    TextCheck check(std::string_view in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::array<char, 4096> buffer;
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer.data();
            size_t dstLeft = buffer.size();
            if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1))
                break;
            if (errno == EINVAL)
                return TextCheck::CutShort;
            if (errno != E2BIG)
                return TextCheck::Invalid;
        }
        return TextCheck::Valid;
    }

  private:
    // A whole UTF-8 character, or one byte of CP932.
    void skipCharacter(char*& src, size_t& left) const {
        do {
            ++src;
            --left;
        } while (fromUtf8_ && left > 0 && continuationByte(*src));
    }

    iconv_t cd_;
    bool fromUtf8_;
};

Converter& decoder() {
    static Converter c("UTF-8", "CP932", false);
    return c;
}

Converter& encoder() {
    static Converter c("CP932", "UTF-8", true);
    return c;
}

} // namespace

std::optional<std::string> sjisToUtf8(std::string_view sjis) {
    return decoder().run(sjis, nullptr);
}

std::string sjisToUtf8Lossy(std::string_view sjis) {
    return *decoder().run(sjis, "\xEF\xBF\xBD");
}

std::optional<std::string> utf8ToSjis(std::string_view utf8) {
    return encoder().run(utf8, nullptr);
}

std::string utf8ToSjisMarking(std::string_view utf8, std::string_view mark, bool& marked) {
    const std::string replacement(mark);
    return *encoder().run(utf8, replacement.c_str(), &marked);
}

std::string sjis(std::string_view utf8Literal) {
    return utf8ToSjis(utf8Literal).value_or("");
}

TextCheck checkUtf8(std::string_view bytes) {
    // UTF-8 to UTF-8 would pass bytes along unread; decoding to UTF-32 checks every form.
    static Converter validator("UTF-32LE", "UTF-8", true);
    return validator.check(bytes);
}

TextCheck checkSjis(std::string_view bytes) {
    return decoder().check(bytes);
}

std::string narrowWidth(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
        .normalized(QString::NormalizationForm_KC)
        .toStdString();
}

} // namespace platform
