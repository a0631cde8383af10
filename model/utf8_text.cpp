#include "model/utf8_text.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tessaro {

std::optional<std::u32string> utf8Characters(std::string_view text) {
    static_assert(std::endian::native == std::endian::little, "UTF-32LE is read as char32_t");
    const iconv_t handle = iconv_open("UTF-32LE", "UTF-8");
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("Text conversion is not available: ") + std::strerror(errno));
    }
    // Each byte gives at most one character of four bytes.
    std::u32string characters(text.size(), U'\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = reinterpret_cast<char*>(characters.data());
    std::size_t outLeft = characters.size() * sizeof(char32_t);
    const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
    iconv_close(handle);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    characters.resize(characters.size() - outLeft / sizeof(char32_t));
    return characters;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

}  // namespace tessaro
