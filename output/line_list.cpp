#include "output/line_list.h"

#include <limits>
#include <stdexcept>

namespace tessaro {

void LineList::append(std::string_view line) {
    if (text_.size() + line.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("The document is too large to hold");
    }
    text_.append(line);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void LineList::clear() {
    text_.clear();
    ends_.clear();
}

std::string_view LineList::operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
}

}  // namespace tessaro
