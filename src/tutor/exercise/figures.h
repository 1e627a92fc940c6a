#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rods {

// A long working as it stands on paper, kept as figures in columns rather
// than as text: each line holds runs of digits, signs and rules, each placed
// by the column (counted from the right, 0 the rightmost) where it ends. Any
// sign is one column, whatever its encoding; the text shown on the screen,
// on paper or copied is made from this in one place (`text()`), and whatever
// marks a column or a line asks the data, never the text.
struct FigureRun {
    enum class Kind { Digits, Sign, Rule };
    Kind kind = Kind::Digits;
    std::string text;      // plain digits, or one sign in UTF-8; empty for a rule
    std::size_t right = 0; // the column it ends in, from the right
    std::size_t width = 0; // how many columns it covers
};

struct FigureLine {
    std::vector<FigureRun> runs;
    bool isRow = false; // one of the rows added up: where a column a hint names is marked
};

class Figures {
public:
    // Digits ending in column `right`.
    void digits(const std::string& digits, std::size_t right = 0);
    // One sign in column `right`.
    void sign(const std::string& sign, std::size_t right);
    // A rule over `width` columns ending in column `right`.
    void rule(std::size_t width, std::size_t right = 0);
    // Starts a new line; a row of the sum when `isRow`.
    void newLine(bool isRow = false);
    // Empties the last line, to be written again.
    void clearLine() { current().runs.clear(); }

    [[nodiscard]] const std::vector<FigureLine>& lines() const { return lines_; }
    [[nodiscard]] bool empty() const { return lines_.empty(); }
    // The widest line's columns, and at least `width` set by `padTo`.
    [[nodiscard]] std::size_t width() const;
    // Every line as wide as `columns`: a long division keeps its blank
    // columns on the right.
    void padTo(std::size_t columns) { least_ = columns; }
    // The indices of the lines that are rows of the sum.
    [[nodiscard]] std::vector<int> rowLines() const;

    // Every line as text, right-aligned to one width in columns, for a
    // fixed-width font; a rule is a run of '-'.
    [[nodiscard]] std::vector<std::string> text() const;

private:
    FigureLine& current();

    std::vector<FigureLine> lines_;
    std::size_t least_ = 0;
};

} // namespace rods
