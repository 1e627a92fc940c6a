#include "tutor/multiplication/practice.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/place_phrases.h"
#include "tutor/multiplication/reading_words.h"

#include <algorithm>

namespace rods {
namespace {

std::size_t trailingZeros(std::string_view digits)
{
    const std::size_t last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? 0 : digits.size() - 1 - last;
}

SlipKind slipKindOf(Slip slip)
{
    switch (slip) {
    case Slip::ForgottenCarry:
        return SlipKind::ForgottenCarry;
    case Slip::TensWritten:
    case Slip::WholeSumWritten: // the same want: a sum of 10 or more split into a digit and a carry
        return SlipKind::TensWritten;
    case Slip::ExtraCarry:
        return SlipKind::ExtraCarry;
    case Slip::MissingDigit:
        return SlipKind::MissingDigit;
    case Slip::ExtraDigit:
        return SlipKind::ExtraDigit;
    case Slip::Swapped:
        return SlipKind::Swapped;
    case Slip::None:
    case Slip::WrongDigit:
        break;
    }
    return SlipKind::WrongDigit;
}

} // namespace

StepQuestion questionFor(const Reading& reading, std::size_t step)
{
    StepQuestion question;
    if (step < reading.rows.size()) {
        const RowReading& row = reading.rows[step];
        question.asked = {multiplierValue(reading.rods), std::string(Times), std::to_string(row.digit)};
        question.answer = row.partial;
        question.places = row.diagonals;
        question.kind = PlaceKind::Diagonal;
        question.task = rowTask(reading, step);
        question.place = row.place;
        if (row.partial != "0")
            question.placeZeros = static_cast<std::size_t>(row.place);
    } else {
        question.asked = {multiplierValue(reading.rods), std::string(Times), reading.multiplicand};
        question.answer = reading.product;
        question.places = reading.columns;
        question.kind = PlaceKind::Column;
        question.task = sumTask(reading);
    }
    return question;
}

Practice::Practice(const Reading& reading)
{
    for (std::size_t step = 0; step < reading.steps(); ++step)
        questions_.push_back(questionFor(reading, step));
    product_ = timesOf(reading) + reading.multiplicand + " = " + reading.product;
    track_ = QuestionTrack(questions_.size());
}

std::size_t Practice::reachable() const { return std::min(answered(), steps() == 0 ? 0 : steps() - 1); }

Practice::Attempt Practice::answer(std::size_t step, std::string_view typed)
{
    Attempt attempt;
    const TypedAnswer read = track_.read(step, typed);
    if (!read.digits) {
        attempt.message = read.refusal;
        return attempt;
    }
    const StepQuestion& question = questions_[step];
    const std::string& typedDigits = *read.digits;
    // Typed as written in its place: the place's zeros are not the
    // diagonals', and the rest is checked against the row.
    const std::size_t zeros = trailingZeros(typedDigits);
    const std::size_t rowZeros = trailingZeros(question.answer);
    const bool writtenInPlace = question.placeZeros > 0 && zeros == rowZeros + question.placeZeros
                                && typedDigits.size() > question.answer.size();
    const std::string_view checked =
        writtenInPlace ? std::string_view(typedDigits).substr(0, typedDigits.size() - question.placeZeros)
                       : std::string_view(typedDigits);
    const AnswerCheck check = checkAnswer(question.answer, question.places, checked);
    if (check.right()) {
        track_.right(step);
        attempt.outcome = Attempt::Outcome::Right;
        if (writtenInPlace)
            // TRANSLATORS: a right answer written in its place: %1 is the
            // question ("307 × 1"), %2 its answer, %3 the digits typed, %4
            // the place ("in the tens place").
            attempt.message = sentence(translated("Answer", "%1 = %2, written %3 %4."),
                                       {question.asked.text(), question.answer, typedDigits, inPlace(question.place)});
        return attempt;
    }
    attempt.outcome = Attempt::Outcome::Wrong;
    if (question.placeZeros > 0 && zeros > rowZeros && !writtenInPlace && typedDigits.size() > question.answer.size()) {
        // Zeros typed for the place, but not as many as it has.
        // TRANSLATORS: how many zeros an answer ends in ("3 zeros").
        // xgettext:no-c-format
        const std::string typedZeros = translatedCount("Hint", "%n zero", "%n zeros", static_cast<long long>(zeros));
        // xgettext:no-c-format
        const std::string placeZeros =
            translatedCount("Hint", "%n zero", "%n zeros", static_cast<long long>(rowZeros + question.placeZeros));
        // TRANSLATORS: %1 is how many zeros the answer typed ends in ("1
        // zero"), %2 the question ("307 × 1"), %3 its place ("in the tens
        // place"), %4 how many zeros it ends in there.
        attempt.message = sentence(translated("Hint", "Your answer ends in %1, but %2 written %3 ends in %4."),
                                   {typedZeros, question.asked.text(), inPlace(question.place), placeZeros});
        attempt.slip = SlipKind::PlaceZeros;
        track_.wrong(step, *attempt.slip);
        return attempt;
    }
    attempt.message =
        hintInWords(check, question.places, question.kind, question.asked.text(),
                    writtenInPlace ? question.placeZeros : 0, writtenInPlace ? inPlace(question.place) : std::string());
    if (check.place < question.places.size())
        attempt.markedPlace = check.place;
    attempt.slip = slipKindOf(check.slip);
    track_.wrong(step, *attempt.slip);
    return attempt;
}

std::string Practice::summary() const
{
    if (steps() == 0)
        return {};
    const std::size_t right = track_.rightFirst();
    const auto count = static_cast<long long>(steps());
    if (right == steps() && steps() == 1)
        // TRANSLATORS: %1 is the product worked ("307 × 12 = 3684").
        return sentence(translated("Summary", "Well done! %1, and its only step was right at the first try."),
                        {product_});
    if (right == steps())
        // TRANSLATORS: %1 is the product worked ("307 × 12 = 3684"); %n is 2
        // or more (one step has a text of its own).
        return sentence(translatedCount("Summary", "Well done! %1, and its %n step was right at the first try.",
                                        "Well done! %1, and all %n steps were right at the first try.", count),
                        {product_});
    // TRANSLATORS: %1 is the product worked ("307 × 12 = 3684"), %2 how many
    // steps were right at the first try, %n how many steps there were.
    return sentence(translatedCount("Summary", "Finished: %1. Right at the first try: %2 of %n step.",
                                    "Finished: %1. Right at the first try: %2 of %n steps.", count),
                    {product_, std::to_string(right)});
}

} // namespace rods
