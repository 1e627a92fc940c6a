#include "tutor/progress/progress_report.h"

#include "tutor/exercise/sentence.h"
#include "tutor/problems/levels.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace rods {
namespace {

struct Totals {
    int problems = 0;
    int answers = 0;
    int rightFirst = 0;
    int shown = 0;
};

void add(Totals& totals, const ProgressRecord& record)
{
    ++totals.problems;
    totals.answers += record.steps;
    totals.rightFirst += record.rightFirst;
    totals.shown += record.shown;
}

std::string percent(int part, int whole)
{
    return whole == 0 ? std::string("0%") : std::to_string((200 * part + whole) / (2 * whole)) + "%";
}

std::string totalsInWords(const Totals& totals)
{
    std::string words = sentence("%1, %2 of %3 right at the first try (%4)",
                                 {counted(static_cast<std::size_t>(totals.problems), "problem", "problems"),
                                  std::to_string(totals.rightFirst),
                                  counted(static_cast<std::size_t>(totals.answers), "answer", "answers"),
                                  percent(totals.rightFirst, totals.answers)});
    if (totals.shown > 0)
        words += sentence(", %1 shown", {std::to_string(totals.shown)});
    return words;
}

// Groups in the order a report lists them: per operation, the levels in
// order, then the problems of a list, then the learner's own.
using GroupKey = std::tuple<int, int, int>; // operation, source order, level

GroupKey keyOf(const ProgressRecord& record)
{
    const int source = record.source == ProblemSource::Level ? 0 : record.source == ProblemSource::List ? 1 : 2;
    return {record.problem.operation == Operation::Multiply ? 0 : 1, source, record.level};
}

std::string groupName(const ProgressRecord& record)
{
    if (record.source == ProblemSource::List)
        return "Problems from a list";
    if (record.source == ProblemSource::Own)
        return "Problems of your own";
    const Level* level = findLevel(record.problem.operation, record.level);
    return level ? sentence("Level %1, %2", {std::to_string(record.level), level->practises})
                 : sentence("Level %1", {std::to_string(record.level)});
}

// "2026-12-07 19:12" from the record's time.
std::string shortTime(const std::string& time) { return time.substr(0, 10) + " " + time.substr(11, 5); }

std::string recordInWords(const ProgressRecord& record)
{
    std::string words = shortTime(record.time) + "  " + problemText(record.problem);
    if (record.source == ProblemSource::Level)
        words += sentence(", level %1, set %2", {std::to_string(record.level), std::to_string(record.set)});
    else if (record.source == ProblemSource::List)
        words += ", from a list";
    words += sentence(
        ": %1 of %2 right at the first try",
        {std::to_string(record.rightFirst), counted(static_cast<std::size_t>(record.steps), "answer", "answers")});
    if (record.shown > 0)
        words += sentence(", %1 shown", {std::to_string(record.shown)});
    return words;
}

std::string quoted(const std::string& field)
{
    std::string text = "\"";
    for (char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    return text + "\"";
}

} // namespace

std::string progressReport(const ProgressRead& read)
{
    std::string report;
    if (read.unreadable > 0)
        report += sentence("%1 could not be read (left in the file as found).\n\n",
                           {counted(read.unreadable, "record", "records")});
    if (read.records.empty())
        return report
               + "No problems worked yet. Check \"Work it yourself\" and work a problem to the end: "
                 "it is kept here.\n";

    Totals all;
    std::map<GroupKey, std::pair<std::string, Totals>> groups;
    std::array<int, SlipKinds> slips{};
    for (const ProgressRecord& record : read.records) {
        add(all, record);
        auto& group = groups[keyOf(record)];
        group.first = groupName(record);
        add(group.second, record);
        for (std::size_t kind = 0; kind < slips.size(); ++kind)
            slips[kind] += record.slips[kind];
    }
    report += "Altogether: " + totalsInWords(all) + ".\n";
    int operation = -1;
    for (const auto& [key, group] : groups) {
        if (std::get<0>(key) != operation) {
            operation = std::get<0>(key);
            report += operation == 0 ? "\nMultiplication\n" : "\nDivision\n";
        }
        report += "  " + group.first + ": " + totalsInWords(group.second) + ".\n";
    }

    report += "\nSlips made most often\n";
    std::vector<std::size_t> kinds;
    for (std::size_t kind = 0; kind < slips.size(); ++kind)
        if (slips[kind] > 0)
            kinds.push_back(kind);
    std::stable_sort(kinds.begin(), kinds.end(), [&](std::size_t a, std::size_t b) { return slips[a] > slips[b]; });
    if (kinds.empty())
        report += "  None: every answer was right or shown.\n";
    for (std::size_t i = 0; i < kinds.size() && i < 5; ++i)
        report += "  " + slipAdvice(static_cast<SlipKind>(kinds[i]), slips[kinds[i]]) + "\n";

    const std::size_t listed = std::min(read.records.size(), LastProblemsListed);
    report += listed == 1 ? std::string("\nThe last problem\n")
                          : sentence("\nThe last %1 problems\n", {std::to_string(listed)});
    for (auto record = read.records.rbegin(); record != read.records.rbegin() + static_cast<long>(listed); ++record)
        report += "  " + recordInWords(*record) + "\n";
    return report;
}

std::string progressCsv(const std::vector<ProgressRecord>& records)
{
    std::string csv = "\xef\xbb\xbf"; // so that spreadsheets read × and ÷ as UTF-8
    csv += "\"Date and time\",\"Problem\",\"Source\",\"Level\",\"Set\",\"Answers\",\"Right at the first try\","
           "\"Shown\"";
    for (int kind = 0; kind < SlipKinds; ++kind) {
        csv += ',';
        csv += quoted(std::string(slipTitle(static_cast<SlipKind>(kind))));
    }
    csv += "\r\n";
    for (const ProgressRecord& record : records) {
        const bool level = record.source == ProblemSource::Level;
        const char* source = level ? "level" : record.source == ProblemSource::List ? "list" : "own";
        csv += quoted(record.time) + "," + quoted(problemText(record.problem)) + "," + quoted(source) + ","
               + (level ? std::to_string(record.level) : "") + "," + (level ? std::to_string(record.set) : "") + ","
               + std::to_string(record.steps) + "," + std::to_string(record.rightFirst) + ","
               + std::to_string(record.shown);
        for (int count : record.slips) {
            csv += ',';
            csv += std::to_string(count);
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace rods
