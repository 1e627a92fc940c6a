#include "working_window/kept_lessons.h"

#include <utility>

namespace rods {

void KeptLessons::keep(const Lesson& lesson)
{
    if (!lesson.key().empty() && lesson.workedInPart())
        lessons_[lesson.key()] = lesson;
}

Lesson KeptLessons::takeUp(Lesson fresh)
{
    if (const auto kept = lessons_.find(fresh.key()); kept != lessons_.end()) {
        fresh = std::move(kept->second);
        lessons_.erase(kept);
    }
    return fresh;
}

} // namespace rods
