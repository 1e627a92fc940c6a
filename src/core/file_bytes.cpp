#include "core/file_bytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rods {

FileDescriptor::FileDescriptor(int fd)
    : fd_(fd)
{
}

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

FileBytes readPlainFile(const std::string& path, std::size_t most)
{
    FileBytes file;
    // Not blocking, so that a pipe given as a file cannot hold the program.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (!fd.valid()) {
        file.error = errno;
        return file;
    }
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        file.error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return file;
    }
    char buffer[65536];
    while (file.bytes.size() <= most) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            file.error = errno;
            file.bytes.clear();
            return file;
        }
        if (got == 0)
            break;
        file.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return file;
}

} // namespace rods
