#pragma once

#include "tutor/problems/levels.h"

#include <vector>

namespace rods {

inline constexpr int ProblemsInSet = 10;
inline constexpr int FirstSet = 1;
inline constexpr int LastSet = 99'999;

// The ten problems of a numbered set at a level: the same on every machine
// and in every version, so that a class given "set 4711, level 3" works the
// same problems. Each keeps the level's promise, and no two are the same.
// The level and set must exist.
[[nodiscard]] std::vector<Problem> problemSet(const Level& level, int set);

} // namespace rods
