#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// A whole sentence with its numbers put in: each %1 to %9 in `pattern` is
// replaced by that argument. Learners' words are written whole this way, never
// glued from pieces, so that a translator sees each sentence as it stands.
[[nodiscard]] std::string sentence(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The parts one after the other, with `separator` between each two.
[[nodiscard]] std::string joined(const std::vector<std::string>& parts, std::string_view separator);

// "3", "5 and 5", "1, 6 and 7": the items as a list, joined with the marked
// patterns "%1, %2" and "%1 and %2" of the language chosen.
[[nodiscard]] std::string listed(const std::vector<std::string>& items);

// "1 digit", "2 digits": a count with its noun in the right form.
[[nodiscard]] std::string counted(std::size_t count, std::string_view one, std::string_view many);

} // namespace rods
