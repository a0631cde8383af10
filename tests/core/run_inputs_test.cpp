// An output is refused when it is one of the run's inputs as the file system sees it, and
// only then.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/run_inputs.h"
#include "output/files.h"
#include "support.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

TEST(RunInputs, AnOutputIsRefusedWhenItIsTheSameFileAsAnInputAndOnlyThen) {
    testing::ScratchFolder scratch;
    const fs::path& dir = scratch.path;
    fs::create_directory(dir / "sub");
    std::ofstream(dir / "list.txt") << "cutout front,circle,30,20,12\n";
    std::ofstream(dir / "other.txt") << "cutout front,circle,30,20,12\n";
    fs::create_hard_link(dir / "list.txt", dir / "sub" / "hard.dxf");
    fs::create_directory_symlink(dir / "sub", dir / "linked");
    RunInputs inputs;
    inputs.add(dir / "list.txt", "--cutouts");
    inputs.add(dir / "sub" / "ParamGrid.txt", "--tables");  // not there: no file to read

    for (const fs::path& same :
         {dir / "list.txt", dir / "sub" / ".." / "list.txt", dir / "sub" / "hard.dxf", dir / "sub" / "ParamGrid.txt",
          dir / "linked" / "ParamGrid.txt", dir / "linked" / ".." / "sub" / "ParamGrid.txt"}) {
        EXPECT_THROW(inputs.refuseAsOutput(same.string()), FileError) << same;
    }
    for (const fs::path& other : {dir / "other.txt", dir / "List.txt", dir / "list.txt.dxf", dir / "ParamGrid.txt",
                                  dir / "sub" / "ParamGrid.txt.dxf"}) {
        EXPECT_NO_THROW(inputs.refuseAsOutput(other.string())) << other;
    }
    EXPECT_THROW(inputs.refuseAsOutputs({(dir / "a.dxf").string(), (dir / "list.txt").string()}), FileError);
    EXPECT_NO_THROW(RunInputs().refuseAsOutput((dir / "list.txt").string()));
}

}  // namespace
}  // namespace tessaro
