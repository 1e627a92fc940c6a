#pragma once

#include "tutor/exercise/question_track.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// What a hint points at, kept by the session until the learner does
// something else: a product's diagonal or column, a division's row.
struct HintMark {
    std::optional<std::size_t> place;
    std::optional<int> row;
};

// An answer checked by an exercise: how it went, the refusal, the hint or
// what was right about it, and what the hint points at.
struct ExerciseAttempt {
    AnswerOutcome outcome = AnswerOutcome::Refused;
    std::string message;
    HintMark mark;
};

// What the session knows of the learner's answers, for an exercise to show a
// step: one typed text and one verdict per question.
struct AnswersSoFar {
    bool practising = false;
    std::optional<std::size_t> open; // the question open at the step shown
    const std::vector<std::string>& typed;
    const std::vector<std::string>& verdicts;
    HintMark mark;
};

// "Step 2 of 5: …", a line of the working as text.
[[nodiscard]] std::string stepLine(int step, int steps, const std::string& words);

} // namespace rods
