#include "tutor/division/division_words.h"

#include "core/words.h"
#include "tutor/division/column_names.h"
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
        return sentence(
            // TRANSLATORS: one column of a subtraction: %1 is its top digit,
            // %2 the digit taken away, %3 the difference; "1%1" is the top
            // digit with 10 borrowed (14 for 4).
            translated("Step", "%1 is less than %2, so borrow 1 from the next column: 1%1 − %2 = %3"),
            {top, taken, difference});
    if (!column.borrows)
        return sentence(
            // TRANSLATORS: one column of a subtraction: %1 is its top digit,
            // %4 that digit less the 1 lent, %2 the digit taken away, %3 the
            // difference.
            translated("Step", "%1 lent 1 to the column on its right, so it is %4 now: %4 − %2 = %3"),
            {top, taken, difference, number(column.parts[0] - 1)});
    return sentence(
        // TRANSLATORS: one column of a subtraction: %1 is its top digit, %2
        // the digit taken away, %3 the difference; "1%1" is the top digit
        // with 10 borrowed (14 for 4).
        translated("Step", "%1 lent 1 to the column on its right and is too small for %2, so borrow 1 from the next "
                           "column: 1%1 − 1 − %2 = %3"),
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
        // TRANSLATORS: a column of a subtraction before its working: %1 is
        // the column ("tens"), %2 its working ("13 − 5 = 8").
        const std::string worked = sentence(translated("Step", "%1: %2"),
                                            {columnName(c, ColumnRole::Label), columnSubtractionInWords(column)});
        // TRANSLATORS: the columns of a subtraction, or the rows of the rods,
        // one after the other: %1 those so far, %2 the next.
        text = c == 0 ? worked : sentence(translated("List", "%1; %2"), {text, worked});
    }
    return text;
}

std::string multiplesInWords(const Division& division)
{
    std::string rows;
    for (std::size_t r = 1; r <= 9; ++r) {
        // TRANSLATORS: a row of the rods and what it reads: %1 its number
        // (1 to 9), %2 the multiple of the divisor.
        const std::string reads = translated("Step", "row %1: %2");
        const std::string row = sentence(reads, {number(static_cast<int>(r)), number(division.rows[r])});
        rows = r == 1 ? row : sentence(translated("List", "%1; %2"), {rows, row});
    }
    // TRANSLATORS: %1 is the divisor, %2 its nine multiples ("row 1: 12; row
    // 2: 24; …").
    return sentence(translated("Step", "The rods of %1 and the index rod give the multiples of %1, row by row: %2."),
                    {division.divisor, rows});
}

std::string quotientStepInWords(const Division& division, std::size_t index)
{
    const DivisionStep& step = division.steps.at(index);
    const std::string part = number(step.part);
    const std::string down = step.broughtDown ? number(*step.broughtDown) : std::string();
    const std::string next = step.broughtDown ? number(step.left * 10 + std::uint64_t(*step.broughtDown)) : "";
    if (step.row == 0) {
        if (step.broughtDown)
            return sentence(
                // TRANSLATORS: %1 is the divisor, %2 the part of the
                // dividend; %3 the dividend's next digit, brought down, and
                // %4 the number it makes.
                translated("Step", "%1 does not go into %2: write 0 in the quotient. Bring down %3: %4."),
                {division.divisor, part, down, next});
        // TRANSLATORS: %1 is the divisor, %2 the part of the dividend.
        return sentence(translated("Step", "%1 does not go into %2: write 0 in the quotient."),
                        {division.divisor, part});
    }
    std::string text;
    if (index == 0)
        text = sentence(
                   // TRANSLATORS: %1 is the part of the dividend %2 taken
                   // first, %3 the divisor.
                   translated("Step", "Take %1, the fewest leading digits of %2 that %3 goes into."),
                   {part, division.dividend, division.divisor})
               + " ";
    const std::string row = number(step.row), product = number(step.product), left = number(step.left);
    const std::string columns = subtractionInWords(step.columns);
    if (step.broughtDown)
        return text
               + sentence(
                   // TRANSLATORS: %1 is the part of the dividend, %2 the row
                   // (the quotient digit), %3 what the row reads, %4 what is
                   // left, %5 the subtraction column by column ("units: 4 −
                   // 2 = 2; tens: …"), %6 the next digit brought down, %7 the
                   // number it makes.
                   translated("Step", "The largest row not more than %1 is row %2: %3. Write %2 in the quotient. %1 "
                                      "− %3 = %4: %5. Bring down %6: %7."),
                   {part, row, product, left, columns, down, next});
    return text
           + sentence(
               // TRANSLATORS: %1 is the part of the dividend, %2 the row (the
               // quotient digit), %3 what the row reads, %4 what is left, %5
               // the subtraction column by column ("units: 4 − 2 = 2; tens:
               // …").
               translated("Step", "The largest row not more than %1 is row %2: %3. Write %2 in the quotient. %1 − %3 "
                                  "= %4: %5."),
               {part, row, product, left, columns});
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
    // TRANSLATORS: %1 is the dividend, %2 the divisor, %3 the quotient, %4
    // the remainder.
    return sentence(translated("Step", "%1 ÷ %2 = %3, remainder %4. Check: %3 × %2 + %4 = %1."),
                    {division.dividend, division.divisor, quotient, remainder});
}

} // namespace rods
