#pragma once

#include "tutor/problems/levels.h"
#include "tutor/progress/progress_record.h"

#include <string>
#include <vector>

namespace rods {

// A problem the program poses, and where it stands among the others.
struct PosedProblem {
    Problem problem;
    ProblemSource source = ProblemSource::Level;
    int level = 0; // for a problem of a set: its level and set
    int set = 0;
    std::size_t number = 1; // from 1
    std::size_t count = 0;  // in the set or the list
};

// "Problem 3 of 10".
[[nodiscard]] std::string positionInWords(const PosedProblem& posed);

// The problems posed in turn: the ten of a set at a level, then those of the
// next set; or a teacher's list, which ends after its last problem until it
// is asked for again.
class ProblemQueue {
public:
    // Starts at the first problem of the set; the level and set must exist.
    void chooseLevel(const Level& level, int set);
    // Starts at the first problem of the list, which must hold one at least.
    void chooseList(std::vector<Problem> problems);

    // Goes on so that the next problem posed is the one numbered, from 1.
    void resumeAt(std::size_t number);

    // Whether a teacher's list has posed its last problem.
    [[nodiscard]] bool listDone() const { return !level_ && next_ == problems_.size(); }
    // The next problem: after a list's last, its first again.
    [[nodiscard]] PosedProblem next();
    // The set the next problem comes from, which moves on after a set's last.
    [[nodiscard]] int set() const { return set_; }
    [[nodiscard]] bool fromList() const { return level_ == nullptr; }

private:
    const Level* level_ = nullptr;
    int set_ = 0;
    std::vector<Problem> problems_;
    std::size_t next_ = 0;
};

} // namespace rods
