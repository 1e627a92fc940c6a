#include "core/place_names.h"

#include <array>

namespace rods {
namespace {

constexpr std::array<std::string_view, NamedPlaces> Names{"units",
                                                          "tens",
                                                          "hundreds",
                                                          "thousands",
                                                          "ten-thousands",
                                                          "hundred-thousands",
                                                          "millions",
                                                          "ten-millions",
                                                          "hundred-millions",
                                                          "billions",
                                                          "ten-billions",
                                                          "hundred-billions",
                                                          "trillions",
                                                          "ten-trillions",
                                                          "hundred-trillions",
                                                          "quadrillions",
                                                          "ten-quadrillions",
                                                          "hundred-quadrillions",
                                                          "quintillions",
                                                          "ten-quintillions",
                                                          "hundred-quintillions",
                                                          "sextillions",
                                                          "ten-sextillions",
                                                          "hundred-sextillions"};

} // namespace

std::string_view placeName(int place) { return Names.at(static_cast<std::size_t>(place)); }

} // namespace rods
