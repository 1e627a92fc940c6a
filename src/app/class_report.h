#pragma once

#include "app/command_line.h"
#include "tutor/classroom/class_overview.h"

#include <vector>

namespace rods {

// The class overview of the paths the command line names, read before the
// application starts, and each path or file that could not be read, said for
// the teacher in a line.
struct ClassReport {
    std::vector<PupilRow> rows;
    QStringList troubles;
};
[[nodiscard]] ClassReport readClassReport(const ClassReportJob& job);

// Whether the report is a spreadsheet, which needs no application object;
// a PDF needs one for its fonts.
[[nodiscard]] bool isCsvReport(const ClassReportJob& job);

// Writes the report as CSV or PDF by the output's ending, whole or not at
// all; returns the program's exit status: 0 when written, 1 when not (said
// in one line on standard error).
int writeClassReport(const ClassReportJob& job, const std::vector<PupilRow>& rows);

} // namespace rods
