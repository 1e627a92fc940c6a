#pragma once

#include "tutor/exercise/figures.h"
#include "tutor/exercise/signs.h"
#include "tutor/multiplication/reading.h"

#include <string>
#include <string_view>
#include <vector>

namespace rods {

// A diagonal or a column in words: "7", "0 + 1 = 1", "3 + 1 carried = 4",
// "4 + 6 = 10: write 0, carry 1".
[[nodiscard]] std::string sumInWords(const std::vector<int>& parts, int carryIn, int sum);

// The step that reads row `index` of the reading, for a pupil: which digit,
// which row, each diagonal from the right, and the partial product.
[[nodiscard]] std::string rowInWords(const Reading& reading, std::size_t index);

// The adding step: what it does and the product, and how the product
// compares with the one the list shows. Its columns are in columnLines.
[[nodiscard]] std::string sumInWords(const Reading& reading, std::string_view listed);

// The adding step's columns, one short line each, from the right:
// "units: 4 + 0 = 4", "hundreds: 6 + 7 = 13: write 3, carry 1".
[[nodiscard]] std::vector<std::string> columnLines(const Reading& reading);

// Step `step` in words: a row, with the product added at the last row when
// there is no adding step, or the adding step.
[[nodiscard]] std::string stepInWords(const Reading& reading, std::size_t step, std::string_view listed);

// The step that reads row `index`, as a task for a learner: the row to read
// and what to type, without the answer.
[[nodiscard]] std::string rowTask(const Reading& reading, std::size_t index);

// The last step as a task for a learner, without the answer.
[[nodiscard]] std::string sumTask(const Reading& reading);

// Whether the long multiplication shows the running total under its rows.
enum class Total { Shown, Hidden };

// The long multiplication with the first `rowsShown` rows revealed (zero rows
// are left out), then the running total where two rows or more are added.
[[nodiscard]] Figures longMultiplication(const Reading& reading, std::size_t rowsShown, Total total = Total::Shown);

// "307 × ", the start of every product the words name.
[[nodiscard]] std::string timesOf(const Reading& reading);

} // namespace rods
