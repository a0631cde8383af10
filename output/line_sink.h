#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "output/line_list.h"

namespace tessaro {

// Where a writer puts its document, one line at a time, without line ends.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void line(std::string_view text) = 0;
    // The start of a line too long to build whole (an SVG path of millions of points): the
    // next piece or line continues it. A piece ends between two characters.
    virtual void piece(std::string_view text) = 0;
};

// Where the bytes of a document go: a string, a file being saved, standard output.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

class StringSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { bytes_.append(bytes); }
    [[nodiscard]] std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

// Asked before each block of bytes a long write hands on, with the bytes handed on so
// far; true stops the write.
using WriteWatch = std::function<bool(std::size_t written)>;

// A write stopped by its watch. A save takes it as any failure of its writer: the
// temporary file goes and the old file stays as it was.
class WriteStopped : public std::runtime_error {
public:
    WriteStopped() : std::runtime_error("the write was stopped") {}
};

// Hands the bytes on to a sink, asking the watch before each block.
class WatchedSink final : public ByteSink {
public:
    WatchedSink(ByteSink& sink, const WriteWatch& watch) : sink_(sink), watch_(watch) {}
    void write(std::string_view bytes) override {
        if (watch_ && watch_(written_)) {
            throw WriteStopped();
        }
        sink_.write(bytes);
        written_ += bytes.size();
    }

private:
    ByteSink& sink_;
    const WriteWatch& watch_;
    std::size_t written_ = 0;
};

// The lines kept as a list, as the window's document pages show them.
class LineListSink final : public LineSink {
public:
    explicit LineListSink(LineList& lines) : lines_(lines) {}
    void line(std::string_view text) override;
    void piece(std::string_view text) override { started_.append(text); }

private:
    LineList& lines_;
    std::string started_;  // the pieces of a line not yet ended
};

// How the lines of a document become bytes.
enum class LineEncoding {
    Windows1251WithCrLf,  // the EPS and DXF files, as the CAM programs read them
    Utf8WithLf,           // SVG
};

// Lines encoded and gathered into writes of a bounded size, so that a document of
// millions of lines costs a few thousand writes to its sink and never more memory than
// one of them.
class EncodedLines final : public LineSink {
public:
    EncodedLines(ByteSink& sink, LineEncoding encoding) : sink_(sink), encoding_(encoding) {}
    EncodedLines(const EncodedLines&) = delete;
    EncodedLines& operator=(const EncodedLines&) = delete;
    ~EncodedLines() override;

    void line(std::string_view text) override;
    void piece(std::string_view text) override;
    // Hands what is gathered to the sink; the destructor does too, but cannot report a failure.
    void flush();

private:
    void append(std::string_view text);

    ByteSink& sink_;
    LineEncoding encoding_;
    std::string buffer_;
};

}  // namespace tessaro
