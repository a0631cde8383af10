#include "output/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

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

    void reset(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
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

// The bytes written straight into an open file; a failed write ends the writer at once.
class FileSink final : public ByteSink {
public:
    FileSink(int fd, const std::string& path) : fd_(fd), path_(path) {}
    void write(std::string_view bytes) override {
        if (const int error = writeAll(fd_, bytes); error != 0) {
            throw FileError(createMessage(path_, error));
        }
    }

private:
    int fd_;
    const std::string& path_;
};

// Only counts what it is given.
class CountingSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { size += bytes.size(); }
    std::size_t size = 0;
};

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

// Whether the name still stands for the open file: another save may have removed it and
// made a new file under the same name since it was opened.
bool namesTheFile(const std::string& name, int fd) {
    struct stat named {};
    struct stat opened {};
    return ::lstat(name.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
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
        if (leftover.valid() && ::flock(leftover.get(), LOCK_EX | LOCK_NB) == 0 &&
            namesTheFile(candidate, leftover.get())) {
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

// A temporary file locked before it can be taken for a leftover: another save's sweep may
// lock and remove it in the moment between its creation and its lock, and then a new one
// is made. Returns the descriptor, or -1 with errno set.
int createLockedTemporary(std::string& temporary, const std::string& pattern) {
    constexpr int kMostAttempts = 100;
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        temporary = pattern;
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0) {
            return -1;
        }
        ::flock(fd, LOCK_EX);
        if (namesTheFile(temporary, fd)) {
            return fd;
        }
        ::close(fd);
    }
    errno = EBUSY;
    return -1;
}

// Takes the disk space for `size` bytes before a byte of the file changes, so that a full
// disk fails the save with the old file whole. The file keeps its size until written.
int reserveRoom(int fd, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) {
        return 0;
    }
    if (errno != EOPNOTSUPP) {
        return errno;
    }
    return ::posix_fallocate(fd, 0, static_cast<off_t>(size));
}

// The name of a temporary file, removed with it unless cleared (once renamed). A member,
// so that a save that fails while being made ready removes its temporary too.
class TemporaryName {
public:
    TemporaryName() = default;
    ~TemporaryName() { clear(true); }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    std::string name;
    [[nodiscard]] bool empty() const { return name.empty(); }
    [[nodiscard]] const char* c_str() const { return name.c_str(); }
    // Forgets the name, and removes the file when asked to.
    void clear(bool remove) {
        if (remove && !name.empty()) {
            ::unlink(name.c_str());
        }
        name.clear();
    }
};

// One file's save, made ready up to its last step: the bytes in a locked temporary beside
// the target, on disk, or, for a file written where it is, the file open with room for
// them. Until complete() the old file is as it was; a save dropped removes its temporary.
class PendingSave {
public:
    PendingSave(const std::string& path, const ContentWriter& write, SaveTarget rule);

    // Renames the temporary over the target, or writes the file in place.
    void complete();

private:
    [[noreturn]] void fail(int error) { throw FileError(createMessage(path_, error)); }
    [[noreturn]] void refuse(std::string_view why) {
        throw FileError("Cannot create file \"" + path_ + "\". " + std::string(why));
    }
    void openInPlace();
    void writeInPlace();

    std::string path_;
    std::string target_;
    const ContentWriter& write_;
    std::size_t inPlaceSize_ = 0;  // measured before a regular file is written in place
    Descriptor file_{-1};
    TemporaryName temporary_;  // empty when the file is written in place; removed before the lock is let go
    bool regular_ = true;
};

PendingSave::PendingSave(const std::string& path, const ContentWriter& write, SaveTarget rule)
    : path_(path), target_(followLinks(path)), write_(write) {
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        fail(EISDIR);
    }
    if (rule == SaveTarget::RegularFile && exists && !S_ISREG(existing.st_mode)) {
        refuse("It is not a regular file");
    }
    if (rule == SaveTarget::RegularFile && !exists && target_ != path_) {
        refuse("It is a link to \"" + target_ + "\", which does not exist");
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        openInPlace();
        return;
    }
    if (exists && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
        fail(errno);
    }

    const std::string folder = folderOf(target_);
    const std::string prefix = temporaryNamePrefix(fs::path(target_).filename().string());
    removeLeftoverTemporaries(folder, prefix);
    const int fd = createLockedTemporary(temporary_.name, folder + "/" + prefix + std::string(kRandomPart));
    if (fd < 0) {
        const int error = errno;
        temporary_.clear(false);
        if (exists && folderRefusesNewFiles(error)) {
            openInPlace();
            return;
        }
        fail(error);
    }
    file_.reset(fd);
    if (!keepsOwnerAndMode(fd, exists ? &existing : nullptr)) {
        temporary_.clear(true);
        openInPlace();
        return;
    }
    FileSink sink(fd, path_);
    write_(sink);
    if (::fsync(fd) != 0) {
        fail(errno);
    }
}

