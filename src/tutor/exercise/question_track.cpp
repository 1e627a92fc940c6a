#include "tutor/exercise/question_track.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <algorithm>

namespace rods {

QuestionTrack::QuestionTrack(std::size_t questions)
    : states_(questions, QuestionState::Open)
    , missed_(questions, false)
{
}

std::size_t QuestionTrack::answered() const
{
    return static_cast<std::size_t>(std::find(states_.begin(), states_.end(), QuestionState::Open) - states_.begin());
}

TypedAnswer QuestionTrack::read(std::size_t question, std::string_view typed) const
{
    if (question >= size() || states_[question] != QuestionState::Open)
        return {std::nullopt, translated("Refusal", "This step is done already.")};
    return readAnswer(typed);
}

void QuestionTrack::right(std::size_t question) { states_.at(question) = QuestionState::Right; }

void QuestionTrack::wrong(std::size_t question, SlipKind slip)
{
    missed(question);
    slips_.push_back(slip);
}

void QuestionTrack::missed(std::size_t question) { missed_.at(question) = true; }

void QuestionTrack::show(std::size_t question)
{
    if (question < size() && states_[question] == QuestionState::Open)
        states_[question] = QuestionState::Shown;
}

std::size_t QuestionTrack::rightFirst() const
{
    std::size_t count = 0;
    for (std::size_t question = 0; question < size(); ++question)
        if (states_[question] == QuestionState::Right && !missed_[question])
            ++count;
    return count;
}

std::size_t QuestionTrack::shown() const
{
    return static_cast<std::size_t>(std::count(states_.begin(), states_.end(), QuestionState::Shown));
}

std::string QuestionTrack::tally() const
{
    // TRANSLATORS: %1 answers right at the first try of %2 questions.
    return sentence(translated("Tally", "Right at the first try: %1 of %2"),
                    {std::to_string(rightFirst()), std::to_string(size())});
}

} // namespace rods
