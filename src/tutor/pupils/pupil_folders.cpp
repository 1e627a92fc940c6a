#include "tutor/pupils/pupil_folders.h"

#include "core/file_bytes.h"
#include "core/file_writing.h"
#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/pupils/pupil_name.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

namespace rods {
namespace {

// The head of a progress file is enough to find the pupil line it starts
// with; a file written before pupils, or damaged at its head, is read whole.
constexpr std::size_t HeadBytes = 2048;

std::string pupilInProgress(const std::string& path)
{
    const FileBytes head = readPlainFile(path, HeadBytes);
    if (head.error != 0)
        return {};
    std::string pupil = readProgress(head.bytes.substr(0, head.bytes.rfind('\n') + 1)).pupil;
    if (pupil.empty() && head.bytes.size() > HeadBytes)
        pupil = readProgress(readPlainFile(path, SIZE_MAX).bytes).pupil;
    return pupil;
}

} // namespace

PupilFolders::PupilFolders(std::string dataFolder)
    : data_(std::move(dataFolder))
{
}

std::string PupilFolders::folderOf(const std::string& pupil) const
{
    return data_ + "/pupils/" + pupilFolderName(pupil);
}

ProgressFile PupilFolders::progressOf(const std::string& pupil) const { return ProgressFile(folderOf(pupil), pupil); }

std::string PupilFolders::placeOf(const std::string& pupil) const { return folderOf(pupil) + "/place"; }

std::vector<std::string> PupilFolders::pupils() const
{
    std::vector<std::string> names;
    const std::string root = data_ + "/pupils";
    DIR* folder = ::opendir(root.c_str());
    if (!folder)
        return names;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.starts_with('.'))
            continue;
        std::string pupil = pupilInProgress(root + "/" + name + "/progress.tsv");
        if (pupil.empty())
            pupil = pupilNamedInPlace(readPlainFile(root + "/" + name + "/place", HeadBytes).bytes);
        // A folder is a pupil's only when its name is the one made from the
        // pupil's name: nothing else in the folder is taken for a pupil.
        if (!pupil.empty() && checkedPupilName(pupil).name == pupil && pupilFolderName(pupil) == name)
            names.push_back(std::move(pupil));
    }
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

std::string PupilFolders::adoptEarlierProgress(const std::string& pupil) const
{
    const std::string earlier = data_ + "/progress.tsv";
    const ProgressFile file = progressOf(pupil);
    if (::access(earlier.c_str(), F_OK) != 0 || ::access(file.path().c_str(), F_OK) == 0)
        return {};
    const FileBytes old = readPlainFile(earlier, SIZE_MAX);
    if (old.error != 0)
        // TRANSLATORS: %1 is a progress file's path, %2 the system's reason.
        return sentence(translated("ProgressFile", "Cannot read %1: %2"), {earlier, std::strerror(old.error)});
    const std::string folder = folderOf(pupil);
    if (!makeFolders(folder))
        // TRANSLATORS: %1 is a folder's path, %2 the system's reason ("Permission denied").
        return sentence(translated("ProgressFile", "Cannot make the folder %1: %2"), {folder, std::strerror(errno)});
    std::string bytes = pupilLine(pupil) + old.bytes;
    if (!bytes.ends_with('\n'))
        bytes += '\n';
    if (const std::string why = replaceFile(file.path(), bytes); !why.empty())
        // TRANSLATORS: %1 is the progress file's path, %2 the system's reason.
        return sentence(translated("ProgressFile", "Cannot write %1: %2"), {file.path(), why});
    ::unlink(earlier.c_str());
    ::unlink((data_ + "/progress.lock").c_str());
    syncFolder(data_);
    return {};
}

std::string pupilNamedInPlace(std::string_view place)
{
    const std::string_view first = place.substr(0, place.find('\n'));
    constexpr std::string_view Tag = "pupil\t";
    return first.starts_with(Tag) ? std::string(first.substr(Tag.size())) : std::string();
}

} // namespace rods
