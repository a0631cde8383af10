#pragma once

#include <filesystem>

namespace tessaro {

// The folders the table files live in (see tableFolders for which is used when). The
// window passes the real ones, tests pass temporary folders.
class Folders {
public:
    virtual ~Folders() = default;
    // Where the program itself lies.
    [[nodiscard]] virtual std::filesystem::path programFolder() const = 0;
    // The folder the program was started in.
    [[nodiscard]] virtual std::filesystem::path workingFolder() const = 0;
    // The user's own folder for the program's data; it need not exist yet.
    [[nodiscard]] virtual std::filesystem::path userDataFolder() const = 0;
};

}  // namespace tessaro
