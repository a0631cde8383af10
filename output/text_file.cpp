#include "output/text_file.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace tessaro {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("Text conversion is not available: ") + std::strerror(errno));
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole text; each input character that cannot be converted becomes "?".
    std::string convert(std::string_view input, std::size_t (*skipInvalid)(std::string_view)) {
        std::string output;
        output.reserve(input.size() * 2 + 4);
        std::vector<char> chunk(input.size() * 4 + 16);
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            std::size_t inLeft = input.size();
            char* out = chunk.data();
            std::size_t outLeft = chunk.size();
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(chunk.data(), static_cast<std::size_t>(out - chunk.data()));
            input.remove_prefix(input.size() - inLeft);
            if (result == static_cast<std::size_t>(-1) && (errno == EILSEQ || errno == EINVAL)) {
                output.push_back('?');
                input.remove_prefix(std::min(input.size(), skipInvalid(input)));
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            } else if (result == static_cast<std::size_t>(-1)) {
                throw std::runtime_error(std::string("Text conversion failed: ") + std::strerror(errno));
            }
        }
        return output;
    }

private:
    iconv_t handle_;
};

// Length of the UTF-8 sequence that starts the text (1 for a stray byte).
std::size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return i;
        }
    }
    return length;
}

std::size_t oneByte(std::string_view) { return 1; }

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string toWindows1251(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    return Converter("WINDOWS-1251", "UTF-8").convert(utf8, utf8SequenceLength);
}

std::string fromWindows1251(std::string_view bytes) {
    if (isAscii(bytes)) {
        return std::string(bytes);
    }
    return Converter("UTF-8", "WINDOWS-1251").convert(bytes, oneByte);
}

std::optional<std::string> firstCharacterOutsideWindows1251(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::nullopt;
    }
    Converter converter("WINDOWS-1251", "UTF-8");
    while (!utf8.empty()) {
        const std::size_t length = std::min(utf8.size(), utf8SequenceLength(utf8));
        const std::string_view character = utf8.substr(0, length);
        if (!isAscii(character) && converter.convert(character, utf8SequenceLength) == "?") {
            return std::string(character);
        }
        utf8.remove_prefix(length);
    }
    return std::nullopt;
}

void appendWindows1251(std::string& out, std::string_view utf8) {
    if (isAscii(utf8)) {
        out.append(utf8);
    } else {
        out.append(toWindows1251(utf8));
    }
}

std::string documentBytes(const LineList& lines) {
    std::string bytes;
    bytes.reserve(lines.textSize() + 2 * lines.size());
    for (std::string_view line : lines) {
        appendWindows1251(bytes, line);
        bytes.append("\r\n");
    }
    return bytes;
}

}  // namespace tessaro
