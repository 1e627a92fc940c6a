#pragma once

#include "tutor/exercise/slips.h"
#include "tutor/problems/problem.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// Where a problem worked came from.
enum class ProblemSource { Own, Level, List };

// One problem a learner worked to the end in Work it yourself, or left for
// the next one before its end.
struct ProgressRecord {
    std::string time; // local time with its offset: "2026-12-07T19:12:02+01:00"
    Problem problem;
    ProblemSource source = ProblemSource::Own;
    int level = 0; // for a problem posed at a level: its level and set
    int set = 0;
    bool skipped = false; // left with New problem before its end
    int steps = 0;        // the questions answered
    int rightFirst = 0;
    int shown = 0;
    std::array<int, SlipKinds> slips{}; // per kind
};

// The record as one line of the progress file, its newline included. The
// line carries a checksum, so that a damaged line is known as damaged.
[[nodiscard]] std::string recordLine(const ProgressRecord& record);
// The record a line holds (without its newline), or none when the line is
// damaged or not a record.
[[nodiscard]] std::optional<ProgressRecord> readRecordLine(std::string_view line);

// The line that names the pupil whose records follow, written first into a
// pupil's file so that the file says whose it is wherever it is copied.
[[nodiscard]] std::string pupilLine(const std::string& name);

struct ProgressRead {
    std::string pupil;                   // as the file names them; empty if it does not
    std::vector<ProgressRecord> records; // in the order written
    std::size_t unreadable = 0;          // lines skipped
};
// Reads a progress file's contents around anything damaged: each line that
// is not a whole record is skipped and counted, a last line without its
// newline (a write cut short) included.
[[nodiscard]] ProgressRead readProgress(std::string_view contents);

// Now, as records keep it.
[[nodiscard]] std::string localTimeNow();

} // namespace rods
