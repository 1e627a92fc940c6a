#include "tutor/session/problem_queue.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/problems/problem_sets.h"

#include <algorithm>

namespace rods {

std::string positionInWords(const PosedProblem& posed)
{
    // TRANSLATORS: which problem of a set or a list is being worked: %1 of
    // all %2.
    return sentence(translated("Problem", "Problem %1 of %2"),
                    {std::to_string(posed.number), std::to_string(posed.count)});
}

void ProblemQueue::chooseLevel(const Level& level, int set)
{
    level_ = &level;
    set_ = set;
    problems_ = problemSet(level, set);
    next_ = 0;
}

void ProblemQueue::chooseList(std::vector<Problem> problems)
{
    level_ = nullptr;
    set_ = 0;
    problems_ = std::move(problems);
    next_ = 0;
}

void ProblemQueue::resumeAt(std::size_t number)
{
    next_ = number == 0 ? 0 : std::min(number, problems_.size() + 1) - 1;
}

PosedProblem ProblemQueue::next()
{
    if (next_ == problems_.size()) {
        if (level_)
            chooseLevel(*level_, set_ == LastSet ? FirstSet : set_ + 1);
        next_ = 0;
    }
    PosedProblem posed;
    posed.problem = problems_.at(next_);
    posed.source = level_ ? ProblemSource::Level : ProblemSource::List;
    posed.level = level_ ? level_->number : 0;
    posed.set = set_;
    posed.number = next_ + 1;
    posed.count = problems_.size();
    ++next_;
    return posed;
}

} // namespace rods
