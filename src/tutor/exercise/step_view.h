#pragma once

#include "tutor/exercise/figures.h"
#include "tutor/exercise/rows.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// What a question asks, as two numbers and the sign between them: 307 × 2,
// 36 ÷ 12, 36 − 36. Its text is made in one place (`text()`), so a question
// is never cut out of a sentence.
struct Expression {
    std::string left;
    std::string sign; // in UTF-8
    std::string right;
    // Asked as how many times `right` goes into `left`: a digit of a
    // quotient, which "98 ÷ 43 =" would not be.
    bool timesInto = false;

    [[nodiscard]] std::string text() const { return left + " " + sign + " " + right; } // "307 × 2"
    // As the learner is asked it: "307 × 2 =", "How many times does 43 go
    // into 98?".
    [[nodiscard]] std::string question() const;
    // The answer said with its question: "307 × 2 = 614.", "43 goes into 98
    // 2 times.", "43 does not go into 23: write 0 in the quotient."
    [[nodiscard]] std::string answered(const std::string& answer) const;
};

// What the answer panel shows at a step the learner answers or answered.
struct AnswerView {
    Expression asked;
    std::string name;  // for screen readers: "Answer for step 1 of 3: 307 × 2"
    std::string typed; // what was typed; once settled, the answer
    std::string hint;  // the hint for the last try, or the verdict
    bool open = false; // still to be answered

    // Before the box: "307 × 2 =", "How many times does 12 go into 36?".
    [[nodiscard]] std::string question() const { return asked.question(); }
};

// Everything one step of a working shows, for any operation, watched or
// worked by the learner: whatever shows a step (the window, paper, a
// picture) puts this on its surface and decides nothing.
struct StepView {
    bool hasSteps = false; // without, only the words: why there is no working
    std::string counter;   // "Step 2 of 5"
    std::string words;

    // The picture: the rods with a row lit (its diagonals' digits hidden while
    // the learner works them out, one diagonal marked by a hint), or at a
    // product's adding step its columns instead.
    std::optional<RowReading> litRow;
    bool digitsHidden = false;
    std::optional<std::size_t> markedDiagonal;
    bool showColumns = false;

    // The long multiplication or division so far, and the column a hint
    // points at (from the right) in its lines that are rows.
    Figures longWorking;
    std::optional<std::size_t> markedColumn;

    std::optional<AnswerView> answer; // while the learner works the problem
    std::string tally;                // while the learner works the problem
    bool practising = false;
    bool canGoBack = false;
    bool canGoOn = false;
};

} // namespace rods
