#pragma once

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/folders.h"
#include "app/save_prompt.h"
#include "app/saving.h"
#include "app/table_sizes.h"
#include "drawing/pen.h"
#include "model/workbench.h"
#include "output/eps_body.h"
#include "output/eps_writer.h"
#include "output/line_list.h"

namespace tessaro {

// The current template as its EPS and DXF files have it, line by line.
inline LineList epsOf(const Workbench& wb) { return drawingLines(wb.drawing, FileType::Eps, writeChoices(wb)); }
inline LineList dxfOf(const Workbench& wb) { return drawingLines(wb.drawing, FileType::Dxf, writeChoices(wb)); }
inline LineList epsOf(const Drawing& drawing) { return drawingLines(drawing, FileType::Eps, {}); }

namespace testing {

// What a pen draws on its own: its lines as the EPS body has them, after the header.
struct Paper {
    Drawing drawing;
    Pen pen{drawing};
    [[nodiscard]] LineList lines() const {
        LineList body;
        bool inBody = false;
        for (std::string_view line : epsOf(drawing)) {
            if (inBody) {
                body.append(line);
            }
            inBody = inBody || line == "2.834646 2.834646 scale";
        }
        return body;
    }
};

class FixedClock final : public Clock {
public:
    [[nodiscard]] std::string timeOfDay() const override { return "12:34:56"; }
};

class RecordingMessages final : public MessageBox {
public:
    void show(std::string_view text) override { shown.emplace_back(text); }
    void showError(std::string_view text) override { errors.emplace_back(text); }
    std::vector<std::string> shown;
    std::vector<std::string> errors;
};

class ScriptedDialog final : public SavePrompt {
public:
    std::optional<SaveChoice> answer;
    std::vector<std::string> proposed;
    std::vector<FilesInTheWay> inTheWay;  // what each answer would have replaced or removed
    std::optional<SaveChoice> ask(const std::string& proposedName, const FilesInTheWayOf& filesInTheWay) override {
        proposed.push_back(proposedName);
        if (answer) {
            inTheWay.push_back(filesInTheWay(*answer));
        }
        return answer;
    }
};

// A workbench with a fixed clock and a message box that records what it was shown.
// Its pen draws into the workbench's drawing, for the generators called alone.
struct Bench {
    FixedClock clock;
    RecordingMessages messages;
    Workbench wb{clock, messages};
    Pen pen{wb.drawing};
};

// Every size of the box table, as a generator takes them; each uses only its own.
inline PanelSizes allPanelSizes(const Workbench& wb) {
    using enum MainRow;
    constexpr MainRow kAllRows[] = {Thickness,          Width,       Height,    Depth,       SlotAllowance,
                                    TabLengthAllowance, FrameMargin, TabHeight, ToolDiameter};
    return readPanelSizes(wb.boxTable, kAllRows);
}

// The lines after the header (the scaling line and the "scale" line excluded).
inline std::vector<std::string> bodyOf(const LineList& document) {
    std::vector<std::string> body;
    bool inBody = false;
    bool skipScale = false;
    for (std::string_view line : document) {
        if (skipScale) {
            skipScale = false;
            continue;
        }
        if (line == kEpsBodyMarker) {
            inBody = true;
            skipScale = true;
            continue;
        }
        if (inBody) {
            body.emplace_back(line);
        }
    }
    return body;
}

struct BodyPoint {
    double x = 0;
    double y = 0;
    bool move = false;
};

// Every point of the EPS body, read back as numbers.
inline std::vector<BodyPoint> pointsOf(const LineList& document) {
    std::vector<BodyPoint> points;
    for (const std::string& line : bodyOf(document)) {
        if (const auto p = parseEpsPoint(line)) {
            points.push_back({std::stod(std::string(p->x)), std::stod(std::string(p->y)), p->startsOutline});
        }
    }
    return points;
}

inline std::vector<std::string> linesOf(const LineList& document) { return {document.begin(), document.end()}; }

// The names of the files and folders in a folder.
inline std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

inline std::string readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the work as the user "nobody" when the tests run as root, so that file
// permissions hold as they do for a user; as any other user it runs as it is.
// Returns the message of the exception the work threw, or nothing.
inline std::optional<std::string> asUnprivilegedUser(const std::function<void()>& work) {
    const auto attempt = [&work]() -> std::optional<std::string> {
        try {
            work();
        } catch (const std::exception& e) {
            return e.what();
        }
        return std::nullopt;
    };
    if (::geteuid() != 0) {
        return attempt();
    }
    int channel[2];
    if (::pipe(channel) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
            ::setresuid(kNobody, kNobody, kNobody) != 0) {
            ::_exit(2);
        }
        const auto thrown = attempt();
        if (thrown) {
            [[maybe_unused]] const auto written = ::write(channel[1], thrown->data(), thrown->size());
        }
        ::_exit(thrown ? 1 : 0);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        message.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) {
        return "the unprivileged run did not finish";
    }
    return WEXITSTATUS(status) == 0 ? std::nullopt : std::optional<std::string>(message);
}

// Lets every user into a scratch folder, as the unprivileged runs need.
inline void openToEveryone(const std::filesystem::path& folder) {
    std::filesystem::permissions(folder, std::filesystem::perms::all);
}

// An empty folder of the running test's own, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               ("tessaro-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path path;
};

// A tmpfs of a few KiB mounted on a scratch folder, open to every user, for a disk that
// fills up for real; only root may mount one, so `mounted` is false for other users.
class SmallDisk {
public:
    explicit SmallDisk(const std::filesystem::path& where, int kibibytes) : path(where) {
        std::filesystem::create_directories(path);
        const std::string options = "size=" + std::to_string(kibibytes) + "k,mode=0777";
        mounted = ::mount("tmpfs", path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted) {
            ::umount2(path.c_str(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Writes a file of zeros until the disk is full but for `spareKibibytes`.
    void fillLeaving(int spareKibibytes) const {
        const std::filesystem::path filler = path / "filler";
        std::ofstream out(filler, std::ios::binary);
        const std::string page(4096, '\0');
        while (out.write(page.data(), static_cast<std::streamsize>(page.size())) && out.flush()) {
        }
        out.close();
        std::filesystem::resize_file(
            filler, std::filesystem::file_size(filler) - static_cast<std::uintmax_t>(spareKibibytes) * 1024);
    }

    std::filesystem::path path;
    bool mounted = false;
};

// Makes the folder look like the build folder CMake configures, where ./run starts the window.
inline void makeBuildFolder(const std::filesystem::path& folder) {
    std::ofstream(folder / "CMakeCache.txt") << "# a build folder\n";
}

// Folders a test sets as it likes; none of them is made.
class TempFolders final : public Folders {
public:
    std::filesystem::path program;
    std::filesystem::path working;
    std::filesystem::path userData;
    std::filesystem::path programFolder() const override { return program; }
    std::filesystem::path workingFolder() const override { return working; }
    std::filesystem::path userDataFolder() const override { return userData; }
};

}  // namespace testing
}  // namespace tessaro
