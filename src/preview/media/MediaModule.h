// What the program asks of its media module: the AVI decoder and the sound device of the preview.
// The module (FFmpeg, SDL2_mixer) is loaded at run time when a preview first needs it, so the
// program starts without those libraries. Both sides are built together; the version guards a
// stale module left beside a newer program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace restallow::media {

inline constexpr int kModuleVersion = 1;
inline constexpr const char* kEntryPoint = "restallow_media_module";

// One decoded frame, 4 bytes a pixel (0xFFRRGGBB in native order), valid until the next call.
struct Frame {
    int width = 0, height = 0;
    int stride = 0;
    const std::uint8_t* pixels = nullptr;
};

class VideoDecoder {
public:
    virtual ~VideoDecoder() = default;
    // Opens a clip; a frame of more than maxFrameBytes at 4 bytes a pixel is refused.
    // Empty on success, else what is wrong.
    virtual std::string Open(const std::string& path, std::size_t maxFrameBytes) = 0;
    // Reads and decodes the next frame from the file, from the first again after the last.
    virtual bool Next(Frame& frame) = 0;
    virtual int IntervalMilliseconds() const = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Opens the audio device unless it is open; empty on success, else the device's text.
    virtual std::string OpenDevice() = 0;
    virtual bool deviceOpen() const = 0;
    // Loads a checked MIDI or WAVE file for playing; empty on success, else the mixer's text.
    virtual std::string Load(const std::string& path) = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Unload() = 0;
};

struct Module {
    int version;
    std::unique_ptr<VideoDecoder> (*newVideoDecoder)();
    std::unique_ptr<SoundDevice> (*newSoundDevice)();
};

using EntryPoint = const Module* (*)();

}  // namespace restallow::media
