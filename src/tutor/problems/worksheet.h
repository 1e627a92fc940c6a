#pragma once

#include "tutor/problems/levels.h"
#include "tutor/problems/problem.h"

#include <string>
#include <vector>

namespace rods {

inline constexpr int FewestOnWorksheet = 1;
inline constexpr int MostOnWorksheet = 40;
// The teacher's line over a worksheet, in characters: one line across the page.
inline constexpr int MostInWorksheetTitle = 60;

// A problem on a worksheet, with what its answer key says.
struct WorksheetProblem {
    Problem problem;
    std::string text;   // "307 × 12 ="
    std::string answer; // "307 × 12 = 3684", "3684 ÷ 12 = 307 remainder 0"
    // The rows added (×), when there are two or more, or the products taken
    // away (÷), as the long working writes them: "614 + 3070", "36, 0, 84".
    std::string partials;
    // How many lines of working the problem needs: the rows and their sum,
    // or a line for each digit of the quotient and what is left.
    int workingLines = 1;
};

// A worksheet's problems and what its head says of them.
struct Worksheet {
    std::string title;   // "Multiplication, level 3: 3 rods × 1 digit, with carries"
    std::string source;  // "Set 4711", "Sets 4711 and 4712", "From the list pupils.txt"
    std::string heading; // the teacher's own line over the first page: "Class 4b, Tuesday"
    std::vector<WorksheetProblem> problems;
};

// `count` problems of a level, from the set given on: the first ten are the
// set's, the next ten the next set's, so that each problem can be found in
// the program by its set. The level and set must exist; count is 1 to 40.
[[nodiscard]] Worksheet levelWorksheet(const Level& level, int set, int count);

// `count` problems of the level of that number, × and ÷ taken in turn, a
// product first: the products from the ×-level's sets given on, the
// divisions from the ÷-level's same sets. The number is 1 to 10.
[[nodiscard]] Worksheet mixedWorksheet(int levelNumber, int set, int count);

// The first `count` problems of a teacher's list (all of it when shorter).
[[nodiscard]] Worksheet listWorksheet(const std::vector<Problem>& problems, const std::string& name, int count);

// One problem with its answer, for its key.
[[nodiscard]] WorksheetProblem worksheetProblem(const Problem& problem);

} // namespace rods
