#include "tutor/progress/progress_report.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/problems/levels.h"
#include "tutor/progress/slip_words.h"

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
    const int rounded = whole == 0 ? 0 : (200 * part + whole) / (2 * whole);
    // TRANSLATORS: a percentage: %1 is the number (80 for 80%).
    // xgettext:no-c-format
    return sentence(translated("ProgressReport", "%1%"), {std::to_string(rounded)});
}

std::string totalsInWords(const Totals& totals)
{
    // TRANSLATORS: how many problems were worked, at the start of a line of
    // the progress report.
    // xgettext:no-c-format
    const std::string problems = translatedCount("ProgressReport", "%n problem", "%n problems", totals.problems);
    const std::string right = std::to_string(totals.rightFirst), share = percent(totals.rightFirst, totals.answers);
    if (totals.shown > 0)
        return sentence(translatedCount("ProgressReport",
                                        // TRANSLATORS: %1 is how many problems ("3 problems"); %2 of the %n
                                        // answers were right at the first try, %3 as a percentage ("80%"), and
                                        // %4 answers were shown.
                                        // xgettext:no-c-format
                                        "%1, %2 of %n answer right at the first try (%3), %4 shown",
                                        "%1, %2 of %n answers right at the first try (%3), %4 shown", totals.answers),
                        {problems, right, share, std::to_string(totals.shown)});
    return sentence(translatedCount("ProgressReport",
                                    // TRANSLATORS: %1 is how many problems ("3 problems"); %2 of the %n answers
                                    // were right at the first try, %3 as a percentage ("80%").
                                    // xgettext:no-c-format
                                    "%1, %2 of %n answer right at the first try (%3)",
                                    "%1, %2 of %n answers right at the first try (%3)", totals.answers),
                    {problems, right, share});
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
        return translated("ProgressReport", "Problems from a list");
    if (record.source == ProblemSource::Own)
        return translated("ProgressReport", "Problems of your own");
    const Level* level = findLevel(record.problem.operation, record.level);
    // TRANSLATORS: a group of the progress report: %1 is the level's number,
    // %2 what it practises.
    return level ? sentence(translated("ProgressReport", "Level %1, %2"),
                            {std::to_string(record.level), translated(level->practises)})
                 // TRANSLATORS: a group of the progress report: %1 is the level's number.
                 : sentence(translated("ProgressReport", "Level %1"), {std::to_string(record.level)});
}

// "2026-12-07 19:12" from the record's time.
std::string shortTime(const std::string& time) { return time.substr(0, 10) + " " + time.substr(11, 5); }

// The problem and where it came from: "307 × 12, level 3, set 4711".
std::string problemNamed(const ProgressRecord& record)
{
    const std::string problem = problemText(record.problem);
    if (record.source == ProblemSource::Level)
        // TRANSLATORS: a problem worked: %1 is the problem ("307 × 12"), %2
        // its level's number, %3 its set's.
        return sentence(translated("ProgressReport", "%1, level %2, set %3"),
                        {problem, std::to_string(record.level), std::to_string(record.set)});
    if (record.source == ProblemSource::List)
        // TRANSLATORS: a problem worked: %1 is the problem ("307 × 12").
        return sentence(translated("ProgressReport", "%1, from a list"), {problem});
    return problem;
}

std::string recordInWords(const ProgressRecord& record)
{
    const std::string named = problemNamed(record), right = std::to_string(record.rightFirst);
    std::string words;
    if (record.skipped)
        // TRANSLATORS: %1 is a problem left for the next one before its end
        // ("307 × 12, level 3, set 4711").
        words = sentence(translated("ProgressReport", "%1: skipped"), {named});
    else if (record.shown > 0)
        words = sentence(translatedCount("ProgressReport",
                                         // TRANSLATORS: %1 is the problem worked ("307 × 12, level 3, set 4711");
                                         // %2 of its %n answers were right at the first try, %3 were shown.
                                         // xgettext:no-c-format
                                         "%1: %2 of %n answer right at the first try, %3 shown",
                                         "%1: %2 of %n answers right at the first try, %3 shown", record.steps),
                         {named, right, std::to_string(record.shown)});
    else
        words = sentence(translatedCount("ProgressReport",
                                         // TRANSLATORS: %1 is the problem worked ("307 × 12, level 3, set 4711");
                                         // %2 of its %n answers were right at the first try.
                                         // xgettext:no-c-format
                                         "%1: %2 of %n answer right at the first try",
                                         "%1: %2 of %n answers right at the first try", record.steps),
                         {named, right});
    return shortTime(record.time) + "  " + words;
}

} // namespace

