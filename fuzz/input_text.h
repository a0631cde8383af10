#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaro::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The pieces between separators; a text that ends with one has no empty last piece.
inline std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(separator), text.size());
        pieces.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return pieces;
}

// The lines of an input, each without the CR of a CR LF line end.
inline std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines = splitOn(text, '\n');
    for (std::string_view& line : lines) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
    }
    return lines;
}

// A number the input's bytes decide (FNV-1a), the same on every machine: what picks the
// inputs that also run the slow checks, so that a fault they find replays as it was found.
inline std::uint64_t fingerprintOf(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

// One input in `every`, chosen by its bytes.
inline bool sampled(std::string_view text, std::uint64_t every) { return fingerprintOf(text) % every == 0; }

}  // namespace tessaro::fuzz
