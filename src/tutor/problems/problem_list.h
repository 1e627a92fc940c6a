#pragma once

#include "tutor/problems/problem.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

inline constexpr std::size_t LargestProblemList = 1'000'000; // bytes
inline constexpr std::size_t MostProblemsInList = 1'000;

// A line of a teacher's list that is not a problem.
struct BadLine {
    std::size_t number = 0; // from 1
    std::string text;       // as it stands, shortened when long, valid UTF-8
    std::string reason;
};

// A teacher's list read: its problems in order, the lines that are not
// problems, or why nothing is loaded at all.
struct ProblemList {
    std::vector<Problem> problems;
    std::vector<BadLine> badLines;
    std::string refusal;     // set when nothing is loaded
    std::string notice;      // how its text was read, when not as UTF-8
    bool unreadable = false; // the file itself could not be read
};

// Reads a plain text file's contents, in UTF-8 or else in Windows-1252 (or
// Latin-1): one problem a line as --work takes it ("307 × 12", "3684 ÷ 12"),
// blank lines and lines starting with # ignored. Contents that are not text,
// over 1 MB or with over 1,000 problems are refused whole, as is a list with
// no problem in it.
[[nodiscard]] ProblemList readProblemList(std::string_view contents);

// Reads the file at the path as above; a file that cannot be read (or is
// not a plain file) is refused, and so is one over 1 MB, unread.
[[nodiscard]] ProblemList loadProblemList(const std::string& path);

// For the learner: "Line 4, "30 ×": ..." for each bad line, the first few.
[[nodiscard]] std::string badLinesInWords(const std::vector<BadLine>& lines, std::size_t shown = 3);

} // namespace rods
