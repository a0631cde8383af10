#include "app/run_inputs.h"

#include "output/files.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

// The path as the file system resolves it: its links and "..", as far as it exists.
fs::path resolved(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) {
        return path.lexically_normal();
    }
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) {
        return fs::equivalent(a, b, error);
    }
    return resolved(a) == resolved(b);
}

}  // namespace

void RunInputs::add(fs::path file, std::string option) { inputs_.push_back({std::move(file), std::move(option)}); }

void RunInputs::refuseAsOutput(const std::string& output) const {
    for (const Input& input : inputs_) {
        if (sameFile(output, input.file)) {
            throw FileError("Cannot create file \"" + output + "\". It is \"" + input.file.string() + "\", read by " +
                            input.option + " in this run; nothing was written");
        }
    }
}

void RunInputs::refuseAsOutputs(const std::vector<std::string>& outputs) const {
    for (const std::string& output : outputs) {
        refuseAsOutput(output);
    }
}

}  // namespace tessaro
