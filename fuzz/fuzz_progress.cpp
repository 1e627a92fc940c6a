// Fuzzing of what a pupil's files hold, which other versions, other
// programs, damaged disks and typing children leave: whatever the bytes, the
// progress file's reader ends, counts every non-empty line as a record, the
// pupil's line or unreadable, and a record read is written back as a line
// that reads as the same record; a place read is written back as the same
// place; a name kept is kept again as it is, and its folder's name is one
// name in the pupils' folder.
#include "fuzz_check.h"
#include "tutor/progress/progress_record.h"
#include "tutor/progress/progress_report.h"
#include "tutor/pupils/pupil_name.h"
#include "tutor/session/kept_place.h"

#include <algorithm>
#include <cstdint>
#include <optional>
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
    check(std::none_of(read.pupil.begin(), read.pupil.end(), [](char c) { return c == '\n' || c == '\t'; }));

    if (const std::optional<rods::KeptPlace> place = rods::readPlace(contents)) {
        const std::string text = rods::placeText(*place);
        const std::optional<rods::KeptPlace> again = rods::readPlace(text);
        check(again.has_value() && rods::placeText(*again) == text);
    }

    const rods::CheckedName name = rods::checkedPupilName(contents);
    check(name.name.empty() != name.refusal.empty());
    if (!name.name.empty()) {
        check(rods::checkedPupilName(name.name).name == name.name);
        const std::string folder = rods::pupilFolderName(name.name);
        check(!folder.empty() && folder.front() != '.' && folder.find('/') == std::string::npos
              && folder.find('\0') == std::string::npos && folder.size() <= 60);
    }
    return 0;
}
