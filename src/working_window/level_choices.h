#pragma once

#include "tutor/problems/levels.h"

#include <cstddef>

class QComboBox;
class QString;

namespace rods {

// What a choice in a level box stands for: a level of × or ÷, or the
// teacher's list.
inline constexpr int ListChoice = -1;
[[nodiscard]] int choiceOf(Operation operation, int level);
// The level a choice stands for; none for the list.
[[nodiscard]] const Level* levelOfChoice(int choice);

// How a teacher's list stands among the choices: "pupils.txt (12 problems)".
[[nodiscard]] QString listChoiceText(const QString& name, std::size_t count);

// Fills a box with the levels of × and of ÷, under a heading each.
void addLevelChoices(QComboBox* box);
// A line naming the choices under it, which cannot be chosen itself.
void addHeading(QComboBox* box, const QString& text);

} // namespace rods
