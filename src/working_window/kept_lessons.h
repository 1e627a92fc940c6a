#pragma once

#include "tutor/session/lesson.h"

#include <map>
#include <string>

namespace rods {

// Products worked in part, kept while the program runs, so that a learner who
// opens another problem and comes back finds the product where it was left:
// the step, the answers and the tally. A lesson is kept under its key, and
// only while it has work in it to come back to; taking it up again takes it
// out, so that a product's work is never in two places, the window and here.
class KeptLessons {
public:
    // Keeps the lesson the window is leaving, if it has work to come back to.
    void keep(const Lesson& lesson);
    // The lesson kept under the fresh one's key, taken out, or else the fresh
    // one.
    [[nodiscard]] Lesson takeUp(Lesson fresh);

private:
    std::map<std::string, Lesson> lessons_;
};

} // namespace rods
