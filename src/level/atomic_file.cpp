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

// Writes everything or reports failure; retries short writes and EINTR.
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
    return !failLater;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty()) return false;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;

    // The temporary file must live in the target's folder: a rename is only
    // atomic within one file system.
    fs::path target(path);
    fs::path folder = target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');

    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // mkstemp makes the file private; a saved level or progress file is an
    // ordinary file for the user, created as any other would be.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temp.data(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.data());
    return ok;
}

namespace atomic_file_testing {
void failNextWriteAfter(std::size_t bytes) { injectedFailureAfter = bytes; }
} // namespace atomic_file_testing
