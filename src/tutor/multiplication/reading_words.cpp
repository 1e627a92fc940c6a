#include "tutor/multiplication/reading_words.h"

#include "core/place_names.h"
#include "tutor/exercise/sentence.h"

#include <algorithm>

namespace rods {
namespace {

// "The units digit of 12 is 2".
std::string rowOpening(const Reading& reading, const RowReading& row)
{
    return "The " + std::string(placeName(row.place)) + " digit of " + reading.multiplicand + " is "
           + std::to_string(row.digit);
}

} // namespace

std::string timesOf(const Reading& reading) { return multiplierValue(reading.rods) + " " + std::string(Times) + " "; }

std::string sumInWords(const std::vector<int>& parts, int carryIn, int sum)
{
    std::vector<std::string> terms;
    for (int part : parts)
        terms.push_back(std::to_string(part));
    if (carryIn != 0)
        terms.push_back(std::to_string(carryIn) + " carried");
    if (terms.size() == 1 && carryIn == 0)
        return terms.front();
    std::string text = joined(terms, " + ") + " = " + std::to_string(sum);
    if (sum >= 10)
        text += ": write " + std::to_string(sum % 10) + ", carry " + std::to_string(sum / 10);
    return text;
}

namespace {

// "the units of 0 and the tens of 7", "the tens of 3 and the 1 carried": the
// halves that diagonal j of a row adds, named by their rods.
std::string halvesInWords(const Reading& reading, const RowReading& row, std::size_t j)
{
    const Place& diagonal = row.diagonals[j];
    const std::size_t rodCount = reading.rods.size();
    std::vector<std::string> names;
    // Diagonal j joins the units of rod n - j and the tens of rod n - j + 1
    // (rods 1 to n from the left).
    if (j < rodCount)
        names.push_back(sentence("the units of %1", {std::to_string(reading.rods[rodCount - 1 - j])}));
    if (j > 0)
        names.push_back(sentence("the tens of %1", {std::to_string(reading.rods[rodCount - j])}));
    if (diagonal.in != 0)
        names.push_back(sentence("the %1 carried", {std::to_string(diagonal.in)}));
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

// "0 + 1 = 1", "5 + 5 + 1 = 11: write 1, carry 1", "4".
std::string additionInWords(const Place& diagonal)
{
    std::vector<std::string> terms;
    for (int half : diagonal.parts)
        terms.push_back(std::to_string(half));
    if (diagonal.in != 0)
        terms.push_back(std::to_string(diagonal.in));
    if (terms.size() == 1)
        return terms.front();
    const std::string total = joined(terms, " + ") + " = " + std::to_string(diagonal.result);
    if (diagonal.result < 10)
        return total;
    return sentence("%1: write %2, carry %3",
                    {total, std::to_string(diagonal.digit()), std::to_string(diagonal.out())});
}

// The product, said at the end of the last step.
std::string productInWords(const Reading& reading, std::string_view listed, std::string_view opening)
{
    const std::string whole = timesOf(reading) + reading.multiplicand + " = " + reading.product;
    // A problem typed in the tutor is in no list.
    if (listed.empty())
        return sentence("%1%2.", {opening, whole});
    if (listed == reading.product)
        return sentence("%1%2, the product in the list.", {opening, whole});
    return sentence("%1%2. The list shows this product as %3, rounded to 15 significant digits.",
                    {opening, whole, listed});
}

} // namespace

std::string rowInWords(const Reading& reading, std::size_t index)
{
    const RowReading& row = reading.rows.at(index);
    const std::string opening = rowOpening(reading, row);
    if (row.digit == 0)
        return sentence("%1: %20 = 0, so this row adds nothing.", {opening, timesOf(reading)});

    std::vector<std::string> diagonals;
    for (std::size_t j = 0; j < row.diagonals.size(); ++j)
        if (row.writes(j))
            diagonals.push_back(
                sentence("%1 give %2", {halvesInWords(reading, row, j), additionInWords(row.diagonals[j])}));
    const std::string product = timesOf(reading) + std::to_string(row.digit) + " = " + row.partial;
    std::string text = sentence("%1: read row %2. From the right: %3. So %4",
                                {opening, std::to_string(row.digit), joined(diagonals, "; "), product});
    if (row.place > 0 && row.partial != "0")
        text += sentence(", and in the %1 place %2", {placeName(row.place), row.shifted()});
    return text + ".";
}

std::string sumInWords(const Reading& reading, std::string_view listed)
{
    return productInWords(reading, listed,
                          "Add the rows column by column from the right, as the lines show, and carry where a "
                          "column makes 10 or more. So ");
}

std::vector<std::string> columnLines(const Reading& reading)
{
    std::vector<std::string> lines;
    for (std::size_t c = 0; c < reading.columns.size(); ++c) {
        const Place& column = reading.columns[c];
        lines.push_back(std::string(placeName(static_cast<int>(c))) + ": "
                        + sumInWords(column.parts, column.in, column.result));
    }
    return lines;
}

std::string stepInWords(const Reading& reading, std::size_t step, std::string_view listed)
{
    if (step >= reading.rows.size())
        return sumInWords(reading, listed);
    std::string text = rowInWords(reading, step);
    if (step + 1 < reading.rows.size() || reading.hasSumStep())
        return text;
    // The last row, and no rows to add.
    if (reading.nonZeroRows() == 0)
        return text + " " + productInWords(reading, listed, "Every row is 0, so ");
    return text + " " + productInWords(reading, listed, "Only one row is not 0, so it is the product: ");
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
    return "Add the rows column by column from the right, carry where a column makes 10 or more, and type the "
           "product "
           + timesOf(reading) + reading.multiplicand + ".";
}

Figures longMultiplication(const Reading& reading, std::size_t rowsShown, Total shownTotal)
{
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < std::min(rowsShown, reading.rows.size()); ++i)
        if (reading.rows[i].digit != 0)
            rows.push_back(reading.rows[i].shifted());
    // A single row is the product already: there is nothing to add under it.
    const std::string total = shownTotal == Total::Shown && rows.size() >= 2 ? addInColumns(rows).sum : std::string();
    // The sign stands one blank left of the multiplicand.
    std::size_t widest = std::max(reading.rods.size(), reading.multiplicand.size() + 2);
    for (const std::string& row : rows)
        widest = std::max(widest, row.size());
    widest = std::max(widest, total.size());

    Figures figures;
    figures.digits(rodDigits(reading.rods));
    figures.newLine();
    figures.sign(std::string(Times), reading.multiplicand.size() + 1);
    figures.digits(reading.multiplicand);
    figures.newLine();
    figures.rule(widest);
    if (rows.empty())
        return figures;
    for (const std::string& row : rows) {
        figures.newLine(true);
        figures.digits(row);
    }
    if (!total.empty()) {
        figures.newLine();
        figures.rule(widest);
        figures.newLine();
        figures.digits(total);
    }
    return figures;
}

} // namespace rods
