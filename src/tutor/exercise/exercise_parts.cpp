#include "tutor/exercise/exercise_parts.h"

#include "tutor/exercise/sentence.h"

namespace rods {

std::string stepLine(int step, int steps, const std::string& words)
{
    return sentence("Step %1 of %2: %3", {std::to_string(step + 1), std::to_string(steps), words});
}

} // namespace rods
