#pragma once

#include "core/words.h"

#include <QString>

namespace rods {

// The windows' and the paper's words, marked as the tutor's logic marks its
// own (core/words.h), so that one extraction finds them all, and given as Qt
// shows them.
inline QString uiText(const char* context, const char* text)
{
    return QString::fromStdString(translated(context, text));
}

// A counted text, in the form its count takes in the language chosen.
inline QString uiCount(const char* context, const char* singular, const char* plural, long long count)
{
    return QString::fromStdString(translatedCount(context, singular, plural, count));
}

} // namespace rods
