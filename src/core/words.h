#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace rods {

// Where the words a learner or teacher reads come from. Every such word is
// marked where it is written, with a context that tells a translator (and
// the catalogue) where it stands: `translated("Hint", "The answer is %1.")`.
// The application installs a lookup into the catalogue of the language
// chosen; without one, or for a text the catalogue lacks, the English
// source stands. This part is plain C++, so that the tutor's logic marks its
// words without the toolkit; the extraction (xgettext) knows these functions
// by name.
class WordLookup {
public:
    virtual ~WordLookup() = default;
    // The translation of `text` in `context`, or nothing.
    [[nodiscard]] virtual std::optional<std::string> find(const char* context, const char* text) const = 0;
    // The form of a counted text for `count`, found by its English singular
    // (which holds %n for the count), or nothing.
    [[nodiscard]] virtual std::optional<std::string> findCounted(const char* context, const char* singular,
                                                                 long long count) const = 0;
    // Between each three digits of a large number in a sentence.
    [[nodiscard]] virtual std::string groupSeparator() const = 0;
    // Whether the language is written from right to left.
    [[nodiscard]] virtual bool rightToLeft() const = 0;
};

// The lookup every marked word goes through from now on; nothing for English.
// Installed once, before the first window, while no other thread runs.
void installWordLookup(std::shared_ptr<const WordLookup> lookup);

// A marked text in the language chosen.
[[nodiscard]] std::string translated(const char* context, const char* text);

// A counted text in the language chosen, in the form its count takes there,
// with %n put in as the count: in English `singular` for 1 and `plural` for
// any other count ("%n step", "%n steps").
[[nodiscard]] std::string translatedCount(const char* context, const char* singular, const char* plural,
                                          long long count);

// A text marked where it is written (in a table, say) and translated where
// it is shown, with `translated(text)`.
struct MarkedText {
    const char* context;
    const char* text;
};
[[nodiscard]] constexpr MarkedText mark(const char* context, const char* text) { return {context, text}; }
[[nodiscard]] std::string translated(const MarkedText& text);

// Figures for a sentence: a number or a sum such as "5 + 5 + 1 = 11" or
// "307 × 12", which read left to right in every language. In a language
// written from right to left they are set apart (Unicode's left-to-right
// isolate), so that the sentence around them cannot turn them round; in any
// other they stand as they are.
[[nodiscard]] std::string figures(std::string_view text);

// A sentence with each stretch of figures in it set apart as `figures()`
// sets one apart: "So 307 × 2 = 614." keeps "307 × 2 = 614" in its order
// inside a sentence read from right to left. Figures already set apart stay
// as they are.
[[nodiscard]] std::string withFiguresApart(std::string_view sentence);

// A number for a sentence, its digits grouped in threes as the language
// groups them: 999,999,999,999,999 in English. Digits are 0 to 9 in every
// language.
[[nodiscard]] std::string groupedNumber(unsigned long long number);

} // namespace rods
