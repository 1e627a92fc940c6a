#include "tutor/session/kept_place.h"

#include "core/checksum.h"
#include "tutor/problems/levels.h"
#include "tutor/problems/problem_sets.h"

#include <charconv>
#include <cstdint>

namespace rods {
namespace {

constexpr std::size_t LongestList = 1000;

std::optional<int> whole(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// A line's fields after its tag, apart by tabs.
std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t tab = line.find('\t');
        parts.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return parts;
        line.remove_prefix(tab + 1);
    }
}

} // namespace

std::string placeText(const KeptPlace& place)
{
    std::string text = "pupil\t" + place.pupil + "\n";
    if (place.level > 0)
        text += std::string("level\t") + (place.operation == Operation::Multiply ? "x" : "/") + "\t"
                + std::to_string(place.level) + "\t" + std::to_string(place.set) + "\n";
    else
        text += "level\tlist\n";
    text += "posed\t" + std::to_string(place.posed) + "\t" + (place.finished ? "done" : "open") + "\n";
    if (!place.list.empty()) {
        text += "list\t" + place.listName + "\n";
        for (const Problem& problem : place.list)
            text += "problem\t" + problemText(problem) + "\n";
    }
    return text + "check\t" + checksumOf(text) + "\n";
}

std::optional<KeptPlace> readPlace(std::string_view text)
{
    const std::size_t check = text.rfind("check\t");
    if (check == std::string_view::npos || text.substr(check) != "check\t" + checksumOf(text.substr(0, check)) + "\n")
        return std::nullopt;
    KeptPlace place;
    bool levelRead = false, posedRead = false;
    std::string_view rest = text.substr(0, check);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::vector<std::string_view> line = fields(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::string_view tag = line[0];
        if (tag == "pupil" && line.size() == 2) {
            place.pupil = std::string(line[1]);
        } else if (tag == "level" && line.size() == 2 && line[1] == "list") {
            levelRead = true;
        } else if (tag == "level" && line.size() == 4 && (line[1] == "x" || line[1] == "/")) {
            place.operation = line[1] == "x" ? Operation::Multiply : Operation::Divide;
            const auto level = whole(line[2]), set = whole(line[3]);
            if (!level || !set || !findLevel(place.operation, *level) || *set < FirstSet || *set > LastSet)
                return std::nullopt;
            place.level = *level;
            place.set = *set;
            levelRead = true;
        } else if (tag == "posed" && line.size() == 3 && (line[2] == "done" || line[2] == "open")) {
            const auto posed = whole(line[1]);
            if (!posed || *posed > static_cast<int>(LongestList))
                return std::nullopt;
            place.posed = static_cast<std::size_t>(*posed);
            place.finished = line[2] == "done";
            posedRead = true;
        } else if (tag == "list" && line.size() == 2) {
            place.listName = std::string(line[1]);
        } else if (tag == "problem" && line.size() == 2 && place.list.size() < LongestList) {
            const ProblemRead problem = readProblem(line[1]);
            if (!problem.problem)
                return std::nullopt;
            place.list.push_back(*problem.problem);
        } else {
            return std::nullopt;
        }
    }
    if (!levelRead || !posedRead || place.pupil.empty() || (place.level == 0 && place.list.empty()))
        return std::nullopt;
    const std::size_t count = place.level > 0 ? static_cast<std::size_t>(ProblemsInSet) : place.list.size();
    if (place.posed > count)
        return std::nullopt;
    return place;
}

} // namespace rods
