// The class overview as cells, for the window and the page, and as CSV.
#include "core/words.h"
#include "tutor/classroom/class_overview.h"
#include "tutor/exercise/sentence.h"
#include "tutor/progress/progress_report.h"
#include "tutor/progress/slip_words.h"

namespace rods {
namespace {

std::string nothing()
{
    // TRANSLATORS: a cell of the class overview with nothing to show.
    return translated("ClassOverview", "–");
}

long long percentOf(long long part, long long whole) { return (200 * part + whole) / (2 * whole); }

std::string itemsListed(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        // TRANSLATORS: items of a list in a cell of the class overview, the
        // list so far and one more: levels' numbers ("1, 2") or slips
        // ("Forgotten carries (4), Rows too large (2)").
        text = text.empty() ? item : sentence(translated("ClassOverview", "%1, %2"), {text, item});
    return text;
}

// "× 1, 2, 3" from the numbers of levels of one operation.
std::string withSign(Operation operation, const std::string& levels)
{
    if (operation == Operation::Multiply)
        // TRANSLATORS: levels of multiplication in the class overview: %1 is
        // a level's number or a list of them ("1, 2, 3").
        return sentence(translated("ClassOverview", "× %1"), {levels});
    // TRANSLATORS: levels of division in the class overview: %1 is a level's
    // number or a list of them ("1, 2, 3").
    return sentence(translated("ClassOverview", "÷ %1"), {levels});
}

std::string bothOperations(const std::vector<std::string>& parts, const std::string& empty)
{
    if (parts.empty())
        return empty;
    if (parts.size() == 1)
        return parts[0];
    // TRANSLATORS: the levels of multiplication, then those of division, in a
    // cell of the class overview ("× 1, 2, 3" and "÷ 2").
    return sentence(translated("ClassOverview", "%1; %2"), {parts[0], parts[1]});
}

std::string levelsWorked(const PupilRow& row, const std::string& empty)
{
    std::vector<std::string> parts;
    for (const Operation operation : {Operation::Multiply, Operation::Divide}) {
        std::vector<std::string> numbers;
        for (const LevelWorked& level : row.levels)
            if (level.operation == operation)
                numbers.push_back(std::to_string(level.level));
        if (!numbers.empty())
            parts.push_back(withSign(operation, itemsListed(numbers)));
    }
    return bothOperations(parts, empty);
}

std::string bestLevels(const PupilRow& row, const std::string& empty)
{
    std::vector<std::string> parts;
    if (row.bestMultiply)
        parts.push_back(withSign(Operation::Multiply, std::to_string(*row.bestMultiply)));
    if (row.bestDivide)
        parts.push_back(withSign(Operation::Divide, std::to_string(*row.bestDivide)));
    return bothOperations(parts, empty);
}

std::string slipsMade(const PupilRow& row, const std::string& empty)
{
    // TRANSLATORS: a kind of slip and how many were made: "Forgotten carries (4)".
    const std::string pattern = translated("ClassOverview", "%1 (%2)");
    std::vector<std::string> items;
    for (const auto& [kind, count] : row.slips)
        items.push_back(sentence(pattern, {slipTitleWords(kind), std::to_string(count)}));
    return items.empty() ? empty : itemsListed(items);
}

// A name as a spreadsheet shows it, never as a formula it would work out: a
// child's "=1+1", or worse, keeps an apostrophe before it, as spreadsheets
// themselves write text that looks like a formula.
std::string asText(const std::string& name)
{
    return !name.empty() && std::string_view("=+-@").find(name.front()) != std::string_view::npos ? "'" + name : name;
}

} // namespace

std::vector<std::string> classColumnHeads()
{
    // TRANSLATORS: the heads of the class overview's columns, in a table and
    // a spreadsheet: the pupil's name, then their figures.
    return {translated("ClassOverview", "Pupil"), translated("ClassOverview", "Problems worked"),
            translated("ClassOverview", "Answers"), translated("ClassOverview", "Right at the first try"),
            // TRANSLATORS: the share of answers right at the first try ("80%").
            translated("ClassOverview", "Share"),
            // TRANSLATORS: problems left with New problem before their end.
            translated("ClassOverview", "Skipped"), translated("ClassOverview", "Levels worked"),
            // TRANSLATORS: per operation, the highest level with at least 80%
            // of its answers right at the first try.
            // xgettext:no-c-format
            translated("ClassOverview", "Highest level with 80% right"),
            translated("ClassOverview", "Slips made most often"),
            // TRANSLATORS: the day the pupil last worked a problem.
            translated("ClassOverview", "Last worked"),
            // TRANSLATORS: lines of the pupil's progress files that could not be read.
            translated("ClassOverview", "Damaged lines")};
}

std::vector<std::string> classRowCells(const PupilRow& row)
{
    const std::string empty = nothing();
    const std::string share = row.answers == 0 ? empty
                                               // TRANSLATORS: a percentage: %1 is the number (80 for 80%).
                                               // xgettext:no-c-format
                                               : sentence(translated("ClassOverview", "%1%"),
                                                          {std::to_string(percentOf(row.rightFirst, row.answers))});
    return {row.pupil,
            std::to_string(row.problems),
            std::to_string(row.answers),
            std::to_string(row.rightFirst),
            share,
            std::to_string(row.skipped),
            levelsWorked(row, empty),
            bestLevels(row, empty),
            slipsMade(row, empty),
            row.lastDay.empty() ? empty : row.lastDay,
            std::to_string(row.unreadable)};
}

std::string classCsv(const std::vector<PupilRow>& rows)
{
    std::string csv = "\xef\xbb\xbf"; // so that spreadsheets read × and ÷ as UTF-8
    std::string line;
    for (const std::string& head : classColumnHeads())
        line += (line.empty() ? "" : ",") + csvQuoted(head);
    csv += line + "\r\n";
    // Figures as plain numbers, a spreadsheet's to sum; nothing where there is none.
    for (const PupilRow& row : rows)
        csv += csvQuoted(asText(row.pupil)) + "," + std::to_string(row.problems) + "," + std::to_string(row.answers)
               + "," + std::to_string(row.rightFirst) + ","
               + (row.answers == 0 ? std::string() : std::to_string(percentOf(row.rightFirst, row.answers))) + ","
               + std::to_string(row.skipped) + "," + csvQuoted(levelsWorked(row, {})) + ","
               + csvQuoted(bestLevels(row, {})) + "," + csvQuoted(slipsMade(row, {})) + "," + csvQuoted(row.lastDay)
               + "," + std::to_string(row.unreadable) + "\r\n";
    return csv;
}

} // namespace rods
