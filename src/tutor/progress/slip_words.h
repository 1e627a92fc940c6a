#pragma once

#include "tutor/exercise/slips.h"

#include <string>

namespace rods {

// What a count of a kind of slip is called, for a teacher's spreadsheet and
// the report: "Forgotten carries".
[[nodiscard]] std::string slipTitleWords(SlipKind kind);

// For the learner: "Forgotten carries: 5. After each diagonal, check whether
// it made 10 or more."
[[nodiscard]] std::string slipAdviceWords(SlipKind kind, int count);

} // namespace rods
