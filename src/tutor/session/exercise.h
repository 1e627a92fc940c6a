#pragma once

#include "tutor/division/division_exercise.h"
#include "tutor/multiplication/multiplication_exercise.h"
#include "tutor/problems/problem.h"

#include <variant>

namespace rods {

// Every operation the tutor works, one alternative each. Each alternative
// says its steps, the StepView of a step, its questions and their checks, its
// counts for the progress record and its whole working, under the same names
// (see MultiplicationExercise); the session reaches them only through
// std::visit.
//
// A variant rather than an interface: the operations are a closed set that
// this program defines, a lesson is a value that is copied (kept while worked
// in part, handed to paper) with no heap and no slicing, and the compiler
// checks every visit against every alternative. A new operation (square
// roots, say) is a new folder with its exercise class, one more alternative
// here and its case in `exerciseFor` and `problemOf` below: every visit that
// the new class does not yet answer fails to compile, and so does each of
// the two functions until it names the new alternative.
using Exercise = std::variant<MultiplicationExercise, DivisionExercise>;

[[nodiscard]] Exercise exerciseFor(const Problem& problem);
// A product as the list has it, read off its rods.
[[nodiscard]] Exercise exerciseFor(const ProductRecord& record);
// The problem an exercise works, as progress keeps it.
[[nodiscard]] Problem problemOf(const Exercise& exercise);

} // namespace rods
