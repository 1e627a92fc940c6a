#pragma once

#include <QString>

#include <vector>

// The windows whose start-up is measured.
enum class Probe { Rods, Pupil, Bare, Text };

struct ProbeFigures {
    QString name;
    double medianMs; // process start to first painted frame
    double ratio;    // median of the paired ratios to the numbering-rods window
    double peakKiB;  // median peak resident memory
};

// Starts this program again as a probe, `runs` times each, in turn: the
// numbering-rods window, a bare Qt window of the same size with nothing in
// it, and the same with one line of text, the least a window with text costs.
std::vector<ProbeFigures> benchStartup(const QString& self, int runs);

// The probe: shows the window and ends the process as soon as its first
// frame has been painted. Returns only on failure.
int runStartupProbe(int argc, char** argv, Probe probe);
