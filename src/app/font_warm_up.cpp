#include "app/font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace rods {

// FcInit keeps what it reads as fontconfig's current configuration, which is
// the one the toolkit's own FcInit then finds. Should it fail, the toolkit
// meets the same failure and handles it as it would have.
FontWarmUp::FontWarmUp()
{
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had (a limit on processes): the toolkit then reads
        // the configuration itself, as it always did.
    }
}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace rods
