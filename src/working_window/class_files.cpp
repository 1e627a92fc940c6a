#include "working_window/class_files.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace rods {
namespace {

// A file reached twice (the data folder added again, a file in a folder
// added) would count its records twice.
QString sameFile(const std::string& path)
{
    const QFileInfo file(fromUtf8(path));
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

} // namespace

ClassFiles readClassFiles(const std::string& dataFolder, const QStringList& added)
{
    std::vector<std::string> paths;
    // No pupil has worked here yet when the data folder is not there.
    if (QFileInfo::exists(fromUtf8(dataFolder)))
        paths.push_back(dataFolder);
    for (const QString& path : added)
        paths.push_back(path.toStdString());

    ClassFiles read;
    QSet<QString> seen;
    for (const std::string& path : paths) {
        FoundFiles found = progressFilesIn(path);
        read.unreadable.insert(read.unreadable.end(), found.unreadable.begin(), found.unreadable.end());
        for (const std::string& file : found.files)
            if (!seen.contains(sameFile(file))) {
                seen.insert(sameFile(file));
                PupilFile pupil = readPupilFile(file);
                // A file not read shows no row of noughts, only why.
                if (pupil.error.empty())
                    read.files.push_back(std::move(pupil));
                else
                    read.errors.push_back(std::move(pupil.error));
            }
    }
    return read;
}

QString classNotice(const ClassFiles& read)
{
    QStringList lines;
    std::size_t damaged = 0;
    for (const PupilFile& file : read.files)
        damaged += file.read.unreadable;
    if (damaged > 0)
        lines << uiCount("ClassWindow", "%n line could not be read and is left as found.",
                         "%n lines could not be read and are left as found.", static_cast<long long>(damaged));
    for (const std::string& error : read.errors)
        lines << fromUtf8(error);
    for (const std::string& path : read.unreadable)
        // TRANSLATORS: %1 is a file's or folder's path.
        lines << uiText("ClassWindow", "Nothing could be read from %1.").arg(QDir::toNativeSeparators(fromUtf8(path)));
    if (read.files.empty() && read.errors.empty() && read.unreadable.empty())
        lines << uiText("ClassWindow", "No pupil's progress is kept here yet. Add the files or folders a pupil's "
                                       "progress was copied to.");
    return lines.join('\n');
}

std::optional<SetWorked> newestSet(const std::vector<PupilFile>& files)
{
    const ProgressRecord* newest = nullptr;
    for (const PupilFile& file : files)
        for (const ProgressRecord& record : file.read.records)
            if (record.source == ProblemSource::Level && (newest == nullptr || record.time > newest->time))
                newest = &record;
    if (newest == nullptr)
        return std::nullopt;
    return SetWorked{newest->problem.operation, newest->level, newest->set};
}

} // namespace rods
