#pragma once

#include "click_bench.h"

#include <vector>

// Times the Working window on the largest problem (8 rods times 15 digits):
// opening it from the list to the end of its first paint, the first time in
// the process and then with a fresh main window each time, and each step.
std::vector<ClickFigure> benchWorking(int repetitions);
