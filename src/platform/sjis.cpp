#include "platform/sjis.h"

#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

// One conversion descriptor per direction, opened on first use and kept for the whole run.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can. With a replacement, an invalid or truncated sequence is
    // skipped one byte at a time and the replacement written in its place.
    std::optional<std::string> run(std::string_view in, const char* replacement) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.resize(in.size() * 2 + 8);
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
            ++src;
            --srcLeft;
            const std::string_view rep(replacement);
            const size_t used = out.size() - dstLeft;
            out.resize(out.size() + rep.size());
            out.replace(used, rep.size(), rep);
            dst = out.data() + used + rep.size();
            dstLeft = out.size() - used - rep.size();
        }
        out.resize(out.size() - dstLeft);
        return out;
    }

  private:
    iconv_t cd_;
};

Converter& decoder() {
    static Converter c("UTF-8", "CP932");
    return c;
}

Converter& encoder() {
    static Converter c("CP932", "UTF-8");
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

std::string sjis(std::string_view utf8Literal) {
    return utf8ToSjis(utf8Literal).value_or("");
}

} // namespace platform
