#pragma once

#include "tutor/problems/problem.h"
#include "tutor/progress/progress_record.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rods {

// One progress file as the class overview reads it: whose it is and what it
// holds. A file from elsewhere is only ever read.
struct PupilFile {
    std::string path;
    std::string pupil; // from the file's pupil line, else from its name or folder
    ProgressRead read;
    std::string error; // why the file could not be read, for the teacher; empty if it was
};

// Reads one progress file, never writing to it.
[[nodiscard]] PupilFile readPupilFile(const std::string& path);

// The progress files a path holds: the path itself when it is a file; for a
// folder, the pupils' files of the program's own data folder (pupils/*/
// progress.tsv), or else the .tsv files in it and in its folders below
// (forgotten records left out). `unreadable` gets each path that cannot be
// read or listed.
struct FoundFiles {
    std::vector<std::string> files;
    std::vector<std::string> unreadable;
};
[[nodiscard]] FoundFiles progressFilesIn(const std::string& path);

// A level worked, as the overview names it.
struct LevelWorked {
    Operation operation = Operation::Multiply;
    int level = 0;
    friend bool operator==(const LevelWorked&, const LevelWorked&) = default;
};

// One pupil's row of the class overview. Problems skipped count apart from
// those worked to the end; the answers are those of the problems worked.
struct PupilRow {
    std::string pupil;
    std::vector<std::string> files; // every file that names this pupil
    int problems = 0;               // worked to the end
    int answers = 0;
    int rightFirst = 0;
    int skipped = 0;
    std::vector<LevelWorked> levels; // worked to the end, × before ÷, each in order
    // The highest level of each operation with at least 80% of its answers
    // right at the first try, if any.
    std::optional<int> bestMultiply;
    std::optional<int> bestDivide;
    std::vector<std::pair<SlipKind, int>> slips; // the three made most often, most first
    std::string lastDay;                         // "2026-12-07", the day of the newest record
    std::size_t unreadable = 0;                  // damaged lines in its files
};

// The class: one row per pupil (files naming the same pupil are one row), in
// the order of the pupils' names.
[[nodiscard]] std::vector<PupilRow> classOverview(const std::vector<PupilFile>& files);

// Who worked one set of a level, and how: one row per pupil who worked or
// skipped a problem of it, with only that set's records counted.
[[nodiscard]] std::vector<PupilRow> setOverview(const std::vector<PupilFile>& files, Operation operation, int level,
                                                int set);

// The table as text cells, as the window, the CSV and the PDF show it: the
// columns' heads, then each row's cells.
[[nodiscard]] std::vector<std::string> classColumnHeads();
[[nodiscard]] std::vector<std::string> classRowCells(const PupilRow& row);

// The table as CSV for a spreadsheet: UTF-8 with a byte order mark, the heads,
// then a line per row.
[[nodiscard]] std::string classCsv(const std::vector<PupilRow>& rows);

} // namespace rods
