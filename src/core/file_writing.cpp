#include "core/file_writing.h"

#include "core/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rods {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool makeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

void syncFolder(const std::string& folder)
{
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

std::string replaceFile(const std::string& path, std::string_view bytes)
{
    const std::string beside = path + ".new";
    {
        const FileDescriptor fd(::open(beside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        if (!fd.valid() || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
            const int error = errno;
            ::unlink(beside.c_str());
            return std::strerror(error);
        }
    }
    if (::rename(beside.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(beside.c_str());
        return std::strerror(error);
    }
    const std::size_t slash = path.rfind('/');
    syncFolder(slash == std::string::npos ? std::string(".") : path.substr(0, std::max<std::size_t>(slash, 1)));
    return {};
}

} // namespace rods
