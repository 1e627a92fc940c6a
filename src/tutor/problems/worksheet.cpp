#include "tutor/problems/worksheet.h"

#include "core/board_state.h"
#include "tutor/division/division.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/reading.h"
#include "tutor/problems/problem_sets.h"

#include <algorithm>

namespace rods {

WorksheetProblem worksheetProblem(const Problem& problem)
{
    WorksheetProblem sheet;
    sheet.problem = problem;
    const std::string text = problemText(problem);
    sheet.text = sentence("%1 =", {text});
    BoardState board;
    for (int rod : problem.rods)
        board.placeRod(rod);
    if (problem.operation == Operation::Multiply) {
        const Reading reading = readRods(board, problem.number);
        std::vector<std::string> rows;
        for (const RowReading* row : reading.addedRows())
            rows.push_back(row->shifted());
        sheet.answer = sentence("%1 = %2", {text, reading.product});
        // One row is the product itself: the key names rows only to add.
        if (rows.size() >= 2)
            sheet.partials = joined(rows, " + ");
        // A row for each digit of the multiplicand, and the line of the sum.
        sheet.workingLines = static_cast<int>(reading.rows.size()) + 1;
        return sheet;
    }
    const std::optional<Division> division = divideOnRods(board, problem.number);
    if (!division) {
        sheet.answer = sentence("%1 has no answer: no number can be divided by 0.", {text});
        return sheet;
    }
    std::vector<std::string> taken;
    for (const DivisionStep& step : division->steps)
        taken.push_back(std::to_string(step.product));
    sheet.answer = sentence("%1 = %2 remainder %3", {text, division->quotient, std::to_string(division->remainder)});
    sheet.partials = joined(taken, ", ");
    // What is taken away and what is left, for each digit of the quotient.
    sheet.workingLines = 2 * static_cast<int>(division->steps.size());
    return sheet;
}

namespace {

// The i-th problem of a level's sets from `set` on: the first ten are the
// set's, the next ten the next set's, after the last set the first, as in
// the program.
int setOf(int set, int i) { return (set - FirstSet + i / ProblemsInSet) % (LastSet - FirstSet + 1) + FirstSet; }

Problem posed(const Level& level, int set, int i)
{
    return problemSet(level, setOf(set, i))[static_cast<std::size_t>(i % ProblemsInSet)];
}

// "Set 4711", "Sets 4711 and 4712", "Sets 4711 to 4714": the sets the
// first `count` problems come from.
std::string setsNamed(int set, int count)
{
    std::vector<std::string> numbers;
    for (int i = 0; i < count; ++i)
        if (const std::string at = std::to_string(setOf(set, i)); numbers.empty() || numbers.back() != at)
            numbers.push_back(at);
    if (numbers.size() == 1)
        return sentence("Set %1", {numbers.front()});
    if (numbers.size() == 2)
        return sentence("Sets %1 and %2", {numbers[0], numbers[1]});
    return sentence("Sets %1 to %2", {numbers.front(), numbers.back()});
}

} // namespace

Worksheet levelWorksheet(const Level& level, int set, int count)
{
    Worksheet sheet;
    sheet.title =
        sentence(level.operation == Operation::Multiply ? "Multiplication, level %1: %2" : "Division, level %1: %2",
                 {std::to_string(level.number), level.practises});
    count = std::clamp(count, FewestOnWorksheet, MostOnWorksheet);
    for (int i = 0; i < count; ++i)
        sheet.problems.push_back(worksheetProblem(posed(level, set, i)));
    sheet.source = setsNamed(set, count);
    return sheet;
}

Worksheet mixedWorksheet(int levelNumber, int set, int count)
{
    const Level* times = findLevel(Operation::Multiply, levelNumber);
    const Level* into = findLevel(Operation::Divide, levelNumber);
    if (times == nullptr || into == nullptr)
        return {};
    Worksheet sheet;
    sheet.title = sentence("Multiplication and division, level %1", {std::to_string(levelNumber)});
    count = std::clamp(count, FewestOnWorksheet, MostOnWorksheet);
    for (int i = 0; i < count; ++i)
        sheet.problems.push_back(worksheetProblem(posed(i % 2 == 0 ? *times : *into, set, i / 2)));
    sheet.source = setsNamed(set, (count + 1) / 2);
    return sheet;
}

Worksheet listWorksheet(const std::vector<Problem>& problems, const std::string& name, int count)
{
    Worksheet sheet;
    sheet.title = "Problems from a teacher's list";
    sheet.source = sentence("From the list %1", {name});
    count = std::clamp(count, FewestOnWorksheet, MostOnWorksheet);
    for (std::size_t i = 0; i < problems.size() && i < static_cast<std::size_t>(count); ++i)
        sheet.problems.push_back(worksheetProblem(problems[i]));
    return sheet;
}

} // namespace rods
