#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rods {

// The longest name a pupil can have, in characters: a whole name with room
// to spare, and a folder's name of it stays short.
inline constexpr std::size_t LongestPupilName = 100;

// A name as a pupil or teacher typed it: the name kept, with the spaces
// around it trimmed, or why it is refused, as a sentence. Any letters of any
// script, spaces, apostrophes, slashes and dots are kept as typed; a name
// that is empty, too long, not readable text or holding a line break, a tab
// or another control character is refused.
struct CheckedName {
    std::string name;
    std::string refusal; // empty when the name is kept
};
[[nodiscard]] CheckedName checkedPupilName(std::string_view typed);

// The name of the folder a pupil's files are kept in: the name's letters and
// digits, every other character as "_", cut short, then a mark made from the
// whole name, so that two names never share a folder. It never starts with a
// dot and never holds a slash, whatever the name holds.
[[nodiscard]] std::string pupilFolderName(std::string_view name);

// The name of the computer account: the full name the system knows for it,
// or else its login name.
[[nodiscard]] std::string accountPupilName();

} // namespace rods
