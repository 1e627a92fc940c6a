#include "tutor/session/exercise.h"

namespace rods {
namespace {

// Visits with one function per alternative and no catch-all, so that an
// alternative left out is a compile error.
template <class... Functions> struct Each : Functions... {
    using Functions::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <class... Functions> Each(Functions...) -> Each<Functions...>;

} // namespace

Exercise exerciseFor(const Problem& problem)
{
    switch (problem.operation) {
    case Operation::Multiply: // in no list: the words compare it with none
        return MultiplicationExercise({problem.rods, static_cast<double>(problem.number), std::string()});
    case Operation::Divide:
        return DivisionExercise(problem.rods, problem.number);
    }
    return MultiplicationExercise();
}

Exercise exerciseFor(const ProductRecord& record) { return MultiplicationExercise(record); }

Problem problemOf(const Exercise& exercise)
{
    return std::visit(Each{[](const MultiplicationExercise& product) {
                               return Problem{Operation::Multiply, product.rods(), product.number()};
                           },
                           [](const DivisionExercise& division) {
                               return Problem{Operation::Divide, division.rods(), division.number()};
                           }},
                      exercise);
}

} // namespace rods
