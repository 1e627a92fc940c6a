#pragma once

#include "click_bench.h"

#include <vector>

// Times the Class window opened on a data folder of 30 pupils with 1,000
// records each, from its construction to the end of the table's first paint:
// the first time in the process, then afresh each time.
std::vector<ClickFigure> benchClass(int repetitions);
