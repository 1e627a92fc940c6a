#include "tutor/problems/problem_list.h"

#include "core/file_bytes.h"
#include "core/text_encoding.h"
#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace rods {
namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// At most so many bytes, cut on a character's start.
std::string shortened(std::string_view text, std::size_t most = 40)
{
    if (text.size() <= most)
        return std::string(text);
    std::size_t cut = most;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0u) == 0x80u)
        --cut;
    return std::string(text.substr(0, cut)) + "…";
}

} // namespace

ProblemList readProblemList(std::string_view contents)
{
    ProblemList list;
    if (contents.size() > LargestProblemList) {
        list.refusal = translated("ListRefusal", "The file is larger than 1 MB: a list of problems is much smaller.");
        return list;
    }
    if (contents.substr(0, 3) == "\xef\xbb\xbf") // a byte order mark some editors write
        contents.remove_prefix(3);
    // Editors on Windows still save in Windows-1252 (or Latin-1, which reads
    // the same), and both have × and ÷: such a list is read, and said so.
    std::optional<std::string> decoded;
    if (!isUtf8Text(contents)) {
        decoded = windows1252Text(contents);
        if (!decoded) {
            list.refusal = translated(
                "ListRefusal", "The file is not a text file: a list of problems is plain text, one problem a line.");
            return list;
        }
        contents = *decoded;
        list.notice = translated("ListNotice", "The file is not in UTF-8, so it was read as Windows-1252 (Latin-1).");
    }
    std::size_t number = 0;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        const std::string_view line = trimmed(contents.substr(0, end));
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == '#')
            continue;
        ProblemRead read = readProblem(line);
        // Typed in the Working window, a division by 0 is shown and said why;
        // a pupil given one on a worksheet would only be stuck.
        if (read.problem && read.problem->operation == Operation::Divide && rodsNumber(read.problem->rods) == 0)
            // TRANSLATORS: why a line of a teacher's list is not taken, after
            // "Line 4, "30 ÷ 0": ".
            read = {std::nullopt, translated("ListRefusal", "dividing by 0 has no answer.")};
        if (!read.problem) {
            list.badLines.push_back({number, shortened(line), read.refusal});
            continue;
        }
        if (list.problems.size() == MostProblemsInList) {
            list.problems.clear();
            list.badLines.clear();
            // TRANSLATORS: %1 is the most problems a list holds (1,000).
            list.refusal = sentence(translated("ListRefusal", "The file holds more than %1 problems: make it into "
                                                              "smaller lists."),
                                    {groupedNumber(MostProblemsInList)});
            return list;
        }
        list.problems.push_back(*read.problem);
    }
    if (list.problems.empty()) {
        list.refusal =
            list.badLines.empty()
                ? translated("ListRefusal",
                             "The file holds no problems: write one a line, such as 307 × 12 or 3684 ÷ 12.")
                : translated("ListRefusal", "No line of the file is a problem.") + " " + badLinesInWords(list.badLines);
        list.badLines.clear();
    }
    return list;
}

ProblemList loadProblemList(const std::string& path)
{
    const FileBytes file = readPlainFile(path, LargestProblemList);
    if (file.error != 0) {
        ProblemList list;
        // TRANSLATORS: %1 is the system's reason, as the system gives it
        // ("No such file or directory").
        list.refusal = sentence(translated("ListRefusal", "The file cannot be read: %1."), {std::strerror(file.error)});
        list.unreadable = true;
        return list;
    }
    return readProblemList(file.bytes);
}

std::string badLinesInWords(const std::vector<BadLine>& lines, std::size_t shown)
{
    std::string words;
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i) {
        if (!words.empty())
            words += " ";
        // TRANSLATORS: a line of a teacher's list that is not a problem: %1
        // is its number, %2 the line as written, %3 why it is not taken.
        words += sentence(translated("ListRefusal", "Line %1, \"%2\": %3"),
                          {std::to_string(lines[i].number), lines[i].text, lines[i].reason});
    }
    if (lines.size() > shown)
        words +=
            " "
            + translatedCount("ListRefusal",
                              // TRANSLATORS: after the first few lines that are not
                              // problems, how many more there are.
                              // xgettext:no-c-format
                              "And %n more line.", "And %n more lines.", static_cast<long long>(lines.size() - shown));
    return words;
}

} // namespace rods