std::string progressReport(const ProgressRead& read)
{
    std::string report;
    if (read.unreadable > 0)
        report += translatedCount("ProgressReport",
                                  // TRANSLATORS: %n lines of the progress file are damaged.
                                  // xgettext:no-c-format
                                  "%n record could not be read (left in the file as found).",
                                  "%n records could not be read (left in the file as found).",
                                  static_cast<long long>(read.unreadable))
                  + "\n\n";
    std::vector<ProgressRecord> worked;
    std::size_t skipped = 0;
    for (const ProgressRecord& record : read.records) {
        if (record.skipped)
            ++skipped;
        else
            worked.push_back(record);
    }
    if (read.records.empty())
        return report
               + sentence(translated("ProgressReport",
                                     // TRANSLATORS: %1 is the caption of the check box "Work it yourself".
                                     "No problems worked yet. Check \"%1\" and work a problem to the end: it is kept "
                                     "here."),
                          {translated("WorkingWindow", "Work it yourself")})
               + "\n";

    Totals all;
    std::map<GroupKey, std::pair<std::string, Totals>> groups;
    std::array<int, SlipKinds> slips{};
    for (const ProgressRecord& record : worked) {
        add(all, record);
        auto& group = groups[keyOf(record)];
        group.first = groupName(record);
        add(group.second, record);
        for (std::size_t kind = 0; kind < slips.size(); ++kind)
            slips[kind] += record.slips[kind];
    }
    // TRANSLATORS: %1 is all the problems worked and their answers ("3
    // problems, 12 of 15 answers right at the first try (80%)").
    report += sentence(translated("ProgressReport", "Altogether: %1."), {totalsInWords(all)}) + "\n";
    if (skipped > 0)
        report += translatedCount("ProgressReport",
                                  // TRANSLATORS: problems left for the next one with New problem before their end.
                                  // xgettext:no-c-format
                                  "Skipped before the end: %n problem.", "Skipped before the end: %n problems.",
                                  static_cast<long long>(skipped))
                  + "\n";
    int operation = -1;
    for (const auto& [key, group] : groups) {
        if (std::get<0>(key) != operation) {
            operation = std::get<0>(key);
            report += "\n"
                      + (operation == 0 ? translated("ProgressReport", "Multiplication")
                                        : translated("ProgressReport", "Division"))
                      + "\n";
        }
        // TRANSLATORS: %1 is a group of problems ("Level 3, 3 rods × 1 digit,
        // with carries"), %2 its problems and answers ("3 problems, 12 of 15
        // answers right at the first try (80%)").
        const std::string line = translated("ProgressReport", "%1: %2.");
        report += "  " + sentence(line, {group.first, totalsInWords(group.second)}) + "\n";
    }

    report += "\n" + translated("ProgressReport", "Slips made most often") + "\n";
    std::vector<std::size_t> kinds;
    for (std::size_t kind = 0; kind < slips.size(); ++kind)
        if (slips[kind] > 0)
            kinds.push_back(kind);
    std::stable_sort(kinds.begin(), kinds.end(), [&](std::size_t a, std::size_t b) { return slips[a] > slips[b]; });
    if (kinds.empty())
        report += "  " + translated("ProgressReport", "None: every answer was right or shown.") + "\n";
    for (std::size_t i = 0; i < kinds.size() && i < 5; ++i)
        report += "  " + slipAdviceWords(static_cast<SlipKind>(kinds[i]), slips[kinds[i]]) + "\n";

    const std::size_t listed = std::min(read.records.size(), LastProblemsListed);
    report += "\n"
              + (listed == 1
                     ? translated("ProgressReport", "The last problem")
                     : translatedCount("ProgressReport",
                                       // TRANSLATORS: a heading over the last problems worked; %n is 2
                                       // to 20.
                                       // xgettext:no-c-format
                                       "The last %n problems", "The last %n problems", static_cast<long long>(listed)))
              + "\n";
    for (auto record = read.records.rbegin(); record != read.records.rbegin() + static_cast<long>(listed); ++record)
        report += "  " + recordInWords(*record) + "\n";
    return report;
}

std::string csvQuoted(const std::string& field)
{
    std::string text = "\"";
    for (char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    return text + "\"";
}

std::string progressCsv(const std::vector<ProgressRecord>& records)
{
    std::string csv = "\xef\xbb\xbf"; // so that spreadsheets read × and ÷ as UTF-8
    // A column's head for each field of a record, in the order written;
    // Skipped is 1 for a problem left before its end, for a spreadsheet to count.
    const std::string heads[] = {
        translated("ProgressCsv", "Date and time"), translated("ProgressCsv", "Problem"),
        translated("ProgressCsv", "Source"),        translated("ProgressCsv", "Skipped"),
        translated("ProgressCsv", "Level"),         translated("ProgressCsv", "Set"),
        translated("ProgressCsv", "Answers"),       translated("ProgressCsv", "Right at the first try"),
        translated("ProgressCsv", "Shown")};
    for (const std::string& head : heads)
        csv += (&head == &heads[0] ? "" : ",") + csvQuoted(head);
    for (int kind = 0; kind < SlipKinds; ++kind) {
        csv += ',';
        csv += csvQuoted(slipTitleWords(static_cast<SlipKind>(kind)));
    }
    csv += "\r\n";
    for (const ProgressRecord& record : records) {
        const bool level = record.source == ProblemSource::Level;
        // TRANSLATORS: where a problem came from, in a spreadsheet's column:
        // a level's set, a teacher's list, or typed by the learner.
        const std::string source = level                                  ? translated("ProgressCsv", "level")
                                   : record.source == ProblemSource::List ? translated("ProgressCsv", "list")
                                                                          : translated("ProgressCsv", "own");
        csv += csvQuoted(record.time) + "," + csvQuoted(problemText(record.problem)) + "," + csvQuoted(source) + ","
               + (record.skipped ? "1," : "0,") + (level ? std::to_string(record.level) : "") + ","
               + (level ? std::to_string(record.set) : "") + "," + std::to_string(record.steps) + ","
               + std::to_string(record.rightFirst) + "," + std::to_string(record.shown);
        for (int count : record.slips) {
            csv += ',';
            csv += std::to_string(count);
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace rods
