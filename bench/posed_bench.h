#pragma once

#include "click_bench.h"

#include <vector>

// Times New problem at the largest levels of × and ÷, and the Progress window
// opened on 10,000 records, each to the end of its repaint.
std::vector<ClickFigure> benchPosed(int repetitions);
