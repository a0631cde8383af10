#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// An ordered list of text lines kept in one buffer: a drawing of several hundred
// thousand short lines costs little more than its text.
class LineList {
public:
    void append(std::string_view line);
    void clear();

    [[nodiscard]] std::size_t size() const { return ends_.size(); }
    [[nodiscard]] bool empty() const { return ends_.empty(); }
    [[nodiscard]] std::string_view operator[](std::size_t i) const;
    [[nodiscard]] std::string_view back() const { return (*this)[size() - 1]; }

    [[nodiscard]] std::size_t textSize() const { return text_.size(); }

    class const_iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        const_iterator(const LineList* list, std::size_t i) : list_(list), i_(i) {}
        std::string_view operator*() const { return (*list_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) {
            auto old = *this;
            ++i_;
            return old;
        }
        bool operator==(const const_iterator& other) const { return i_ == other.i_; }

    private:
        const LineList* list_ = nullptr;
        std::size_t i_ = 0;
    };
    [[nodiscard]] const_iterator begin() const { return {this, 0}; }
    [[nodiscard]] const_iterator end() const { return {this, size()}; }

    friend bool operator==(const LineList& a, const LineList& b) { return a.text_ == b.text_ && a.ends_ == b.ends_; }

private:
    std::string text_;
    std::vector<std::uint32_t> ends_;
};

}  // namespace tessaro
