#include "tutor/progress/progress_file.h"

#include "core/file_bytes.h"
#include "core/file_writing.h"
#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <set>
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

enum class Failed { MakeFolder, Write, Read, Forget, Restore };

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
    case Failed::Forget:
        // TRANSLATORS: %1 is the progress file's path, %2 the system's reason.
        return sentence(translated("ProgressFile", "Cannot move %1 aside: %2"), {path, reason});
    case Failed::Restore:
        break;
    }
    // TRANSLATORS: %1 is the path of a file of forgotten records, %2 the system's reason.
    return sentence(translated("ProgressFile", "Cannot restore %1: %2"), {path, reason});
}

constexpr std::string_view ForgottenStart = "forgotten-";
constexpr std::string_view ForgottenEnd = ".tsv";

// "forgotten-2026-12-08-130522.tsv", with "-2" and on for a second in the
// same second.
std::string forgottenName(int again)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    return std::string(ForgottenStart) + stamp + (again > 0 ? "-" + std::to_string(again + 1) : "")
           + std::string(ForgottenEnd);
}

// Renames without ever replacing a file already there.
bool renameAside(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot refuse for us.
    struct stat there {};
    if (::lstat(to.c_str(), &there) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

std::vector<std::string_view> lines(std::string_view bytes)
{
    std::vector<std::string_view> all;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        all.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return all;
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

ProgressFile::ProgressFile(std::string folder, std::string pupil)
    : folder_(std::move(folder))
    , pupil_(std::move(pupil))
    , path_(folder_ + "/progress.tsv")
    , lockPath_(folder_ + "/progress.lock")
{
}

std::string ProgressFile::append(const ProgressRecord& record) const
{
    if (!makeFolders(folder_))
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
    // A file says whose it is wherever it is copied.
    if (size == 0 && !pupil_.empty())
        line = pupilLine(pupil_) + line;
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

std::string ProgressFile::forget(std::string* kept) const
{
    const WriteLock lock(lockPath_);
    for (int again = 0; again < 100; ++again) {
        const std::string aside = folder_ + "/" + forgottenName(again);
        if (renameAside(path_, aside)) {
            syncFolder(folder_);
            if (kept)
                *kept = aside;
            return {};
        }
        if (errno == ENOENT)
            return {}; // nothing was kept
        if (errno != EEXIST)
            break;
    }
    return failure(Failed::Forget, path_, errno);
}

std::vector<std::string> ProgressFile::forgottenFiles() const
{
    std::vector<std::string> files;
    DIR* folder = ::opendir(folder_.c_str());
    if (!folder)
        return files;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.starts_with(ForgottenStart) && name.ends_with(ForgottenEnd))
            files.push_back(folder_ + "/" + std::string(name));
    }
    ::closedir(folder);
    // The stamps sort by time; a second file of one second sorts after it
    // because "-2.tsv" follows ".tsv".
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return a.substr(0, a.size() - ForgottenEnd.size()) < b.substr(0, b.size() - ForgottenEnd.size());
    });
    return files;
}

std::string ProgressFile::restore(const std::string& forgotten) const
{
    const WriteLock lock(lockPath_);
    const FileBytes old = readPlainFile(forgotten, SIZE_MAX);
    if (old.error != 0)
        return failure(Failed::Restore, forgotten, old.error);
    const FileBytes now = readPlainFile(path_, SIZE_MAX);
    if (now.error != 0 && now.error != ENOENT)
        return failure(Failed::Restore, forgotten, now.error);
    // The forgotten lines as they were, damaged ones too, then those kept
    // since that they do not already hold.
    std::string merged = old.bytes;
    if (!merged.empty() && merged.back() != '\n')
        merged += '\n';
    const std::vector<std::string_view> restored = lines(old.bytes);
    const std::set<std::string_view> there(restored.begin(), restored.end());
    const bool named = !readProgress(merged).pupil.empty();
    for (std::string_view line : lines(now.bytes)) {
        const bool naming = !readProgress(std::string(line) + "\n").pupil.empty();
        if (!line.empty() && !there.contains(line) && !(naming && named))
            merged += std::string(line) + "\n";
    }
    if (const std::string why = replaceFile(path_, merged); !why.empty())
        return sentence(translated("ProgressFile", "Cannot restore %1: %2"), {forgotten, why});
    if (::unlink(forgotten.c_str()) != 0)
        return failure(Failed::Restore, forgotten, errno);
    syncFolder(folder_);
    return {};
}

} // namespace rods
