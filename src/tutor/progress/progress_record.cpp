#include "tutor/progress/progress_record.h"

#include "core/checksum.h"
#include "tutor/problems/levels.h"
#include "tutor/problems/problem_sets.h"

#include <charconv>
#include <ctime>

namespace rods {
namespace {

// Version 1 had no outcome: every record was a problem worked to the end.
constexpr std::string_view FirstVersion = "1";
constexpr std::string_view Version = "2";
constexpr std::size_t FirstFields = 11;
constexpr std::size_t Fields = 12;
constexpr int MostSteps = 1000;
constexpr std::string_view PupilTag = "pupil";
constexpr std::size_t LongestPupilLine = 1024;

constexpr std::string_view SourceNames[] = {"own", "level", "list"};

std::optional<int> whole(std::string_view text, int most)
{
    int value = 0;
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > most)
        return std::nullopt;
    return value;
}

// "2026-12-07T19:12:02+01:00": digits and signs where they belong.
bool wellFormedTime(std::string_view time)
{
    constexpr std::string_view Shape = "dddd-dd-ddTdd:dd:dd+dd:dd";
    if (time.size() != Shape.size())
        return false;
    for (std::size_t i = 0; i < Shape.size(); ++i) {
        const char c = time[i];
        const bool fits = Shape[i] == 'd'   ? (c >= '0' && c <= '9')
                          : Shape[i] == '+' ? (c == '+' || c == '-')
                                            : c == Shape[i];
        if (!fits)
            return false;
    }
    return true;
}

std::string problemField(const Problem& problem)
{
    std::string rods;
    for (int rod : problem.rods)
        rods += static_cast<char>('0' + rod);
    return problem.operation == Operation::Multiply ? rods + "x" + std::to_string(problem.number)
                                                    : std::to_string(problem.number) + "/" + rods;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

bool readSlips(std::string_view text, ProgressRecord& record)
{
    if (text == "-")
        return true;
    for (std::string_view item : split(text, ',')) {
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos)
            return false;
        const std::optional<int> count = whole(item.substr(equals + 1), MostSteps * 100);
        if (!count || *count == 0)
            return false;
        // A kind a later version counts is passed over; the record stays.
        if (const std::optional<SlipKind> kind = slipNamed(item.substr(0, equals)))
            record.slips[static_cast<std::size_t>(*kind)] += *count;
    }
    return true;
}

} // namespace

std::string recordLine(const ProgressRecord& record)
{
    std::string slips;
    for (std::size_t kind = 0; kind < record.slips.size(); ++kind) {
        if (record.slips[kind] == 0)
            continue;
        if (!slips.empty())
            slips += ",";
        slips += std::string(slipName(static_cast<SlipKind>(kind))) + "=" + std::to_string(record.slips[kind]);
    }
    std::string line = std::string(Version) + "\t" + record.time + "\t" + problemField(record.problem) + "\t"
                       + std::string(SourceNames[static_cast<std::size_t>(record.source)]) + "\t"
                       + std::to_string(record.level) + "\t" + std::to_string(record.set) + "\t"
                       + (record.skipped ? "skipped" : "done") + "\t" + std::to_string(record.steps) + "\t"
                       + std::to_string(record.rightFirst) + "\t" + std::to_string(record.shown) + "\t"
                       + (slips.empty() ? std::string("-") : slips);
    return line + "\t" + checksumOf(line) + "\n";
}

std::optional<ProgressRecord> readRecordLine(std::string_view line)
{
    std::vector<std::string_view> fields = split(line, '\t');
    const bool first = fields.size() == FirstFields && fields[0] == FirstVersion;
    if (!first && (fields.size() != Fields || fields[0] != Version))
        return std::nullopt;
    if (checksumOf(line.substr(0, line.size() - fields.back().size() - 1)) != fields.back())
        return std::nullopt;
    ProgressRecord record;
    if (!first) {
        if (fields[6] != "done" && fields[6] != "skipped")
            return std::nullopt;
        record.skipped = fields[6] == "skipped";
        fields.erase(fields.begin() + 6);
    }
    if (!wellFormedTime(fields[1]))
        return std::nullopt;
    record.time = std::string(fields[1]);
    const ProblemRead problem = readProblem(fields[2]);
    if (!problem.problem)
        return std::nullopt;
    record.problem = *problem.problem;
    std::size_t source = 0;
    while (source < std::size(SourceNames) && SourceNames[source] != fields[3])
        ++source;
    if (source == std::size(SourceNames))
        return std::nullopt;
    record.source = static_cast<ProblemSource>(source);
    const auto level = whole(fields[4], 1000);
    const auto set = whole(fields[5], LastSet);
    const auto steps = whole(fields[6], MostSteps);
    const auto right = whole(fields[7], MostSteps);
    const auto shown = whole(fields[8], MostSteps);
    if (!level || !set || !steps || !right || !shown || *right + *shown > *steps)
        return std::nullopt;
    if ((record.source == ProblemSource::Level) != (*level > 0 && *set > 0))
        return std::nullopt;
    record.level = *level;
    record.set = *set;
    record.steps = *steps;
    record.rightFirst = *right;
    record.shown = *shown;
    if (!readSlips(fields[9], record))
        return std::nullopt;
    return record;
}

std::string pupilLine(const std::string& name)
{
    const std::string line = std::string(PupilTag) + "\t" + name;
    return line + "\t" + checksumOf(line) + "\n";
}

namespace {

// The name a pupil line holds, or none when the line is not a whole one.
std::optional<std::string> readPupilLine(std::string_view line)
{
    const std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() != 3 || fields[0] != PupilTag || fields[1].empty() || line.size() > LongestPupilLine)
        return std::nullopt;
    if (checksumOf(line.substr(0, line.size() - fields[2].size() - 1)) != fields[2])
        return std::nullopt;
    for (char c : fields[1])
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::nullopt;
    return std::string(fields[1]);
}

} // namespace

ProgressRead readProgress(std::string_view contents)
{
    ProgressRead read;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        if (end == std::string_view::npos) { // cut short while being written
            ++read.unreadable;
            break;
        }
        const std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end + 1);
        if (line.empty())
            continue;
        if (std::optional<ProgressRecord> record = readRecordLine(line)) {
            read.records.push_back(std::move(*record));
        } else if (std::optional<std::string> pupil = readPupilLine(line)) {
            if (read.pupil.empty())
                read.pupil = std::move(*pupil);
        } else {
            ++read.unreadable;
        }
    }
    return read;
}

std::string localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string time(text);
    if (time.size() == 24) // "+0100" as "+01:00"
        return time.substr(0, 22) + ':' + time.substr(22);
    return time;
}

} // namespace rods
