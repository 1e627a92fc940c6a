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

Worksheet levelWorksheet(const Level& level, int set, int count)
{
    Worksheet sheet;
    sheet.title =
        sentence(level.operation == Operation::Multiply ? "Multiplication, level %1: %2" : "Division, level %1: %2",
                 {std::to_string(level.number), level.practises});
    count = std::clamp(count, FewestOnWorksheet, MostOnWorksheet);
    std::vector<int> sets;
    for (int i = 0; i < count; ++i) {
        // After the last set comes the first, as in the program.
        const int at = (set - FirstSet + i / ProblemsInSet) % (LastSet - FirstSet + 1) + FirstSet;
        if (sets.empty() || sets.back() != at)
            sets.push_back(at);
        sheet.problems.push_back(worksheetProblem(problemSet(level, at)[static_cast<std::size_t>(i % ProblemsInSet)]));
    }
    std::vector<std::string> numbers;
    for (int at : sets)
        numbers.push_back(std::to_string(at));
    if (numbers.size() == 1)
        sheet.source = sentence("Set %1", {numbers.front()});
    else if (numbers.size() == 2)
        sheet.source = sentence("Sets %1 and %2", {numbers[0], numbers[1]});
    else
        sheet.source = sentence("Sets %1 to %2", {numbers.front(), numbers.back()});
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
