#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/table_keys.h"
#include "drawing/drawing_error.h"
#include "model/number_parse.h"
#include "output/text_file.h"

namespace tessaro::fuzz {

// A broken invariant: libFuzzer keeps the input as a crash, the replay fails.
inline void expect(bool holds, std::string_view invariant) {
    if (!holds) {
        std::fprintf(stderr, "Invariant broken: %.*s\n", static_cast<int>(invariant.size()), invariant.data());
        std::abort();
    }
}

// Runs a step of the program; false when it refused with one of the errors the program
// reports to its user. Any other exception escapes, and the fuzzer reports it.
template <typename Step>
bool completes(Step&& step) {
    try {
        step();
        return true;
    } catch (const ConversionError&) {
    } catch (const UsageError&) {
    } catch (const FileError&) {
    } catch (const DrawingError&) {
    }
    return false;
}

}  // namespace tessaro::fuzz
