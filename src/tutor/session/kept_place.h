#pragma once

#include "tutor/problems/problem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// Where a pupil left the problems the program poses, kept between starts:
// the level and set chosen or the teacher's list open, the problem posed last
// and whether it was worked to the end.
struct KeptPlace {
    std::string pupil;
    Operation operation = Operation::Multiply;
    int level = 0; // 0 for the teacher's list
    int set = 0;
    std::size_t posed = 0; // the number of the problem posed last, from 1; 0 before the first
    bool finished = false; // the problem posed last was worked to the end
    std::string listName;
    std::vector<Problem> list;
};

// The place as a small file of its own, with a checksum at its end so that a
// damaged file is known as damaged.
[[nodiscard]] std::string placeText(const KeptPlace& place);
// The place the file holds, or none when it is damaged or is no place.
[[nodiscard]] std::optional<KeptPlace> readPlace(std::string_view text);

} // namespace rods
