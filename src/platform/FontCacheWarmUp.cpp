// Fontconfig is safe to use from several threads; Qt's font database finds it initialized.
#include "platform/FontCacheWarmUp.h"

#if RESTALLOW_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace restallow {

FontCacheWarmUp::FontCacheWarmUp() {
#if RESTALLOW_HAVE_FONTCONFIG
    thread_ = std::thread([] {
        if (FcInit()) FcConfigGetFonts(nullptr, FcSetSystem);
    });
#endif
}

void FontCacheWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace restallow
