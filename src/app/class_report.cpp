#include "app/class_report.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/class_table_paper.h"
#include "paper/whole_file.h"
#include "tutor/classroom/class_overview.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cstdio>

namespace rods {
namespace {

QString pathOf(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// Why a path given gave no file to read, for the teacher.
QString unreadable(const QString& path)
{
    if (!QFileInfo::exists(path))
        // TRANSLATORS: %1 is a path given after --class-report.
        return uiText("CommandLine", "cannot read '%1': there is no such file or folder").arg(path);
    // TRANSLATORS: %1 is a folder given after --class-report, or one inside it.
    return uiText("CommandLine", "cannot read '%1': the folder's files cannot be listed").arg(path);
}

QString writeCsv(const QString& path, const std::vector<PupilRow>& rows)
{
    const std::string csv = classCsv(rows);
    const QString why = writeWholeFile(path, csv,
                                       // TRANSLATORS: a reason, put into "Could not write %1: %2."
                                       uiText("ClassOverview", "the table could not be written"));
    // TRANSLATORS: %1 is the file's name, %2 why not: the system's words, or
    // one of the reasons of this context that start with a small letter.
    return why.isEmpty() ? why : uiText("Paper", "Could not write %1: %2.").arg(QFileInfo(path).fileName(), why);
}

} // namespace

ClassReport readClassReport(const ClassReportJob& job)
{
    std::vector<PupilFile> files;
    ClassReport report;
    for (const QString& path : job.paths) {
        const FoundFiles found = progressFilesIn(QFile::encodeName(path).toStdString());
        for (const std::string& folder : found.unreadable)
            report.troubles << unreadable(pathOf(folder));
        if (found.files.empty() && found.unreadable.empty())
            // TRANSLATORS: %1 is a folder given after --class-report.
            report.troubles << uiText("CommandLine", "no progress files in '%1'").arg(path);
        for (const std::string& file : found.files) {
            files.push_back(readPupilFile(file));
            if (!files.back().error.empty())
                report.troubles << fromUtf8(files.back().error);
        }
    }
    report.rows = classOverview(files);
    return report;
}

bool isCsvReport(const ClassReportJob& job) { return QFileInfo(job.output).suffix().toLower() == "csv"; }

int writeClassReport(const ClassReportJob& job, const std::vector<PupilRow>& rows)
{
    const QString why = isCsvReport(job) ? writeCsv(job.output, rows) : saveClassTablePdf(job.output, classTable(rows));
    if (why.isEmpty())
        return 0;
    std::fprintf(stderr, "numbering-rods: %s\n", qPrintable(why));
    return 1;
}

} // namespace rods
