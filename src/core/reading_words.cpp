#include "core/reading_words.h"

#include "core/place_names.h"

#include <algorithm>

namespace rods {
namespace {

std::string join(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : std::string(separator)) + part;
    return text;
}

// "The units digit of 12 is 2".
std::string rowOpening(const Reading& reading, const RowReading& row)
{
    return "The " + std::string(placeName(row.place)) + " digit of " + reading.multiplicand + " is "
           + std::to_string(row.digit);
}

} // namespace

std::string timesOf(const Reading& reading) { return multiplierValue(reading.rods) + " " + std::string(Times) + " "; }

std::string rodDigits(const std::vector<int>& rods)
{
    std::string text;
    for (int digit : rods)
        text += static_cast<char>('0' + digit);
    return text;
}

std::string multiplierValue(const std::vector<int>& rods) { return withoutLeadingZeros(rodDigits(rods)); }

std::string sumInWords(const std::vector<int>& parts, int carryIn, int sum)
{
    std::vector<std::string> terms;
    for (int part : parts)
        terms.push_back(std::to_string(part));
    if (carryIn != 0)
        terms.push_back(std::to_string(carryIn) + " carried");
    if (terms.size() == 1 && carryIn == 0)
        return terms.front();
    std::string text = join(terms, " + ") + " = " + std::to_string(sum);
    if (sum >= 10)
        text += ": write " + std::to_string(sum % 10) + ", carry " + std::to_string(sum / 10);
    return text;
}

std::string rowInWords(const Reading& reading, std::size_t index)
{
    const RowReading& row = reading.rows.at(index);
    const std::string opening = rowOpening(reading, row);
    if (row.digit == 0)
        return opening + ": " + timesOf(reading) + "0 = 0, so this row adds nothing.";

    std::vector<std::string> diagonals;
    for (std::size_t j = 0; j < row.diagonals.size(); ++j) {
        const Diagonal& diagonal = row.diagonals[j];
        if (row.writes(j))
            diagonals.push_back(sumInWords(diagonal.halves, diagonal.carryIn, diagonal.sum));
    }
    std::string text = opening + ": read row " + std::to_string(row.digit)
                       + ". From the right: " + join(diagonals, "; ") + "; so " + timesOf(reading)
                       + std::to_string(row.digit) + " = " + row.partial;
    if (row.place > 0 && row.partial != "0")
        text += ", and in the " + std::string(placeName(row.place)) + " place " + row.shifted();
    return text + ".";
}

std::string sumInWords(const Reading& reading, std::string_view listed)
{
    const std::string whole = timesOf(reading) + reading.multiplicand + " = " + reading.product;
    std::string text;
    const std::size_t added = reading.addedRows().size();
    if (added == 0) {
        text = "Every row is 0, so " + whole;
    } else if (added == 1) {
        text = "Only one row is not 0, so it is the product: " + whole;
    } else {
        std::vector<std::string> columns;
        for (std::size_t c = 0; c < reading.columns.size(); ++c) {
            const Column& column = reading.columns[c];
            columns.push_back(std::string(placeName(static_cast<int>(c))) + ": "
                              + sumInWords(column.digits, column.carryIn, column.sum));
        }
        text = "Add the rows column by column from the right: " + join(columns, "; ") + ". So " + whole;
    }
    if (listed == reading.product)
        return text + ", the product in the list.";
    return text + ". The list shows this product as " + std::string(listed) + ", rounded to 15 significant digits.";
}

std::string rowTask(const Reading& reading, std::size_t index)
{
    const RowReading& row = reading.rows.at(index);
    const std::string product = timesOf(reading) + std::to_string(row.digit);
    if (row.digit == 0)
        return rowOpening(reading, row) + ". What is " + product + "? Type it, then press Check.";
    return rowOpening(reading, row) + ": read row " + std::to_string(row.digit)
           + ". Add along each diagonal from the right, carry where a diagonal makes 10 or more, and type " + product
           + ".";
}

std::string sumTask(const Reading& reading)
{
    const std::string whole = timesOf(reading) + reading.multiplicand;
    const std::size_t added = reading.addedRows().size();
    if (added == 0)
        return "Every row is 0. Type the product " + whole + ".";
    if (added == 1)
        return "Only one row is not 0, so it is the product. Type " + whole + ".";
    return "Add the rows column by column from the right, carry where a column makes 10 or more, and type the "
           "product "
           + whole + ".";
}

std::vector<std::string> longMultiplication(const Reading& reading, std::size_t rowsShown, Total shownTotal)
{
    std::vector<std::string> lines{rodDigits(reading.rods), std::string(Times) + " " + reading.multiplicand};
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < std::min(rowsShown, reading.rows.size()); ++i)
        if (reading.rows[i].digit != 0)
            rows.push_back(reading.rows[i].shifted());
    const std::string total = shownTotal == Total::Shown ? addInColumns(rows).sum : std::string();
    // The sign counts as one column: it is one character on the screen.
    auto width = [](const std::string& line) { return line.size() - (line.starts_with(Times) ? 1 : 0); };
    std::size_t widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, width(line));
    for (const std::string& line : rows)
        widest = std::max(widest, line.size());
    widest = std::max(widest, total.size());

    const std::string rule(widest, '-');
    lines.push_back(rule);
    if (!rows.empty()) {
        lines.insert(lines.end(), rows.begin(), rows.end());
        if (!total.empty()) {
            lines.push_back(rule);
            lines.push_back(total);
        }
    }
    for (std::string& line : lines)
        line.insert(0, widest - width(line), ' ');
    return lines;
}

} // namespace rods
