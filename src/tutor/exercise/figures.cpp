#include "tutor/exercise/figures.h"

#include <algorithm>
#include <string_view>

namespace rods {

FigureLine& Figures::current()
{
    if (lines_.empty())
        lines_.emplace_back();
    return lines_.back();
}

void Figures::newLine(bool isRow)
{
    lines_.emplace_back();
    lines_.back().isRow = isRow;
}

void Figures::digits(const std::string& digits, std::size_t right)
{
    current().runs.push_back({FigureRun::Kind::Digits, digits, right, digits.size()});
}

void Figures::sign(const std::string& sign, std::size_t right)
{
    current().runs.push_back({FigureRun::Kind::Sign, sign, right, 1});
}

void Figures::rule(std::size_t width, std::size_t right)
{
    current().runs.push_back({FigureRun::Kind::Rule, std::string(), right, width});
}

std::size_t Figures::width() const
{
    std::size_t widest = least_;
    for (const FigureLine& line : lines_)
        for (const FigureRun& run : line.runs)
            widest = std::max(widest, run.right + run.width);
    return widest;
}

std::vector<int> Figures::rowLines() const
{
    std::vector<int> rows;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].isRow)
            rows.push_back(static_cast<int>(i));
    return rows;
}

std::vector<std::string> Figures::text() const
{
    const std::size_t columns = width();
    std::vector<std::string> text;
    for (const FigureLine& line : lines_) {
        // A column each, blank where no run stands, then joined: a sign may
        // take more than one byte.
        std::vector<std::string_view> cells(columns, " ");
        for (const FigureRun& run : line.runs) {
            const std::size_t first = columns - run.right - run.width;
            for (std::size_t i = 0; i < run.width; ++i) {
                switch (run.kind) {
                case FigureRun::Kind::Digits:
                    cells[first + i] = std::string_view(run.text).substr(i, 1);
                    break;
                case FigureRun::Kind::Sign:
                    cells[first + i] = run.text;
                    break;
                case FigureRun::Kind::Rule:
                    cells[first + i] = "-";
                    break;
                }
            }
        }
        std::string joined;
        for (std::string_view cell : cells)
            joined += cell;
        text.push_back(joined);
    }
    return text;
}

} // namespace rods
