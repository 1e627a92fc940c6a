#include "tutor/exercise/step_view.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

namespace rods {

std::string Expression::question() const
{
    if (timesInto)
        // TRANSLATORS: a digit of a quotient asked: %1 is the divisor, %2 the
        // part of the dividend it goes into.
        return sentence(translated("Question", "How many times does %1 go into %2?"), {right, left});
    // A sum before the box reads left to right in every language.
    return figures(text() + " =");
}

std::string Expression::answered(const std::string& answer) const
{
    if (!timesInto)
        return sentence("%1 = %2.", {text(), answer});
    if (answer == "0")
        // TRANSLATORS: %1 is the divisor, %2 the part of the dividend.
        return sentence(translated("Answer", "%1 does not go into %2: write 0 in the quotient."), {right, left});
    if (answer == "1")
        // TRANSLATORS: %1 is the divisor, %2 the part of the dividend.
        return sentence(translated("Answer", "%1 goes into %2 once."), {right, left});
    // A digit of a quotient, 2 to 9, counted: some languages say 2 times
    // unlike 5 times.
    long long times = 0;
    for (char digit : answer)
        times = times * 10 + (digit - '0');
    // TRANSLATORS: %1 is the divisor, %2 the part of the dividend, %n the
    // digit of the quotient, 2 to 9 (once has a text of its own).
    return sentence(translatedCount("Answer", "%1 goes into %2 %n time.", "%1 goes into %2 %n times.", times),
                    {right, left});
}

} // namespace rods
