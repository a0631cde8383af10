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

void LineListSink::line(std::string_view text) {
    if (started_.empty()) {
        lines_.append(text);
        return;
    }
    started_.append(text);
    lines_.append(started_);
    started_.clear();
}

void EncodedLines::append(std::string_view text) {
    if (encoding_ == LineEncoding::Utf8WithLf) {
        buffer_.append(text);
    } else {
        appendWindows1251(buffer_, text);
    }
}

void EncodedLines::line(std::string_view text) {
    append(text);
    buffer_.append(encoding_ == LineEncoding::Utf8WithLf ? "\n" : "\r\n");
    if (buffer_.size() >= kGatheredBytes) {
        flush();
    }
}

void EncodedLines::piece(std::string_view text) {
    append(text);
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