// A device, a pipe, or a file whose folder we may not write: written where it is. A pipe
// without a reader fails at once rather than waits.
void PendingSave::openInPlace() {
    file_.reset(::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file_.valid() || ::fstat(file_.get(), &info) != 0) {
        fail(errno);
    }
    regular_ = S_ISREG(info.st_mode);
    if (regular_) {
        CountingSink counted;
        write_(counted);
        inPlaceSize_ = counted.size;
        if (const int error = reserveRoom(file_.get(), inPlaceSize_); error != 0) {
            fail(error);
        }
    }
}

void PendingSave::writeInPlace() {
    if (::fcntl(file_.get(), F_SETFL, 0) != 0) {
        fail(errno);
    }
    FileSink sink(file_.get(), path_);
    write_(sink);
    int error = 0;
    if (regular_ && ::ftruncate(file_.get(), static_cast<off_t>(inPlaceSize_)) != 0) {
        error = errno;
    }
    if (error == 0 && regular_ && ::fsync(file_.get()) != 0) {
        error = errno;
    }
    const int closeError = file_.close();
    if (error != 0 || closeError != 0) {
        fail(error != 0 ? error : closeError);
    }
}

void PendingSave::complete() {
    if (temporary_.empty()) {
        writeInPlace();
        return;
    }
    // Renamed while still locked, so that no sweep takes it for a leftover.
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail(errno);
    }
    temporary_.clear(false);
    if (const int closeError = file_.close(); closeError != 0) {
        fail(closeError);
    }
    flushFolder(folderOf(target_));
}

}  // namespace

namespace {

std::string openMessage(const fs::path& path, int error) {
    return "Cannot open file \"" + path.string() + "\". " + std::strerror(error);
}

// Opens a regular file for reading and returns its size; a pipe or a device is refused
// without being waited on.
std::size_t openRegularFile(Descriptor& file, const fs::path& path) {
    file.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid()) {
        throw FileError(openMessage(path, errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw FileError(openMessage(path, errno));
    }
    if (S_ISDIR(info.st_mode)) {
        throw FileError(openMessage(path, EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileRefused("not a regular file");
    }
    return static_cast<std::size_t>(info.st_size);
}

// Up to `count` bytes from `offset`, fewer only at the end of the file.
std::string readAt(const Descriptor& file, const fs::path& path, std::size_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(file.get(), bytes.data() + got, count - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw FileError(openMessage(path, errno));
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace

std::string readRegularFile(const fs::path& path, std::size_t mostMebibytes) {
    Descriptor file(-1);
    openRegularFile(file, path);
    const std::size_t mostBytes = mostMebibytes * 1024 * 1024;
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError(openMessage(path, errno));
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

FileEnds readFileEnds(const fs::path& path, std::size_t mostBytes) {
    Descriptor file(-1);
    const std::size_t size = openRegularFile(file, path);
    FileEnds ends;
    ends.head = readAt(file, path, 0, std::min(size, mostBytes));
    ends.tail = size <= mostBytes ? ends.head : readAt(file, path, size - mostBytes, mostBytes);
    return ends;
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

void saveFileAtomically(const std::string& path, const ContentWriter& write, SaveTarget rule) {
    PendingSave(path, write, rule).complete();
}

void saveFileAtomically(const std::string& path, std::string_view bytes, SaveTarget rule) {
    saveFileAtomically(
        path, [bytes](ByteSink& out) { out.write(bytes); }, rule);
}

void saveFilesTogether(const std::vector<FileToSave>& files) {
    std::vector<ContentWriter> writers;
    writers.reserve(files.size());
    for (const FileToSave& file : files) {
        writers.emplace_back([bytes = file.bytes](ByteSink& out) { out.write(bytes); });
    }
    std::vector<std::unique_ptr<PendingSave>> pending;
    for (std::size_t i = 0; i < files.size(); ++i) {
        pending.push_back(std::make_unique<PendingSave>(files[i].path, writers[i], SaveTarget::RegularFile));
    }
    for (const auto& save : pending) {
        save->complete();
    }
}

void refuseUnlessRegularOrAbsent(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        throw FileError("Cannot create file \"" + path + "\". It is not a regular file");
    }
}

}  // namespace tessaro
