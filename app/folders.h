#pragma once

#include <filesystem>

namespace tessaro {

// The two folders the table files live in: they are read from the working folder at
// start and written next to the program at close. The window passes the real ones,
// tests pass temporary folders.
class Folders {
public:
    virtual ~Folders() = default;
    [[nodiscard]] virtual std::filesystem::path programFolder() const = 0;
    [[nodiscard]] virtual std::filesystem::path workingFolder() const = 0;
};

}  // namespace tessaro
