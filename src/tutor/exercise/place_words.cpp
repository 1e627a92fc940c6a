#include "tutor/exercise/place_words.h"

#include "core/place_names.h"
#include "core/words.h"

#include <array>

namespace rods {
namespace {

constexpr std::array<MarkedText, 24> Labels{
    // TRANSLATORS: a place named alone, as a label before its
    // column's sum: "units: 4 + 0 = 4".
    mark("Place (label)", "units"),
    mark("Place (label)", "tens"),
    mark("Place (label)", "hundreds"),
    mark("Place (label)", "thousands"),
    mark("Place (label)", "ten-thousands"),
    mark("Place (label)", "hundred-thousands"),
    mark("Place (label)", "millions"),
    mark("Place (label)", "ten-millions"),
    mark("Place (label)", "hundred-millions"),
    mark("Place (label)", "billions"),
    mark("Place (label)", "ten-billions"),
    mark("Place (label)", "hundred-billions"),
    mark("Place (label)", "trillions"),
    mark("Place (label)", "ten-trillions"),
    mark("Place (label)", "hundred-trillions"),
    mark("Place (label)", "quadrillions"),
    mark("Place (label)", "ten-quadrillions"),
    mark("Place (label)", "hundred-quadrillions"),
    mark("Place (label)", "quintillions"),
    mark("Place (label)", "ten-quintillions"),
    mark("Place (label)", "hundred-quintillions"),
    mark("Place (label)", "sextillions"),
    mark("Place (label)", "ten-sextillions"),
    mark("Place (label)", "hundred-sextillions"),
};
static_assert(Labels.size() == NamedPlaces);

} // namespace

std::string placeLabel(int place) { return translated(Labels.at(static_cast<std::size_t>(place))); }

} // namespace rods
