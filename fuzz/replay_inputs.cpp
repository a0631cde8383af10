// Replays saved inputs through one fuzz target without libFuzzer: each file given and
// every file of each folder given, in name order, so that a crash once found stays fixed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// A file stands for itself; a folder that does not exist holds no inputs (a target whose
// fuzzing has found no crash has no crashes folder).
std::vector<fs::path> inputsIn(const fs::path& place) {
    if (fs::is_regular_file(place)) {
        return {place};
    }
    std::vector<fs::path> files;
    if (!fs::is_directory(place)) {
        return files;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(place)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : inputsIn(argv[i])) {
            std::cout << file.string() << std::endl;  // names the input before a crash does
            const std::string bytes = bytesOf(file);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed" << std::endl;
    // Nothing replayed means a wrong folder, not a pass.
    return replayed > 0 ? 0 : 1;
}
