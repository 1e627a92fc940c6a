// Finding and reading the progress files a teacher points at: the program's
// own data folder, a folder of files collected from several computers, or one
// file. Everything here only reads.
#include "core/file_bytes.h"
#include "core/words.h"
#include "tutor/classroom/class_overview.h"
#include "tutor/exercise/sentence.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace rods {
namespace {

namespace fs = std::filesystem;

// Years of a class's work are far less (a record is under 100 bytes); a
// larger file is no progress file, and is not read into memory whole.
constexpr std::size_t LargestFile = std::size_t{64} << 20;
// Collected files sit in a folder per class and per pupil at most; the
// limit also ends any loop a mount could make.
constexpr int DeepestFolder = 3;

constexpr std::string_view Suffix = ".tsv";
// Records a pupil asked to forget, kept only so that they can be restored.
constexpr std::string_view Forgotten = "forgotten-";

// The pupil a file without a pupil line belongs to: "ada.tsv" is Ada's, and
// "ada/progress.tsv" too, as the program keeps a pupil's file.
std::string nameFromPath(const std::string& path)
{
    const fs::path file = fs::path(path).lexically_normal();
    const std::string stem = file.stem().string();
    if (stem == "progress") {
        std::error_code error;
        const fs::path whole = fs::absolute(file, error);
        const std::string folder = error ? std::string() : whole.parent_path().filename().string();
        if (!folder.empty())
            return folder;
    }
    return stem.empty() ? path : stem;
}

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool isProgressFile(const fs::directory_entry& entry)
{
    const std::string name = entry.path().filename().string();
    std::error_code error;
    return endsWith(name, Suffix) && name.rfind(Forgotten, 0) != 0 && entry.is_regular_file(error);
}

// The .tsv files of a folder of collected files and of its folders below. A
// folder reached by a symbolic link is passed over, so that a link back up
// cannot make a loop or count a file twice.
void collect(const fs::path& folder, int depth, FoundFiles& found)
{
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code kind;
        if (entry->is_directory(kind) && !entry->is_symlink(kind)) {
            if (depth < DeepestFolder)
                collect(entry->path(), depth + 1, found);
        } else if (isProgressFile(*entry)) {
            found.files.push_back(entry->path().string());
        }
    }
    if (error)
        found.unreadable.push_back(folder.string());
}

// The program's own data folder: each pupil's file, and the one file kept
// before there were pupils.
void collectPupils(const fs::path& folder, FoundFiles& found)
{
    std::error_code error;
    fs::directory_iterator pupil(folder / "pupils", error);
    for (; !error && pupil != fs::directory_iterator(); pupil.increment(error)) {
        const fs::path file = pupil->path() / "progress.tsv";
        std::error_code kind;
        if (pupil->is_directory(kind) && fs::exists(file, kind))
            found.files.push_back(file.string());
    }
    if (error)
        found.unreadable.push_back((folder / "pupils").string());
    const fs::path before = folder / "progress.tsv";
    if (std::error_code kind; fs::exists(before, kind))
        found.files.push_back(before.string());
}

} // namespace

PupilFile readPupilFile(const std::string& path)
{
    PupilFile file;
    file.path = path;
    const FileBytes bytes = readPlainFile(path, LargestFile);
    if (bytes.error != 0)
        // TRANSLATORS: %1 is the progress file's path, %2 the system's reason.
        file.error = sentence(translated("ProgressFile", "Cannot read %1: %2"), {path, std::strerror(bytes.error)});
    else if (bytes.bytes.size() > LargestFile)
        // TRANSLATORS: %1 is a file's path.
        file.error = sentence(translated("ClassOverview", "%1 is too large to be a progress file."), {path});
    else
        file.read = readProgress(bytes.bytes);
    file.pupil = file.read.pupil.empty() ? nameFromPath(path) : file.read.pupil;
    return file;
}

FoundFiles progressFilesIn(const std::string& path)
{
    FoundFiles found;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        found.unreadable.push_back(path);
        return found;
    }
    if (!fs::is_directory(status)) {
        found.files.push_back(path);
        return found;
    }
    if (fs::is_directory(fs::path(path) / "pupils", error))
        collectPupils(path, found);
    else
        collect(path, 0, found);
    std::sort(found.files.begin(), found.files.end());
    found.files.erase(std::unique(found.files.begin(), found.files.end()), found.files.end());
    return found;
}

} // namespace rods
