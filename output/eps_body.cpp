#include "output/eps_body.h"

#include <algorithm>
#include <array>

#include "output/eps_writer.h"

namespace tessaro {
namespace {

constexpr std::size_t kFieldWidth = 11;
constexpr std::size_t kFixedLineLength = 30;

std::optional<bool> keywordStartsOutline(std::string_view keyword) {
    if (keyword == "moveto") {
        return true;
    }
    if (keyword == "lineto") {
        return false;
    }
    return std::nullopt;
}

std::optional<EpsPoint> parseFixed(std::string_view line) {
    const auto starts = keywordStartsOutline(line.substr(2 * kFieldWidth + 2));
    if (!starts) {
        return std::nullopt;
    }
    return EpsPoint{line.substr(0, kFieldWidth), line.substr(kFieldWidth + 1, kFieldWidth), *starts};
}

std::optional<EpsPoint> parseWide(std::string_view line) {
    std::array<std::string_view, 3> words;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t begin = line.find_first_not_of(' ', pos);
        if (begin == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find(' ', begin), line.size());
        if (count == words.size()) {
            return std::nullopt;
        }
        words[count++] = line.substr(begin, end - begin);
        pos = end;
    }
    if (count != words.size()) {
        return std::nullopt;
    }
    const auto starts = keywordStartsOutline(words[2]);
    if (!starts) {
        return std::nullopt;
    }
    return EpsPoint{words[0], words[1], *starts};
}

}  // namespace

std::optional<EpsPoint> parseEpsPoint(std::string_view line) {
    if (line.size() == kFixedLineLength && line[kFieldWidth] == ' ' && line[2 * kFieldWidth + 1] == ' ') {
        return parseFixed(line);
    }
    return parseWide(line);
}

std::size_t epsBodyStart(const LineList& eps) {
    std::size_t i = 0;
    while (i < eps.size() && eps[i] != kEpsBodyMarker) {
        ++i;
    }
    return i;
}

}  // namespace tessaro
