#pragma once

#include "tutor/exercise/rows.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// What the answer panel shows at a step the learner answers or answered.
struct AnswerView {
    std::string question; // before the box: "307 × 2 =", "36 ÷ 12 ="
    std::string name;     // for screen readers: "Answer for step 1 of 3: 307 × 2"
    std::string typed;    // what was typed; once settled, the answer
    std::string hint;     // the hint for the last try, or the verdict
    bool open = false;    // still to be answered
};

// Everything one step of a working shows, for a product or a long division,
// watched or worked by the learner: whatever shows a step (the window, and
// later paper) puts this on its surface and decides nothing.
struct StepView {
    bool hasSteps = false; // without, only the words: why there is no working
    std::string counter;   // "Step 2 of 5"
    std::string words;

    // The picture: the rods with a row lit (its diagonals' digits hidden while
    // the learner works them out, one diagonal marked by a hint), or at the
    // adding step its columns instead.
    std::optional<RowReading> litRow;
    bool digitsHidden = false;
    std::optional<std::size_t> markedDiagonal;
    bool showColumns = false;

    // The long multiplication or division so far, and the column a hint
    // points at in the lines that are rows.
    std::vector<std::string> longWorking;
    std::optional<std::size_t> markedColumn;
    std::vector<int> rowLines;

    std::optional<AnswerView> answer; // while the learner works the problem
    std::string tally;                // while the learner works the problem
    bool practising = false;
    bool canGoBack = false;
    bool canGoOn = false;
};

} // namespace rods
