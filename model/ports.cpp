#include "model/ports.h"

#include <array>
#include <ctime>

namespace tessaro {

std::string SystemClock::timeOfDay() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 16> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%H:%M:%S", &local);
    return std::string(text.data(), length);
}

}  // namespace tessaro
