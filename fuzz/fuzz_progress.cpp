// Fuzzing of the progress file's reader, which reads what other versions,
// other programs and damaged disks left: whatever the bytes, it ends, counts
// every non-empty line as a record or as unreadable, and a record read is
// written back as a line that reads as the same record.
#include "fuzz_check.h"
#include "tutor/progress/progress_record.h"
#include "tutor/progress/progress_report.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const rods::ProgressRead read = rods::readProgress(contents);
    const auto lines = static_cast<std::size_t>(std::count(contents.begin(), contents.end(), '\n')) + 1;
    check(read.records.size() + read.unreadable <= lines);
    for (const rods::ProgressRecord& record : read.records) {
        const std::string line = rods::recordLine(record);
        check(!line.empty() && line.back() == '\n' && std::count(line.begin(), line.end(), '\n') == 1);
        const auto again = rods::readRecordLine(std::string_view(line).substr(0, line.size() - 1));
        check(again.has_value() && rods::recordLine(*again) == line);
    }
    (void)rods::progressReport(read);
    (void)rods::progressCsv(read.records);
    return 0;
}
