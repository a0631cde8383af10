#include "app/error_text.h"

#include <new>

namespace tessaro {

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (text.empty() || text.back() != '.') {
        text.push_back('.');
    }
    return text;
}

std::string errorBoxText(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return "There is not enough memory for this template; nothing was written.";
    }
    return errorBoxText(error.what());
}

}  // namespace tessaro
