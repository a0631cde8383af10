#pragma once

#include <stdexcept>

namespace tessaro {

// A template that cannot be drawn as asked (a coordinate out of all range, a step
// angle that never ends); the command stops and the message is shown as it stands.
class DrawingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tessaro
