// Reads the system's font configuration on a thread of its own while the application connects to
// the display. The first text the main window lays out would otherwise wait for it: parsing the
// configuration and loading the font caches takes longer than the rest of the window's build.
#pragma once

#include <thread>

namespace restallow {

class FontCacheWarmUp {
public:
    FontCacheWarmUp();
    ~FontCacheWarmUp() { Wait(); }
    FontCacheWarmUp(const FontCacheWarmUp&) = delete;
    FontCacheWarmUp& operator=(const FontCacheWarmUp&) = delete;

    // Returns once the configuration is read (at once where there is nothing to read ahead).
    void Wait();

private:
    std::thread thread_;
};

}  // namespace restallow
