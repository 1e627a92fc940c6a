// The class's figures, pupil by pupil, from the records of their files.
#include "tutor/classroom/class_overview.h"

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <map>

namespace rods {
namespace {

// A level is mastered from this share of right answers at the first try.
constexpr long long MasteredPercent = 80;
constexpr std::size_t SlipsListed = 3;

// Sums stay within an int however many files a teacher gathers.
void addTo(int& total, long long amount) { total = static_cast<int>(std::min<long long>(INT_MAX, total + amount)); }

struct LevelTotals {
    long long answers = 0;
    long long rightFirst = 0;
};

// One pupil's records added up as they are read.
struct Tally {
    PupilRow row;
    bool counted = false; // any record counted at all
    // By operation and level: the problems of a level worked to the end.
    std::map<std::pair<int, int>, LevelTotals> levels;
    std::array<int, SlipKinds> slips{};
};

void add(Tally& tally, const ProgressRecord& record)
{
    PupilRow& row = tally.row;
    tally.counted = true;
    if (record.skipped) {
        addTo(row.skipped, 1);
    } else {
        addTo(row.problems, 1);
        addTo(row.answers, record.steps);
        addTo(row.rightFirst, record.rightFirst);
        if (record.source == ProblemSource::Level) {
            LevelTotals& level = tally.levels[{static_cast<int>(record.problem.operation), record.level}];
            level.answers += record.steps;
            level.rightFirst += record.rightFirst;
        }
    }
    // A problem left before its end still shows the slips made in it.
    for (std::size_t kind = 0; kind < tally.slips.size(); ++kind)
        addTo(tally.slips[kind], record.slips[kind]);
    // Days compare as text; the time of day would not, across two offsets.
    const std::string day = record.time.substr(0, 10);
    row.lastDay = std::max(row.lastDay, day);
}

PupilRow finished(Tally& tally)
{
    PupilRow& row = tally.row;
    for (const auto& [key, totals] : tally.levels) { // × before ÷, levels ascending
        const auto operation = static_cast<Operation>(key.first);
        row.levels.push_back({operation, key.second});
        if (totals.answers > 0 && totals.rightFirst * 100 >= MasteredPercent * totals.answers)
            (operation == Operation::Multiply ? row.bestMultiply : row.bestDivide) = key.second;
    }
    std::vector<std::size_t> kinds;
    for (std::size_t kind = 0; kind < tally.slips.size(); ++kind)
        if (tally.slips[kind] > 0)
            kinds.push_back(kind);
    std::stable_sort(kinds.begin(), kinds.end(),
                     [&](std::size_t a, std::size_t b) { return tally.slips[a] > tally.slips[b]; });
    for (std::size_t i = 0; i < kinds.size() && i < SlipsListed; ++i)
        row.slips.emplace_back(static_cast<SlipKind>(kinds[i]), tally.slips[kinds[i]]);
    return std::move(row);
}

// A row for each pupil with a file that could be read, counting the records
// `counts` takes. A file that could not be read gives no row: it says
// nothing of its pupil, and the caller names it with its reason.
std::vector<PupilRow> overview(const std::vector<PupilFile>& files,
                               const std::function<bool(const ProgressRecord&)>& counts, bool onlyCounted)
{
    std::map<std::string, Tally> pupils; // in the order of their names
    for (const PupilFile& file : files) {
        if (!file.error.empty())
            continue;
        Tally& tally = pupils[file.pupil];
        tally.row.pupil = file.pupil;
        tally.row.files.push_back(file.path);
        tally.row.unreadable += file.read.unreadable;
        for (const ProgressRecord& record : file.read.records)
            if (counts(record))
                add(tally, record);
    }
    std::vector<PupilRow> rows;
    for (auto& [name, tally] : pupils)
        if (tally.counted || !onlyCounted)
            rows.push_back(finished(tally));
    return rows;
}

} // namespace

std::vector<PupilRow> classOverview(const std::vector<PupilFile>& files)
{
    return overview(
        files, [](const ProgressRecord&) { return true; }, false);
}

std::vector<PupilRow> setOverview(const std::vector<PupilFile>& files, Operation operation, int level, int set)
{
    return overview(
        files,
        [&](const ProgressRecord& record) {
            return record.source == ProblemSource::Level && record.problem.operation == operation
                   && record.level == level && record.set == set;
        },
        true);
}

} // namespace rods
