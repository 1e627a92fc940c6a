#include "tutor/exercise/exercise_parts.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

namespace rods {

std::string stepLine(int step, int steps, const std::string& words)
{
    // TRANSLATORS: a line of the working as text: %1 is the step's number, %2
    // how many steps there are, %3 what the step does.
    return sentence(translated("Step", "Step %1 of %2: %3"), {std::to_string(step + 1), std::to_string(steps), words});
}

} // namespace rods
