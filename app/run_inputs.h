#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessaro {

// The files a run reads: a list of cut-outs, the tables, the material presets. None of
// them may be what the run writes, or a drawing would be saved over its own list.
class RunInputs {
public:
    // The file and the option that names it to the user ("--cutouts").
    void add(std::filesystem::path file, std::string option);

    // FileError naming the output and the input it is, for an output that is one of the
    // inputs: the same file however spelled (a link, "./", another folder's path to it), or,
    // for a name that does not exist yet, the same path once made absolute and normal.
    void refuseAsOutput(const std::string& output) const;
    void refuseAsOutputs(const std::vector<std::string>& outputs) const;

private:
    struct Input {
        std::filesystem::path file;
        std::string option;
    };
    std::vector<Input> inputs_;
};

}  // namespace tessaro
