#pragma once

#include "click_bench.h"

#include <vector>

// Times the largest things put on paper, each written whole to a PDF file: a
// 40-problem worksheet with its key, the whole working of the largest
// product and of the largest long division, and a step as a PNG.
std::vector<ClickFigure> benchPaper(int repetitions);
