#include "tutor/problems/worksheet.h"

#include "core/board_state.h"
#include "core/words.h"
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
        // TRANSLATORS: %1 is the problem ("3684 ÷ 0").
        sheet.answer = sentence(translated("Worksheet", "%1 has no answer: no number can be divided by 0."), {text});
        return sheet;
    }
    // TRANSLATORS: the answer key's answer: %1 is the problem ("3684 ÷ 12"),
    // %2 the quotient, %3 the remainder.
    sheet.answer = sentence(translated("Worksheet", "%1 = %2 remainder %3"),
                            {text, division->quotient, std::to_string(division->remainder)});
    for (const DivisionStep& step : division->steps) {
        const std::string product = std::to_string(step.product);
        // TRANSLATORS: the products taken away one after the other: %1
        // those so far, %2 the next.
        sheet.partials =
            sheet.partials.empty() ? product : sentence(translated("List", "%1, %2"), {sheet.partials, product});
    }
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
        // TRANSLATORS: where a worksheet's problems come from: %1 is a set's
        // number, as the program's set box takes it.
        return sentence(translated("Worksheet", "Set %1"), {numbers.front()});
    if (numbers.size() == 2)
        // TRANSLATORS: two sets' numbers.
        return sentence(translated("Worksheet", "Sets %1 and %2"), {numbers[0], numbers[1]});
    // TRANSLATORS: the first and the last of the sets' numbers.
    return sentence(translated("Worksheet", "Sets %1 to %2"), {numbers.front(), numbers.back()});
}

} // namespace

Worksheet levelWorksheet(const Level& level, int set, int count)
{
    Worksheet sheet;
    // TRANSLATORS: a worksheet's title: %1 is the level's number, %2 what
    // it practises.
    const std::string times = translated("Worksheet", "Multiplication, level %1: %2");
    // TRANSLATORS: a worksheet's title: %1 is the level's number, %2 what
    // it practises.
    const std::string into = translated("Worksheet", "Division, level %1: %2");
    const std::string title = level.operation == Operation::Multiply ? times : into;
    sheet.title = sentence(title, {std::to_string(level.number), translated(level.practises)});
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
    // TRANSLATORS: a worksheet's title: %1 is the level's number.
    sheet.title =
        sentence(translated("Worksheet", "Multiplication and division, level %1"), {std::to_string(levelNumber)});
    count = std::clamp(count, FewestOnWorksheet, MostOnWorksheet);
    for (int i = 0; i < count; ++i)
        sheet.problems.push_back(worksheetProblem(posed(i % 2 == 0 ? *times : *into, set, i / 2)));
    sheet.source = setsNamed(set, (count + 1) / 2);
    return sheet;
}

Worksheet listWorksheet(const std::vector<Problem>& problems, const std::string& name, int count)
{
    Worksheet sheet;
    sheet.title = translated("Worksheet", "Problems from a teacher's list");
    // TRANSLATORS: where a worksheet's problems come from: %1 is the list's
    // file name.
    sheet.source = sentence(translated("Worksheet", "From the list %1"), {name});
    count = std::clamp(count, FewestOnWorksheet, MostOnWorksheet);
    for (std::size_t i = 0; i < problems.size() && i < static_cast<std::size_t>(count); ++i)
        sheet.problems.push_back(worksheetProblem(problems[i]));
    return sheet;
}

} // namespace rods
