#pragma once

#include "tutor/exercise/answer_check.h"
#include "tutor/exercise/slips.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

enum class QuestionState { Open, Right, Shown };
// How an answer typed for a question went: refused (no number: no try), or
// checked and wrong or right.
enum class AnswerOutcome { Refused, Wrong, Right };

// The questions of one problem as a learner answers them in order, whatever
// the operation: each open until answered right or shown, the ones missed at
// least once, and every slip in the order made. A question shown does not
// count as right at the first try.
class QuestionTrack {
public:
    QuestionTrack() = default;
    explicit QuestionTrack(std::size_t questions);

    [[nodiscard]] std::size_t size() const { return states_.size(); }
    [[nodiscard]] QuestionState state(std::size_t question) const { return states_.at(question); }
    // How many are answered; they are answered in order.
    [[nodiscard]] std::size_t answered() const;
    [[nodiscard]] bool finished() const { return answered() == size(); }

    // The digits of an answer typed for a question, or why there is nothing
    // to check (the question is done, or the text is no number).
    [[nodiscard]] TypedAnswer read(std::size_t question, std::string_view typed) const;
    void right(std::size_t question);
    void wrong(std::size_t question, SlipKind slip);
    // A wrong try that names no slip.
    void missed(std::size_t question);
    void show(std::size_t question);

    [[nodiscard]] std::size_t rightFirst() const;
    [[nodiscard]] std::size_t shown() const;
    [[nodiscard]] const std::vector<SlipKind>& slips() const { return slips_; }
    // "Right at the first try: 2 of 3".
    [[nodiscard]] std::string tally() const;

private:
    std::vector<QuestionState> states_;
    std::vector<bool> missed_;
    std::vector<SlipKind> slips_;
};

} // namespace rods
