#include "app/error_text.h"

namespace tessaro {

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (text.empty() || text.back() != '.') {
        text.push_back('.');
    }
    return text;
}

}  // namespace tessaro
