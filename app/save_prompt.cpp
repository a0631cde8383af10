#include "app/save_prompt.h"

#include <filesystem>

namespace tessaro {

FilesInTheWay chosenFileInTheWay(const SaveChoice& choice) {
    std::error_code ignored;
    if (std::filesystem::exists(choice.path, ignored)) {
        return {{choice.path}, {}, {}};
    }
    return {};
}

}  // namespace tessaro
