// Fuzzing of a teacher's list of problems, which comes from anyone: whatever
// the bytes, reading them ends, loads at most 1,000 problems or none with a
// reason, and every problem loaded reads back the same from its own text.
#include "fuzz_check.h"
#include "tutor/problems/problem_list.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const rods::ProblemList list = rods::readProblemList(contents);
    check(list.problems.empty() != list.refusal.empty());
    check(list.problems.size() <= rods::MostProblemsInList);
    const std::size_t lines = static_cast<std::size_t>(std::count(contents.begin(), contents.end(), '\n')) + 1;
    for (const rods::BadLine& line : list.badLines)
        check(line.number >= 1 && line.number <= lines && !line.reason.empty());
    for (const rods::Problem& problem : list.problems) {
        const rods::ProblemRead again = rods::readProblem(rods::problemText(problem));
        check(again.problem && again.problem->operation == problem.operation && again.problem->rods == problem.rods
              && again.problem->number == problem.number);
    }
    (void)rods::badLinesInWords(list.badLines);
    return 0;
}
