#include "tutor/division/division_practice.h"

#include "core/words.h"
#include "tutor/division/column_names.h"
#include "tutor/division/division_words.h"
#include "tutor/exercise/answer_check.h"
#include "tutor/exercise/sentence.h"

#include <algorithm>

namespace rods {
namespace {

std::string number(std::uint64_t value) { return std::to_string(value); }

} // namespace

DivisionPractice::DivisionPractice(const Division& division)
    : division_(division)
{
    for (std::size_t i = 0; i < division.steps.size(); ++i) {
        const DivisionStep& step = division.steps[i];
        const std::string part = number(step.part);
        DivisionQuestion digit;
        digit.step = i;
        digit.answer = std::to_string(step.row);
        digit.task = sentence(translated("Question",
                                         // TRANSLATORS: %1 is the divisor, %2 the part of the dividend.
                                         "How many times does %1 go into %2? Find the largest row of the rods that "
                                         "is not more than %2, and type its number. If even row 1 is more than %2, "
                                         "%1 does not go into %2: type 0."),
                              {division.divisor, part});
        digit.asked = {part, std::string(DividedBy), division.divisor, true};
        questions_.push_back(digit);
        if (step.row == 0)
            continue; // nothing is taken away
        DivisionQuestion left;
        left.kind = DivisionQuestion::Kind::Left;
        left.step = i;
        left.answer = number(step.left);
        // TRANSLATORS: %1 is the row (1 to 9), %2 what it reads, %3 the part
        // of the dividend it is taken from.
        left.task = sentence(translated("Question", "Row %1 gives %2. Take it away from %3, column by column from the "
                                                    "right, borrowing where a column is too small, and type what is "
                                                    "left."),
                             {std::to_string(step.row), number(step.product), part});
        left.asked = {part, std::string(Minus), number(step.product)};
        questions_.push_back(left);
    }
    track_ = QuestionTrack(questions_.size());
}

DivisionPractice::Attempt DivisionPractice::answer(std::size_t index, std::string_view typed)
{
    Attempt attempt;
    const TypedAnswer read = track_.read(index, typed);
    if (!read.digits) {
        attempt.message = read.refusal;
        return attempt;
    }
    const DivisionQuestion& question = questions_[index];
    const DivisionStep& step = division_.steps[question.step];
    if (question.kind == DivisionQuestion::Kind::Digit && read.digits->size() > 1) {
        attempt.message = translated("Refusal", "A row of the rods is one digit, 0 to 9: type the number of the row.");
        return attempt;
    }
    if (*read.digits == question.answer) {
        track_.right(index);
        attempt.outcome = AnswerOutcome::Right;
        return attempt;
    }
    attempt.outcome = AnswerOutcome::Wrong;
    Hint hint;
    if (question.kind == DivisionQuestion::Kind::Digit) {
        const int row = (*read.digits)[0] - '0';
        hint = digitHint(step, row);
        // Where it goes 0 times, or 0 was typed, the hint speaks of row 1.
        attempt.markedRow = step.row == 0 || row == 0 ? 1 : row;
    } else {
        hint = leftHint(step, *read.digits);
        attempt.markedRow = step.row;
    }
    attempt.message = std::move(hint.words);
    attempt.slip = hint.slip;
    track_.wrong(index, hint.slip);
    return attempt;
}

DivisionPractice::Hint DivisionPractice::digitHint(const DivisionStep& step, int typed) const
{
    const std::string part = number(step.part);
    const std::uint64_t gives = division_.rows.at(static_cast<std::size_t>(typed));
    if (step.row == 0)
        // TRANSLATORS: %1 is the divisor, %2 the part of the dividend.
        return {sentence(translated("Hint", "Row 1 gives %1, which is more than %2, so %1 does not go into %2: write 0 "
                                            "in the quotient."),
                         {division_.divisor, part}),
                SlipKind::RowTooLarge};
    // The index rod has no row 0: that 0 is too small is said by row 1.
    if (typed == 0)
        // TRANSLATORS: %1 is the divisor, %2 the part of the dividend.
        return {sentence(translated("Hint", "Row 1 gives %1, which is not more than %2, so %1 goes into %2 at least "
                                            "once."),
                         {division_.divisor, part}),
                SlipKind::RowTooSmall};
    if (typed > step.row)
        // TRANSLATORS: %1 is the row typed, %2 what it reads, %3 the part of
        // the dividend.
        return {sentence(translated("Hint", "Row %1 gives %2, which is more than %3."),
                         {std::to_string(typed), number(gives), part}),
                SlipKind::RowTooLarge};
    // TRANSLATORS: %1 is the row typed, %2 what it reads, %3 the part of the
    // dividend, %4 what would be left, %5 the divisor.
    return {sentence(translated("Hint", "Row %1 gives %2, and %3 − %2 = %4 is not less than %5: a larger row fits."),
                     {std::to_string(typed), number(gives), part, number(step.part - gives), division_.divisor}),
            SlipKind::RowTooSmall};
}

DivisionPractice::Hint DivisionPractice::leftHint(const DivisionStep& step, const std::string& typed) const
{
    const std::string right = number(step.left);
    // A wrong length is said first, before the column that is wrong.
    std::string hint;
    if (typed.size() != right.size())
        hint = sentence(translatedCount("Hint",
                                        // TRANSLATORS: %n is how many digits the
                                        // answer typed has; %1 − %2 is the
                                        // subtraction, %3 how many digits its
                                        // answer has.
                                        // xgettext:no-c-format
                                        "Your answer has %n digit, but %1 − %2 has %3.",
                                        "Your answer has %n digits, but %1 − %2 has %3.",
                                        static_cast<long long>(typed.size())),
                        {number(step.part), number(step.product), std::to_string(right.size())});
    auto withHint = [&hint](const std::string& words) { return hint.empty() ? words : hint + " " + words; };
    // The first column from the right where the typed answer differs.
    std::size_t c = 0;
    auto digitAt = [](const std::string& digits, std::size_t place) {
        return place < digits.size() ? digits[digits.size() - 1 - place] - '0' : 0;
    };
    while (c < step.columns.size() && digitAt(typed, c) == digitAt(right, c))
        ++c;
    if (c >= step.columns.size())
        return {withHint(translated("Hint", "Write no digits in front of what is left.")), SlipKind::ExtraDigit};
    const Place& column = step.columns[c];
    const std::string wrote = std::to_string(digitAt(typed, c));
    // Without its place: that is said first.
    const std::string working = columnSubtractionInWords(column);
    if (column.in == 1 && digitAt(typed, c) == (column.result + 1) % 10)
        return {withHint(sentence(
                    // TRANSLATORS: %1 is the column ("The tens column"), %2
                    // its working ("12 − 5 = 7"), %3 the digit typed.
                    translated("Hint", "%1: %2, not %3. The 1 it lent was forgotten."),
                    {columnName(c, ColumnRole::Opening), working, wrote})),
                SlipKind::ForgottenBorrow};
    if (column.in == 0 && digitAt(typed, c) == (column.result + 9) % 10)
        return {withHint(sentence(
                    // TRANSLATORS: %1 is the column ("the tens column"), %2
                    // its working ("12 − 5 = 7"), %3 the digit typed.
                    translated("Hint", "Nothing was borrowed from %1: %2, not %3."),
                    {columnName(c, ColumnRole::From), working, wrote})),
                SlipKind::ExtraBorrow};
    // TRANSLATORS: %1 is the column ("The tens column"), %2 its working
    // ("12 − 5 = 7"), %3 the digit typed.
    const std::string wrong = translated("Hint", "%1: %2, not %3.");
    return {withHint(sentence(wrong, {columnName(c, ColumnRole::Opening), working, wrote})), SlipKind::WrongDifference};
}

std::string DivisionPractice::summary() const
{
    const std::size_t right = track_.rightFirst();
    // TRANSLATORS: %1 is the division ("3684 ÷ 12"), %2 the quotient, %3 the
    // remainder.
    const std::string done = translated("Summary", "%1 = %2, remainder %3");
    const std::string result =
        sentence(done, {divisionOf(division_), withoutLeadingZeros(division_.quotient), number(division_.remainder)});
    if (right == questions() && questions() == 1)
        // TRANSLATORS: %1 is the result ("3684 ÷ 12 = 307, remainder 0").
        return sentence(translated("Summary", "Well done! %1, and its only answer was right at the first try."),
                        {result});
    if (right == questions())
        return sentence(translatedCount("Summary",
                                        // TRANSLATORS: %1 is the result ("3684
                                        // ÷ 12 = 307, remainder 0"); %n is 2
                                        // or more.
                                        // xgettext:no-c-format
                                        "Well done! %1, and all %n answers were right at the first try.",
                                        "Well done! %1, and all %n answers were right at the first try.",
                                        static_cast<long long>(questions())),
                        {result});
    return sentence(translatedCount("Summary",
                                    // TRANSLATORS: %1 is the result ("3684 ÷
                                    // 12 = 307, remainder 0"), %2 how many of
                                    // the %n answers were right at once.
                                    // xgettext:no-c-format
                                    "Finished: %1. Right at the first try: %2 of %n answer.",
                                    "Finished: %1. Right at the first try: %2 of %n answers.",
                                    static_cast<long long>(questions())),
                    {result, std::to_string(right)});
}

} // namespace rods
