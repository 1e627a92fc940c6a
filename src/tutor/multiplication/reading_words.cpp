#include "tutor/multiplication/reading_words.h"

#include "core/words.h"
#include "tutor/exercise/place_words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/place_phrases.h"

#include <algorithm>
#include <array>

namespace rods {
namespace {

// "5 + 5 + 1 = 11: write 1, carry 1".
std::string writeAndCarry(const std::string& total, int digit, int carry)
{
    // TRANSLATORS: %1 is a sum ("5 + 5 + 1 = 11"), %2 the digit written, %3
    // the number carried to the next place.
    return sentence(translated("Step", "%1: write %2, carry %3"),
                    {total, std::to_string(digit), std::to_string(carry)});
}

// "The units digit of 12 is 2".
std::string rowOpening(const Reading& reading, const RowReading& row)
{
    return digitOfPlace(row.place, reading.multiplicand, row.digit);
}

} // namespace

std::string timesOf(const Reading& reading) { return multiplierValue(reading.rods) + " " + std::string(Times) + " "; }

std::string sumInWords(const std::vector<int>& parts, int carryIn, int sum)
{
    std::vector<std::string> terms;
    for (int part : parts)
        terms.push_back(std::to_string(part));
    if (carryIn != 0)
        // TRANSLATORS: a number carried, as the last term of a column's sum:
        // "3 + 1 carried = 4".
        terms.push_back(sentence(translated("Step", "%1 carried"), {std::to_string(carryIn)}));
    if (terms.size() == 1 && carryIn == 0)
        return terms.front();
    const std::string total = joined(terms, " + ") + " = " + std::to_string(sum);
    if (sum < 10)
        return total;
    return writeAndCarry(total, sum % 10, sum / 10);
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
    if (j < rodCount) {
        const std::string rod = std::to_string(reading.rods[rodCount - 1 - j]);
        // TRANSLATORS: the units half of a rod's cell: %1 is the rod's digit.
        names.push_back(sentence(translated("Step", "the units of %1"), {rod}));
    }
    if (j > 0)
        // TRANSLATORS: the tens half of a rod's cell: %1 is the rod's digit.
        names.push_back(sentence(translated("Step", "the tens of %1"), {std::to_string(reading.rods[rodCount - j])}));
    if (diagonal.in != 0)
        // TRANSLATORS: the number carried into a diagonal, in a list of what it adds.
        names.push_back(sentence(translated("Step", "the %1 carried"), {std::to_string(diagonal.in)}));
    return listed(names);
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
    return writeAndCarry(total, diagonal.digit(), diagonal.out());
}

// How the last step comes to the product.
enum class ProductFrom { AddedRows, NoRows, OneRow };

// The product said at the end of the last step, as it came and as it
// compares with the list: in no list (a problem typed in the tutor), the
// same as the list's, or the list's rounded.
constexpr std::array<std::array<MarkedText, 3>, 3> ProductWords{{
    {
        // TRANSLATORS: the last step, where two rows or more are added: %1 is
        // the product ("307 × 12 = 3684").
        mark("Step", "Add the rows column by column from the right, as the lines show, and carry where a column makes "
                     "10 or more. So %1."),
        // TRANSLATORS: %1 is the product ("307 × 12 = 3684"), the same as the list shows.
        mark("Step", "Add the rows column by column from the right, as the lines show, and carry where a column makes "
                     "10 or more. So %1, the product in the list."),
        // TRANSLATORS: %1 is the product ("307 × 12 = 3684"), %2 the product as the list shows it, rounded.
        mark("Step", "Add the rows column by column from the right, as the lines show, and carry where a column makes "
                     "10 or more. So %1. The list shows this product as %2, rounded to 15 significant digits."),
    },
    {
        // TRANSLATORS: the end of the last step, where every digit of the
        // multiplicand is 0: %1 is the product ("307 × 0 = 0").
        mark("Step", "Every row is 0, so %1."),
        // TRANSLATORS: %1 is the product ("307 × 12 = 3684"), the same as the list shows.
        mark("Step", "Every row is 0, so %1, the product in the list."),
        // TRANSLATORS: %1 is the product ("307 × 12 = 3684"), %2 the product as the list shows it, rounded.
        mark("Step", "Every row is 0, so %1. The list shows this product as %2, rounded to 15 significant digits."),
    },
    {
        // TRANSLATORS: the end of the last step, where one row only is not 0:
        // %1 is the product ("307 × 20 = 6140").
        mark("Step", "Only one row is not 0, so it is the product: %1."),
        // TRANSLATORS: %1 is the product ("307 × 12 = 3684"), the same as the list shows.
        mark("Step", "Only one row is not 0, so it is the product: %1, the product in the list."),
        // TRANSLATORS: %1 is the product ("307 × 12 = 3684"), %2 the product as the list shows it, rounded.
        mark("Step", "Only one row is not 0, so it is the product: %1. The list shows this product as %2, rounded to "
                     "15 significant digits."),
    },
}};

std::string productInWords(const Reading& reading, std::string_view listed, ProductFrom from)
{
    const std::string whole = timesOf(reading) + reading.multiplicand + " = " + reading.product;
    const std::size_t compared = listed.empty() ? 0 : listed == reading.product ? 1 : 2;
    return sentence(translated(ProductWords.at(static_cast<std::size_t>(from)).at(compared)), {whole, listed});
}

} // namespace

