#pragma once

#include <thread>

namespace rods {

// Reading the font configuration (fontconfig's files and caches) is the
// longest single piece of a start, and it needs no display. Made before the
// application object, this reads it on a thread of its own while the
// application connects to the display; the window's first font then finds it
// read. Call wait() before the first font is used, so that the toolkit never
// reads the configuration a second time alongside.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void wait();

private:
    std::thread thread_;
};

} // namespace rods
