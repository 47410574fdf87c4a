// Fontconfig is safe to use from several threads; Qt's font database finds it initialized.
#include "platform/FontCacheWarmUp.h"

#if RESTALLOW_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace restallow {

FontCacheWarmUp::FontCacheWarmUp() {
#if RESTALLOW_HAVE_FONTCONFIG
    thread_ = std::thread([] {
        // Below the start itself: on a busy machine it gives way to the thread connecting to the display.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
        if (FcInit()) FcConfigGetFonts(nullptr, FcSetSystem);
    });
#endif
}

void FontCacheWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace restallow
