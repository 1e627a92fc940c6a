#pragma once

#include "core/words.h"
#include "tutor/problems/problem.h"

#include <string>
#include <vector>

namespace rods {

// A level of problems the program poses, and what every problem at it has.
// Levels climb one difficulty at a time; their numbers and promises are what
// a teacher writes on the board, so they stay as they are.
struct Level {
    enum class Carries { Any, None, Some };
    enum class Remainder { Any, None, Some };

    Operation operation = Operation::Multiply;
    int number = 1;                    // from 1
    MarkedText practises{"Level", ""}; // "3 rods × 1 digit, with carries", shown translated
    int rodDigits = 1;                 // the multiplier's or the divisor's digits: the rods
    int otherDigits = 1;               // the multiplicand's or the dividend's digits
    // ×: no multiplicand digit is 0 or 1, so no row is a mere copy or nothing.
    bool noTrivialRows = true;
    // ×: a carry in some row's diagonals, or none anywhere (rows and sum).
    Carries carries = Carries::Any;
    bool zeroRod = false; // ×: a rod of 0 among the multiplier's
    Remainder remainder = Remainder::Any;
    bool zeroInQuotient = false; // ÷: a 0 among the quotient's digits
};

[[nodiscard]] const std::vector<Level>& levels(Operation operation);
// The level of that number, or none.
[[nodiscard]] const Level* findLevel(Operation operation, int number);

// Whether a problem is of the level's size and has all the level promises.
[[nodiscard]] bool keepsPromise(const Level& level, const Problem& problem);

} // namespace rods
