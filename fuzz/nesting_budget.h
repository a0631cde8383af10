#pragma once

#include <cstddef>
#include <memory>

#include "nesting/sheet_nesting.h"

namespace tessaro::fuzz {

// A nesting stopped once it has asked so many times whether to stop, as the window's
// Cancel stops one: at the same point on every machine, unlike a clock, so that an input
// replays as it was found. The program's own limit of seconds would let a few inputs take
// the fuzzer's whole time.
inline NestingStop nestingBudget(std::size_t questions) {
    auto asked = std::make_shared<std::size_t>(0);
    return [asked, questions] { return ++*asked > questions; };
}

}  // namespace tessaro::fuzz
