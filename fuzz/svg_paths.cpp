#include "svg_paths.h"

#include <charconv>
#include <cmath>

namespace tessaro::fuzz {
namespace {

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r'; }

void skipSeparators(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && isSeparator(text[pos])) {
        ++pos;
    }
}

// A number of SVG's grammar as our writer spells it: no "+", no "inf" or "nan".
std::optional<double> readNumber(std::string_view text, std::size_t& pos) {
    skipSeparators(text, pos);
    const std::size_t end = std::min(text.find_first_not_of("-.0123456789eE", pos), text.size());
    double value = 0;
    const auto [stop, ec] = std::from_chars(text.data() + pos, text.data() + end, value);
    if (end == pos || ec != std::errc{} || stop != text.data() + end || !std::isfinite(value)) {
        return std::nullopt;
    }
    pos = end;
    return value;
}

std::optional<std::string_view> attribute(std::string_view svg, std::string_view name) {
    const std::string key = " " + std::string(name) + "=\"";
    const std::size_t begin = svg.find(key);
    if (begin == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t valueBegin = begin + key.size();
    const std::size_t end = svg.find('"', valueBegin);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    return svg.substr(valueBegin, end - valueBegin);
}

std::optional<double> millimetres(std::optional<std::string_view> text) {
    if (!text || !text->ends_with("mm")) {
        return std::nullopt;
    }
    std::size_t pos = 0;
    const std::string_view number = text->substr(0, text->size() - 2);
    const auto value = readNumber(number, pos);
    return pos == number.size() ? value : std::nullopt;
}

// "M x y", then "L x y" and more pairs, then an optional "Z": one outline a path.
std::optional<SvgPath> readPathData(std::string_view d) {
    SvgPath path;
    char command = 0;
    std::size_t pos = 0;
    for (skipSeparators(d, pos); pos < d.size(); skipSeparators(d, pos)) {
        const char c = d[pos];
        if (c == 'M' || c == 'L') {
            if ((c == 'M') != path.points.empty()) {
                return std::nullopt;
            }
            command = c;
            ++pos;
        } else if (c == 'Z') {
            ++pos;
            skipSeparators(d, pos);
            if (path.points.empty() || pos != d.size()) {
                return std::nullopt;
            }
            path.closed = true;
        } else {
            const auto x = readNumber(d, pos);
            const auto y = readNumber(d, pos);
            if (command == 0 || !x || !y) {
                return std::nullopt;
            }
            path.points.push_back({*x, -*y});
        }
    }
    if (path.points.empty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<SvgFigures> readSvgFigures(std::string_view svg, std::string_view markStroke) {
    SvgFigures figures;
    const auto width = millimetres(attribute(svg, "width"));
    const auto height = millimetres(attribute(svg, "height"));
    const auto viewBox = attribute(svg, "viewBox");
    if (!width || !height || !viewBox) {
        return std::nullopt;
    }
    figures.width = *width;
    figures.height = *height;
    std::size_t pos = 0;
    for (double& value : figures.viewBox) {
        const auto number = readNumber(*viewBox, pos);
        if (!number) {
            return std::nullopt;
        }
        value = *number;
    }
    skipSeparators(*viewBox, pos);
    if (pos != viewBox->size()) {
        return std::nullopt;
    }

    constexpr std::string_view kPathStart = "<path";
    for (std::size_t at = svg.find(kPathStart); at != std::string_view::npos; at = svg.find(kPathStart, at + 1)) {
        const std::string_view element = svg.substr(at, svg.find("/>", at) - at);
        const auto stroke = attribute(element, "stroke");
        const auto d = attribute(element, "d");
        if (!stroke || !d) {
            return std::nullopt;
        }
        if (*stroke == markStroke) {
            figures.paths.push_back({std::string(*stroke), {}, false});
            continue;
        }
        auto path = readPathData(*d);
        if (!path) {
            return std::nullopt;
        }
        path->stroke = *stroke;
        figures.paths.push_back(std::move(*path));
    }
    for (std::size_t at = svg.find("<g>"); at != std::string_view::npos; at = svg.find("<g>", at + 1)) {
        ++figures.groups;
    }
    return figures;
}

}  // namespace tessaro::fuzz
