#include "tutor/exercise/step_view.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

namespace rods {

std::string Expression::question() const
{
    if (timesInto)
        return sentence("How many times does %1 go into %2?", {right, left});
    // A sum before the box reads left to right in every language.
    return figures(text() + " =");
}

std::string Expression::answered(const std::string& answer) const
{
    if (!timesInto)
        return sentence("%1 = %2.", {text(), answer});
    if (answer == "0")
        return sentence("%1 does not go into %2: write 0 in the quotient.", {right, left});
    if (answer == "1")
        return sentence("%1 goes into %2 once.", {right, left});
    return sentence("%1 goes into %2 %3 times.", {right, left, answer});
}

} // namespace rods