std::string rowInWords(const Reading& reading, std::size_t index)
{
    const RowReading& row = reading.rows.at(index);
    const std::string opening = rowOpening(reading, row);
    if (row.digit == 0)
        // TRANSLATORS: %1 opens the step ("The tens digit of 307 is 0"), %2 is
        // the product of the row ("12 × 0").
        return sentence(translated("Step", "%1: %2 = 0, so this row adds nothing."), {opening, timesOf(reading) + "0"});

    std::vector<std::string> diagonals;
    for (std::size_t j = 0; j < row.diagonals.size(); ++j)
        if (row.writes(j))
            // TRANSLATORS: a diagonal read: %1 is what it adds ("the units of 0
            // and the tens of 7"), %2 the sum ("0 + 1 = 1").
            diagonals.push_back(sentence(translated("Step", "%1 give %2"),
                                         {halvesInWords(reading, row, j), additionInWords(row.diagonals[j])}));
    std::string read;
    for (const std::string& diagonal : diagonals)
        // TRANSLATORS: the diagonals of a row read so far, then the next one.
        read = read.empty() ? diagonal : sentence(translated("List", "%1; %2"), {read, diagonal});
    const std::string product = timesOf(reading) + std::to_string(row.digit) + " = " + row.partial;
    if (row.place > 0 && row.partial != "0")
        // TRANSLATORS: %1 opens the step ("The tens digit of 12 is 3"), %2 is
        // the row, %3 its diagonals read from the right, %4 the row's product
        // ("307 × 3 = 921"), %5 its place ("in the tens place"), %6 the
        // product written there ("9210").
        return sentence(translated("Step", "%1: read row %2. From the right: %3. So %4, and %5 %6."),
                        {opening, std::to_string(row.digit), read, product, inPlace(row.place), row.shifted()});
    // TRANSLATORS: %1 opens the step ("The units digit of 12 is 2"), %2 is the
    // row, %3 its diagonals read from the right, %4 the row's product ("307 ×
    // 2 = 614").
    return sentence(translated("Step", "%1: read row %2. From the right: %3. So %4."),
                    {opening, std::to_string(row.digit), read, product});
}

std::string sumInWords(const Reading& reading, std::string_view listed)
{
    return productInWords(reading, listed, ProductFrom::AddedRows);
}

std::vector<std::string> columnLines(const Reading& reading)
{
    std::vector<std::string> lines;
    for (std::size_t c = 0; c < reading.columns.size(); ++c) {
        const Place& column = reading.columns[c];
        const std::string sum = sumInWords(column.parts, column.in, column.result);
        // TRANSLATORS: a column of the rows added: %1 names its place
        // ("units"), %2 is its sum ("3 + 1 carried = 4").
        lines.push_back(sentence(translated("ColumnLine", "%1: %2"), {placeLabel(static_cast<int>(c)), sum}));
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
        return text + " " + productInWords(reading, listed, ProductFrom::NoRows);
    return text + " " + productInWords(reading, listed, ProductFrom::OneRow);
}

std::string rowTask(const Reading& reading, std::size_t index)
{
    const RowReading& row = reading.rows.at(index);
    const std::string product = timesOf(reading) + std::to_string(row.digit);
    if (row.digit == 0)
        // TRANSLATORS: %1 opens the step ("The tens digit of 307 is 0"), %2 is
        // the row's product asked ("12 × 0"); "Check" is the button.
        return sentence(translated("Question", "%1. What is %2? Type it, then press Check."),
                        {rowOpening(reading, row), product});
    // TRANSLATORS: %1 opens the step ("The units digit of 12 is 2"), %2 is the
    // row, %3 the row's product asked ("307 × 2").
    return sentence(translated("Question", "%1: read row %2. Add along each diagonal from the right, carry where a "
                                           "diagonal makes 10 or more, and type %3."),
                    {rowOpening(reading, row), std::to_string(row.digit), product});
}

std::string sumTask(const Reading& reading)
{
    // TRANSLATORS: %1 is the product asked ("307 × 12").
    return sentence(translated("Question", "Add the rows column by column from the right, carry where a column makes "
                                           "10 or more, and type the product %1."),
                    {timesOf(reading) + reading.multiplicand});
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
