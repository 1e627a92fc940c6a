#include "tutor/progress/progress_file.h"

#include "core/file_bytes.h"
#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace rods {
namespace {

// Holds the lock beside the progress file while a record is written, so that
// two copies of the program never write at once. Waits a little for the
// other copy; a record is never given up for the lock, since an append of one
// line is whole without it on a local file system.
class WriteLock {
public:
    explicit WriteLock(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (!fd_.valid())
            return;
        for (int tries = 0; tries < 200; ++tries) {
            if (::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // Closing the descriptor lets the lock go.

private:
    FileDescriptor fd_;
};

enum class Failed { MakeFolder, Write, Read, Empty };

// Why the file or its folder could not be used, for the learner: a whole
// sentence for each thing tried, with the path and the system's reason.
std::string failure(Failed what, const std::string& path, int error)
{
    const std::string reason = std::strerror(error);
    switch (what) {
    case Failed::MakeFolder:
        // TRANSLATORS: %1 is a folder's path, %2 the system's reason ("Permission denied").
        return sentence(translated("ProgressFile", "Cannot make the folder %1: %2"), {path, reason});
    case Failed::Write:
        // TRANSLATORS: %1 is the progress file's path, %2 the system's reason.
        return sentence(translated("ProgressFile", "Cannot write %1: %2"), {path, reason});
    case Failed::Read:
        // TRANSLATORS: %1 is the progress file's path, %2 the system's reason.
        return sentence(translated("ProgressFile", "Cannot read %1: %2"), {path, reason});
    case Failed::Empty:
        break;
    }
    // TRANSLATORS: %1 is the progress file's path, %2 the system's reason.
    return sentence(translated("ProgressFile", "Cannot empty %1: %2"), {path, reason});
}

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

// Makes the folder and those above it, as mkdir -p does.
bool makeFolder(const std::string& folder)
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

} // namespace

std::string progressFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return std::string(data) + "/numbering-rods";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] == '/' ? home : "") + "/.local/share/numbering-rods";
}

ProgressFile::ProgressFile(std::string folder)
    : folder_(std::move(folder))
    , path_(folder_ + "/progress.tsv")
    , lockPath_(folder_ + "/progress.lock")
{
}

std::string ProgressFile::append(const ProgressRecord& record) const
{
    if (!makeFolder(folder_))
        return failure(Failed::MakeFolder, folder_, errno);
    const WriteLock lock(lockPath_);
    struct stat before {};
    const bool existed = ::stat(path_.c_str(), &before) == 0;
    const FileDescriptor fd(::open(path_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    if (!fd.valid())
        return failure(Failed::Write, path_, errno);
    std::string line = recordLine(record);
    // A line cut short by a crash stays as it is, on a line of its own.
    const off_t size = ::lseek(fd.get(), 0, SEEK_END);
    char last = '\n';
    if (size > 0 && ::pread(fd.get(), &last, 1, size - 1) == 1 && last != '\n')
        line = "\n" + line;
    if (!writeAll(fd.get(), line) || ::fsync(fd.get()) != 0)
        return failure(Failed::Write, path_, errno);
    if (!existed)
        syncFolder(folder_);
    return {};
}

ProgressRead ProgressFile::read(std::string* error) const
{
    const FileBytes file = readPlainFile(path_, SIZE_MAX);
    if (file.error != 0 && file.error != ENOENT && error)
        *error = failure(Failed::Read, path_, file.error);
    return readProgress(file.bytes);
}

std::string ProgressFile::forget() const
{
    const WriteLock lock(lockPath_);
    const FileDescriptor fd(::open(path_.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd.valid())
        return errno == ENOENT ? std::string() : failure(Failed::Empty, path_, errno);
    if (::ftruncate(fd.get(), 0) != 0 || ::fsync(fd.get()) != 0)
        return failure(Failed::Empty, path_, errno);
    return {};
}

} // namespace rods
