#include "output/line_sink.h"

#include "output/text_file.h"

namespace tessaro {
namespace {

constexpr std::size_t kGatheredBytes = 1 << 16;

}  // namespace

EncodedLines::~EncodedLines() {
    try {
        flush();
    } catch (...) {
        // A writer that failed has already reported why; a lost tail is part of that failure.
    }
}

void EncodedLines::line(std::string_view text) {
    if (encoding_ == LineEncoding::Utf8WithLf) {
        buffer_.append(text);
        buffer_.push_back('\n');
    } else {
        appendWindows1251(buffer_, text);
        buffer_.append("\r\n");
    }
    if (buffer_.size() >= kGatheredBytes) {
        flush();
    }
}

void EncodedLines::flush() {
    if (!buffer_.empty()) {
        sink_.write(buffer_);
        buffer_.clear();
    }
}

}  // namespace tessaro
