#include "level/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <optional>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<std::size_t> injectedFailureAfter;

// Writes everything or reports failure; retries short writes and EINTR. A
// full disk or a file-size limit (with SIGXFSZ ignored) ends in a failed write.
bool writeAll(int fd, std::string_view bytes)
{
    std::size_t limit = bytes.size();
    bool failLater = false;
    if (injectedFailureAfter) {
        if (*injectedFailureAfter < limit) {
            limit = *injectedFailureAfter;
            failLater = true;
        }
        injectedFailureAfter.reset();
    }
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (failLater) errno = ENOSPC;
    return !failLater;
}

// The file a save really replaces: a symbolic link is followed to its target
// (also one that does not exist yet), so the link itself stays a link.
fs::path followLinks(const fs::path& path)
{
    fs::path current = path;
    std::error_code ec;
    // The same bound the kernel puts on a chain of links.
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(current, ec)); ++hops) {
        fs::path target = fs::read_symlink(current, ec);
        if (ec) break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

// Writes the new bytes into the file itself, for a folder that takes no new
// files. Space is reserved first and the old bytes are only overwritten once
// it is there, so a full disk or a size limit still leaves the old file whole.
bool writeInPlace(const std::string& path, std::string_view bytes)
{
    int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    int reserved = bytes.empty() ? 0 : ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    bool ok = reserved == 0 && writeAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
              ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) std::fprintf(stderr, "Saved %s in place: its folder takes no new files, so the write was not atomic\n",
                         path.c_str());
    return ok;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty()) return false;
    const fs::path target = followLinks(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // Only a regular file is ever replaced: renaming over a device, a pipe or
    // a socket would destroy it, and a folder cannot take the bytes.
    if (replacing && !S_ISREG(old.st_mode)) {
        errno = EINVAL;
        return false;
    }

    // The temporary file must live in the target's folder: a rename is only
    // atomic within one file system. Its name is short and fixed in length,
    // so a name near the file system's limit still leaves room for it.
    const fs::path folder = target.parent_path();
    std::string pattern = (folder / ".tangloop-XXXXXX").string();
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');

    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        // A folder the player may not write, holding a file they may.
        if ((errno == EACCES || errno == EPERM) && replacing) return writeInPlace(target.string(), bytes);
        return false;
    }
    // mkstemp makes the file private. A file being replaced keeps its own
    // permission bits; a new one is an ordinary file for the user.
    mode_t mode = old.st_mode & 07777;
    if (!replacing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temp.data(), target.c_str()) == 0;
    if (!ok) {
        // The caller tells the player why; the clean-up must not hide it.
        const int reason = errno;
        ::unlink(temp.data());
        errno = reason;
    }
    return ok;
}

std::string linkTargetOutsideFolder(const std::string& path)
{
    std::error_code ec;
    if (path.empty() || !fs::is_symlink(fs::symlink_status(path, ec))) return {};
    const fs::path folder = fs::weakly_canonical(fs::absolute(path, ec).parent_path(), ec);
    if (ec) return {};
    const fs::path target = fs::weakly_canonical(fs::absolute(followLinks(path), ec), ec);
    if (ec) return {};
    // Inside when the folder is a leading part of the target's path.
    auto t = target.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++t)
        if (t == target.end() || *f != *t) return target.string();
    return {};
}

namespace atomic_file_testing {
void failNextWriteAfter(std::size_t bytes) { injectedFailureAfter = bytes; }
} // namespace atomic_file_testing
