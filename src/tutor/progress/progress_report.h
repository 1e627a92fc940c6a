#pragma once

#include "tutor/progress/progress_record.h"

#include <string>
#include <vector>

namespace rods {

// How many of the last problems the report lists one by one.
inline constexpr std::size_t LastProblemsListed = 20;

// The Progress view as text: the problems worked and the answers right at the
// first try, per operation and level; the slips made most often, each with a
// line of advice; and the last 20 problems.
[[nodiscard]] std::string progressReport(const ProgressRead& read);

// A field of a CSV line, quoted, with its quotes doubled.
[[nodiscard]] std::string csvQuoted(const std::string& field);

// The records as CSV for a spreadsheet: UTF-8 with a byte order mark, a head
// line, one line per record, a column for each kind of slip.
[[nodiscard]] std::string progressCsv(const std::vector<ProgressRecord>& records);

} // namespace rods
