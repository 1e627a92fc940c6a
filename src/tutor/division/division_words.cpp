#include "tutor/division/division_words.h"

#include "core/place_names.h"
#include "tutor/exercise/sentence.h"

namespace rods {
namespace {

std::string number(std::uint64_t value) { return std::to_string(value); }
std::string number(int value) { return std::to_string(value); }

} // namespace

std::string columnSubtractionInWords(const Place& column)
{
    const std::string top = number(column.parts[0]), taken = number(column.parts[1]);
    const std::string difference = number(column.result);
    if (column.in == 0 && !column.borrows)
        return sentence("%1 − %2 = %3", {top, taken, difference});
    if (column.in == 0)
        return sentence("%1 is less than %2, so borrow 1 from the next column: 1%1 − %2 = %3",
                        {top, taken, difference});
    if (!column.borrows)
        return sentence("%1 lent 1 to the column on its right, so it is %4 now: %4 − %2 = %3",
                        {top, taken, difference, number(column.parts[0] - 1)});
    return sentence("%1 lent 1 to the column on its right and is too small for %2, so borrow 1 from the next column: "
                    "1%1 − 1 − %2 = %3",
                    {top, taken, difference});
}

std::string divisionOf(const Division& division)
{
    return sentence("%1 %2 %3", {division.dividend, DividedBy, division.divisor});
}

std::string subtractionInWords(const std::vector<Place>& columns)
{
    std::string text;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        // A leading column that takes nothing and keeps nothing says nothing.
        const Place& column = columns[c];
        if (c > 0 && c + 1 == columns.size() && column.parts[1] == 0 && column.in == 0 && column.result == 0
            && column.parts[0] == 0)
            break;
        text += (c == 0 ? "" : "; ")
                + sentence("%1: %2", {placeName(static_cast<int>(c)), columnSubtractionInWords(column)});
    }
    return text;
}

std::string multiplesInWords(const Division& division)
{
    std::string rows;
    for (std::size_t r = 1; r <= 9; ++r)
        rows += sentence("%1row %2: %3", {r == 1 ? "" : "; ", number(static_cast<int>(r)), number(division.rows[r])});
    return sentence("The rods of %1 and the index rod give the multiples of %1, row by row: %2.",
                    {division.divisor, rows});
}

std::string quotientStepInWords(const Division& division, std::size_t index)
{
    const DivisionStep& step = division.steps.at(index);
    const std::string part = number(step.part);
    std::string text;
    if (step.row == 0) {
        text = sentence("%1 does not go into %2: write 0 in the quotient", {division.divisor, part});
    } else {
        if (index == 0)
            text = sentence("Take %1, the fewest leading digits of %2 that %3 goes into. ",
                            {part, division.dividend, division.divisor});
        text += sentence(
            "The largest row not more than %1 is row %2: %3. Write %2 in the quotient. %1 − %3 = %4: %5",
            {part, number(step.row), number(step.product), number(step.left), subtractionInWords(step.columns)});
    }
    if (step.broughtDown)
        return text
               + sentence(". Bring down %1: %2.",
                          {number(*step.broughtDown), number(step.left * 10 + std::uint64_t(*step.broughtDown))});
    return text + ".";
}

Figures longDivision(const Division& division, std::size_t stepsShown, bool nextDigitShown)
{
    const std::size_t digits = division.dividend.size();
    // Where a number ends so that its last digit stands under dividend digit
    // k (from the left), as a column from the right.
    auto under = [digits](std::size_t k) { return digits - 1 - k; };
    stepsShown = std::min(stepsShown, division.steps.size());
    const std::size_t digitsShown = std::min(stepsShown + (nextDigitShown ? 1 : 0), division.steps.size());
    Figures figures;
    figures.newLine(); // the quotient, digit by digit over the dividend
    for (std::size_t i = 0; i < digitsShown; ++i)
        figures.digits(number(division.steps[i].row), under(division.steps[i].lastDigit));
    figures.newLine();
    figures.rule(digits);
    figures.newLine();
    figures.digits(division.dividend);
    figures.sign(")", digits + 1);
    figures.digits(division.divisor, digits + 3);
    for (std::size_t i = 0; i < stepsShown; ++i) {
        const DivisionStep& step = division.steps[i];
        std::uint64_t left = step.left;
        const std::size_t end = step.lastDigit;
        if (step.row != 0) {
            const std::string product = number(step.product);
            figures.newLine();
            figures.digits(product, under(end));
            figures.newLine();
            figures.rule(std::max(product.size(), number(step.part).size()), under(end));
            figures.newLine();
            figures.digits(number(left), under(end));
        } else if (i == 0) {
            // The whole dividend is less than the divisor: all of it is left.
            continue;
        }
        if (step.broughtDown) {
            // The digit brought down joins what is left, on the same line.
            left = left * 10 + static_cast<std::uint64_t>(*step.broughtDown);
            figures.clearLine();
            figures.digits(number(left), under(end + 1));
        }
    }
    figures.padTo(division.divisor.size() + 3 + digits);
    return figures;
}

std::string divisionResultInWords(const Division& division)
{
    const std::string remainder = number(division.remainder);
    const std::string quotient = withoutLeadingZeros(division.quotient);
    return sentence("%1 %2 %3 = %4, remainder %5. Check: %4 × %3 + %5 = %1.",
                    {division.dividend, DividedBy, division.divisor, quotient, remainder});
}

} // namespace rods
