// Appends records to a progress file for the tests, one after another, and
// prints each record's number once its append has returned: what a test
// that kills it can expect to find. Arguments: folder, writer (the records'
// level), first number, count.
#include "tutor/progress/progress_file.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 5)
        return 2;
    const rods::ProgressFile file(argv[1]);
    const int writer = std::stoi(argv[2]);
    const int first = std::stoi(argv[3]);
    const int count = std::stoi(argv[4]);
    rods::ProgressRecord record;
    record.time = "2026-12-07T19:12:02+01:00";
    record.problem = *rods::readProblem("307 × 12").problem;
    record.source = rods::ProblemSource::Level;
    record.level = writer;
    record.steps = 3;
    record.rightFirst = 2;
    for (int number = first; number < first + count; ++number) {
        record.set = number;
        if (!file.append(record).empty())
            return 1;
        std::printf("%d\n", number);
        std::fflush(stdout);
    }
    return 0;
}
