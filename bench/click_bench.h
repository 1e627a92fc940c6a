#pragma once

#include <QString>

#include <vector>

struct ClickFigure {
    QString action;
    double medianMs;
    double worstMs;
    int repetitions;
};

// Times each click in the real window, from the press of the mouse button to
// the end of the repaint that the click asked for.
std::vector<ClickFigure> benchClicks(int repetitions);
