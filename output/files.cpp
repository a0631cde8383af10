#include "output/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

constexpr int kMostLinkHops = 40;  // the kernel's own limit for a chain of links
constexpr std::string_view kRandomPart = "XXXXXX";

std::string createMessage(const std::string& path, int error) {
    return "Cannot create file \"" + path + "\". " + std::strerror(error);
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    // Closes now; returns 0 or the error number, since a failed close can mean lost data.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes everything; returns 0 or the error number.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a name stands for: a symbolic link, live or dangling, is followed to the
// file it names, so that saving writes through it instead of replacing the link.
std::string followLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::string destination(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), destination.data(), destination.size());
        if (length < 0) {
            return current;
        }
        destination.resize(static_cast<std::size_t>(length));
        const std::string next = (fs::path(current).parent_path() / destination).string();
        struct stat resolved {};
        if (::stat(current.c_str(), &resolved) == 0 && ::lstat(next.c_str(), &info) != 0) {
            return current;  // /dev/stdout on a pipe: the kernel resolves it, its text names nothing
        }
        current = next;
    }
    throw FileError(createMessage(path, ELOOP));
}

std::string folderOf(const std::string& target) {
    const fs::path folder = fs::path(target).parent_path();
    return folder.empty() ? "." : folder.string();
}

// A device, a pipe, or a file whose folder we may not write: written where it is. A pipe
// without a reader fails at once rather than waits.
void writeInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
    Descriptor file(::open(target.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        throw FileError(createMessage(path, errno));
    }
    struct stat info {};
    int error = ::fcntl(file.get(), F_SETFL, 0) == 0 ? writeAll(file.get(), bytes) : errno;
    if (error == 0 && ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) && ::fsync(file.get()) != 0) {
        error = errno;
    }
    const int closeError = file.close();
    if (error != 0 || closeError != 0) {
        throw FileError(createMessage(path, error != 0 ? error : closeError));
    }
}

std::uint64_t nameHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

// At most the first bytes of a name, never cut inside a UTF-8 character.
std::string_view headOf(std::string_view name, std::size_t bytes) {
    if (name.size() <= bytes) {
        return name;
    }
    while (bytes > 0 && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80) {
        --bytes;
    }
    return name.substr(0, bytes);
}

// A killed save leaves its temporary file behind. A live save holds a lock on its own,
// so one that can be locked is left over and is removed.
void removeLeftoverTemporaries(const std::string& folder, const std::string& prefix) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + kRandomPart.size() || !name.starts_with(prefix)) {
            continue;
        }
        const std::string candidate = folder + "/" + std::string(name);
        Descriptor leftover(::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (leftover.valid() && ::flock(leftover.get(), LOCK_EX | LOCK_NB) == 0) {
            ::unlink(candidate.c_str());
        }
    }
    ::closedir(listing);
}

void flushFolder(const std::string& folder) {
    Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.valid()) {
        ::fsync(handle.get());
    }
}

// What a new file may not keep of the one it replaces makes the save write in place.
bool keepsOwnerAndMode(int fd, const struct stat* existing) {
    if (existing == nullptr) {
        return ::fchmod(fd, newFileMode()) == 0;
    }
    const bool sameOwner = existing->st_uid == ::geteuid() && existing->st_gid == ::getegid();
    if (!sameOwner && ::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
        return false;
    }
    return ::fchmod(fd, existing->st_mode & 07777) == 0;
}

bool folderRefusesNewFiles(int error) { return error == EACCES || error == EPERM || error == EROFS; }

}  // namespace

std::string readRegularFile(const fs::path& path, std::size_t mostMebibytes) {
    const auto openMessage = [&path](int error) {
        return "Cannot open file \"" + path.string() + "\". " + std::strerror(error);
    };
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid()) {
        throw FileError(openMessage(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw FileError(openMessage(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        throw FileError(openMessage(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileRefused("not a regular file");
    }
    const std::size_t mostBytes = mostMebibytes * 1024 * 1024;
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError(openMessage(errno));
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > mostBytes) {
            throw FileRefused("larger than " + std::to_string(mostMebibytes) + " MiB");
        }
    }
}

std::string temporaryNamePrefix(std::string_view name) {
    // 1 + 160 + 1 + 16 + 9 + 6 bytes at most: well within NAME_MAX.
    constexpr std::size_t kNameShown = 160;
    constexpr char kDigits[] = "0123456789abcdef";
    std::string prefix = ".";
    prefix.append(headOf(name, kNameShown));
    prefix += '~';
    const std::uint64_t hash = nameHash(name);
    for (int shift = 60; shift >= 0; shift -= 4) {
        prefix += kDigits[(hash >> shift) & 0xF];
    }
    prefix += ".tessaro-";
    return prefix;
}

void saveFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = followLinks(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        throw FileError(createMessage(path, EISDIR));
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        writeInPlace(path, target, bytes);
        return;
    }
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        throw FileError(createMessage(path, errno));
    }

    const std::string folder = folderOf(target);
    const std::string prefix = temporaryNamePrefix(fs::path(target).filename().string());
    removeLeftoverTemporaries(folder, prefix);
    std::string temporary = folder + "/" + prefix + std::string(kRandomPart);
    Descriptor file(::mkstemp(temporary.data()));
    if (!file.valid()) {
        const int error = errno;
        if (exists && folderRefusesNewFiles(error)) {
            writeInPlace(path, target, bytes);
            return;
        }
        throw FileError(createMessage(path, error));
    }
    ::flock(file.get(), LOCK_EX);
    if (!keepsOwnerAndMode(file.get(), exists ? &existing : nullptr)) {
        ::unlink(temporary.c_str());
        writeInPlace(path, target, bytes);
        return;
    }
    int error = writeAll(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    const int closeError = file.close();
    if (error != 0 || closeError != 0) {
        ::unlink(temporary.c_str());
        throw FileError(createMessage(path, error != 0 ? error : closeError));
    }
    flushFolder(folder);
}

}  // namespace tessaro
